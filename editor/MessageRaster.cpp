#include "editor/MessageRaster.h"

#include "platform/gdi/Font.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

// The length of the UTF-8 sequence a lead byte starts; 1 for a byte that starts none.
int SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

MessageRaster::MessageRaster(gdi::DeviceContext& dc, RasterWork& work) : dc_(dc), work_(work) {
    dc_.SetTextColor(gdi::kWhite);
    dc_.SetBkMode(gdi::BackMode::Transparent);
}

bool MessageRaster::Known() const {
    const gdi::Bitmap& image = dc_.Surface();
    return work_.surface == &image && work_.width == image.Width() &&
           work_.height == image.Height();
}

void MessageRaster::Clear() {
    gdi::Bitmap& image = dc_.Surface();
    if (Known()) {
        image.Fill(work_.drawn, gdi::kBlack);
    } else {
        image.Fill({0, 0, image.Width(), image.Height()}, gdi::kBlack);
        work_.surface = &image;
        work_.width = image.Width();
        work_.height = image.Height();
    }
    work_.drawn = {};
}

gdi::Rect MessageRaster::InkArea() const {
    if (Known()) return work_.drawn;
    const gdi::Bitmap& image = dc_.Surface();
    return {0, 0, image.Width(), image.Height()};
}

void MessageRaster::SetFont(const LineFormat& format) {
    gdi::Font font;
    font.face = format.FontName;
    font.points = format.FontSize;
    font.bold = format.Bold != 0;
    font.italic = format.Italic != 0;
    font.underline = format.Underline != 0;
    if (!(font == dc_.CurrentFont())) dc_.SelectObject(font);
}

int MessageRaster::TrimmedTextWidth(std::string_view text) {
    return dc_.TextExtentW(Utf16(vb::TrimOf(text, " "))).cx;
}

int MessageRaster::TextHeight(std::string_view text) {
    return dc_.TextExtentW(Utf16(text)).cy;
}

void MessageRaster::Draw(int x, int y, std::string_view text) {
    work_.drawn = gdi::Union(work_.drawn, dc_.TextOutW(x, y, Utf16(text)));
}

const std::u16string& MessageRaster::Utf16(std::string_view text) {
    AssignUtf16(text, work_.utf16);
    return work_.utf16;
}

void AssignUtf16(std::string_view utf8, std::u16string& out) {
    out.clear();
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int length = SequenceLength(lead);
        if (i + length > utf8.size()) length = 1;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            code = (code << 6) | (utf8[i + k] & 0x3F);
        i += length;
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
    }
}

}  // namespace zomel
