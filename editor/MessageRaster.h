#pragma once

#include <string>
#include <string_view>

#include "editor/LineFormat.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DeviceContext.h"

namespace zomel {

// Drawing the message raster on a surface: one pixel per LED, white text on black, each line
// in its own font.  The UTF-16 buffer is the caller's, kept between layouts so that a
// keystroke allocates nothing.
class MessageRaster {
public:
    MessageRaster(gdi::DeviceContext& dc, std::u16string& buffer);

    void Clear();
    void SetFont(const LineFormat& format);
    // Width of the text without its leading and trailing blanks, and height of the text, in
    // pixels of the current font.
    int TrimmedTextWidth(std::string_view text);
    int TextHeight(std::string_view text);
    // The text with its top-left at (x, y).
    void Draw(int x, int y, std::string_view text);

    const gdi::Bitmap& Image() const { return dc_.Surface(); }

private:
    const std::u16string& Utf16(std::string_view text);

    gdi::DeviceContext& dc_;
    std::u16string& utf16_;
};

// UTF-8 to UTF-16 into `out`, reusing its storage; a bad byte stands for itself.
void AssignUtf16(std::string_view utf8, std::u16string& out);

}  // namespace zomel
