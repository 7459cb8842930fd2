#pragma once

#include <string>
#include <string_view>

#include "editor/LineFormat.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DeviceContext.h"

namespace zomel {

// The message raster: one pixel per LED, white text on black, drawn line by line with each
// line's own font.  Buffers are kept between layouts so that a keystroke allocates nothing.
class MessageRaster {
public:
    MessageRaster();

    // Keeps at least this size; the content is lost when it grows.
    void EnsureSize(int width, int height);
    void Clear();
    void SetFont(const LineFormat& format);
    // Width of the text without its leading and trailing blanks, and height of the text, in
    // pixels of the current font.
    int TrimmedTextWidth(std::string_view text);
    int TextHeight(std::string_view text);
    // The text with its top-left at (x, y).
    void Draw(int x, int y, std::string_view text);

    const gdi::Bitmap& Image() const { return image_; }

private:
    const std::u16string& Utf16(std::string_view text);

    gdi::Bitmap image_;
    gdi::DeviceContext dc_{image_};
    std::u16string utf16_;
};

// UTF-8 to UTF-16 into `out`, reusing its storage; a bad byte stands for itself.
void AssignUtf16(std::string_view utf8, std::u16string& out);

}  // namespace zomel
