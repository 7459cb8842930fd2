#include "platform/forms/TextMeasure.h"

#include <algorithm>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Screen.h"
#include "platform/vb/Strings.h"

namespace forms {
namespace {

gdi::DeviceContext& Measuring(const StdFont& font) {
    static gdi::Bitmap scratch(1, 1);
    static gdi::DeviceContext dc(scratch);
    dc.SelectObject(gdi::Font{font.Name, font.Size, font.Bold, font.Italic, font.Underline});
    return dc;
}

vb::Single Twips(int pixels) {
    return static_cast<vb::Single>(gdi::PixelsToTwipsX(pixels));
}

}  // namespace

vb::Single TextWidthIn(const StdFont& font, std::string_view text) {
    return Twips(Measuring(font).TextExtentA(vb::ToWindows1252(text)).cx);
}

vb::Single LineHeightIn(const StdFont& font) {
    return static_cast<vb::Single>(gdi::PixelsToTwipsY(Measuring(font).TextExtentA("Xg").cy));
}

int WrappedLinesIn(const StdFont& font, std::string_view text, vb::Single width) {
    int lines = 1;
    size_t lineStart = 0;
    for (size_t wordStart = 0; wordStart < text.size();) {
        const size_t wordEnd = std::min(text.find(' ', wordStart), text.size());
        if (wordStart > lineStart &&
            TextWidthIn(font, text.substr(lineStart, wordEnd - lineStart)) > width) {
            ++lines;
            lineStart = wordStart;
        }
        wordStart = wordEnd + 1;
    }
    return lines;
}

}  // namespace forms
