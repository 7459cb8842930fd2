#pragma once

#include <string>
#include <string_view>

#include "editor/LineFormat.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DeviceContext.h"

namespace zomel {

// What a message raster keeps between layouts: the UTF-16 buffer, so that a keystroke
// allocates nothing, and the part of the surface drawn on since it was last cleared, so that
// clearing and scanning need not cover the rest.
struct RasterWork {
    std::u16string utf16;
    gdi::Rect drawn;
    // The surface as it was last cleared whole; any other is cleared whole first.
    const gdi::Bitmap* surface = nullptr;
    int width = 0;
    int height = 0;
};

// Drawing the message raster on a surface: one pixel per LED, white text on black, each line
// in its own font.
class MessageRaster {
public:
    MessageRaster(gdi::DeviceContext& dc, RasterWork& work);

    // The whole surface black again.
    void Clear();
    // The part of the surface that can hold ink: all of it until this raster has cleared it.
    gdi::Rect InkArea() const;
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
    bool Known() const;

    gdi::DeviceContext& dc_;
    RasterWork& work_;
};

// UTF-8 to UTF-16 into `out`, reusing its storage; a bad byte stands for itself.
void AssignUtf16(std::string_view utf8, std::u16string& out);

}  // namespace zomel
