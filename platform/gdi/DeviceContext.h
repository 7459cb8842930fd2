#pragma once

#include <string_view>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Typeface.h"

namespace gdi {

enum class BackMode { Transparent, Opaque };

// Draws on a bitmap with a selected pen, brush and font, text and back colours and a current
// position.  Selecting an object returns the one it replaces.  The bitmap must outlive the
// device context.
class DeviceContext {
public:
    explicit DeviceContext(Bitmap& surface) : surface_(&surface) {}

    Bitmap& Surface() { return *surface_; }
    const Bitmap& Surface() const { return *surface_; }

    Pen SelectObject(const Pen& pen);
    Brush SelectObject(const Brush& brush);
    Font SelectObject(const Font& font);
    const Pen& CurrentPen() const { return pen_; }
    const Brush& CurrentBrush() const { return brush_; }
    const Font& CurrentFont() const { return font_; }

    // Each returns the previous value; colours may be system colours.
    Color SetTextColor(Color color);
    Color SetBkColor(Color color);
    BackMode SetBkMode(BackMode mode);
    Color TextColor() const { return textColor_; }

    // Lines leave out their end point, which becomes the current position.
    Point MoveToEx(int x, int y);
    void LineTo(int x, int y);
    Point CurrentPosition() const { return position_; }

    void FillRect(const Rect& area, const Brush& brush);
    // Filled with the brush, outlined with the pen on its edge pixels.
    void Rectangle(int left, int top, int right, int bottom);
    // The colour set, or InvalidPixel outside the surface.
    std::int32_t SetPixel(int x, int y, Color color);
    std::int32_t GetPixel(int x, int y) const;

    // Text with its top-left at (x, y), in the text colour; the back colour fills the text's
    // box first only in opaque mode.  TextOutA takes Windows-1252 bytes, TextOutW UTF-16.
    // Each returns the part of the surface it may have changed.
    Rect TextOutA(int x, int y, std::string_view text);
    Rect TextOutW(int x, int y, std::u16string_view text);
    Size TextExtentA(std::string_view text);
    Size TextExtentW(std::u16string_view text);

private:
    Typeface& Face();
    template <typename Each>
    Size Extent(Each&& forEach);
    template <typename Each>
    Rect Draw(int x, int y, Each&& forEach);
    Rect DrawGlyph(int x, int y, const Glyph& glyph);
    void Stamp(int x, int y);

    Bitmap* surface_;
    Pen pen_;
    Brush brush_;
    Font font_;
    Color textColor_ = kBlack;
    Color backColor_ = kWhite;
    BackMode backMode_ = BackMode::Transparent;
    Point position_;
    Typeface* face_ = nullptr;
    unsigned faceGeneration_ = 0;
};

// Copies a w by h block from `source` at (sx, sy) to `target` at (x, y); parts outside
// either surface are left out.
void BitBlt(DeviceContext& target, int x, int y, int w, int h, const DeviceContext& source, int sx,
            int sy);

}  // namespace gdi
