#include "platform/gdi/DeviceContext.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/gdi/FontRegistry.h"
#include "platform/gdi/TextCodec.h"

namespace gdi {

Pen DeviceContext::SelectObject(const Pen& pen) {
    return std::exchange(pen_, pen);
}
Brush DeviceContext::SelectObject(const Brush& brush) {
    return std::exchange(brush_, brush);
}

Font DeviceContext::SelectObject(const Font& font) {
    face_ = nullptr;
    return std::exchange(font_, font);
}

Color DeviceContext::SetTextColor(Color color) {
    return std::exchange(textColor_, ResolveColor(color));
}
Color DeviceContext::SetBkColor(Color color) {
    return std::exchange(backColor_, ResolveColor(color));
}
BackMode DeviceContext::SetBkMode(BackMode mode) {
    return std::exchange(backMode_, mode);
}

Point DeviceContext::MoveToEx(int x, int y) {
    return std::exchange(position_, Point{x, y});
}

void DeviceContext::Stamp(int x, int y) {
    int width = pen_.Width();
    int left = x - width / 2;
    int top = y - width / 2;
    surface_->Fill({left, top, left + width, top + width}, pen_.GetColor());
}

void DeviceContext::LineTo(int x, int y) {
    // Bresenham from the current position, the end point left out.
    int x0 = position_.x;
    int y0 = position_.y;
    int dx = std::abs(x - x0);
    int dy = -std::abs(y - y0);
    int sx = x0 < x ? 1 : -1;
    int sy = y0 < y ? 1 : -1;
    int error = dx + dy;
    while (x0 != x || y0 != y) {
        Stamp(x0, y0);
        int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
    position_ = {x, y};
}

void DeviceContext::FillRect(const Rect& area, const Brush& brush) {
    surface_->Fill(area, brush.GetColor());
}

void DeviceContext::Rectangle(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    surface_->Fill({left, top, right, bottom}, brush_.GetColor());
    Point saved = MoveToEx(left, top);
    LineTo(right - 1, top);
    LineTo(right - 1, bottom - 1);
    LineTo(left, bottom - 1);
    LineTo(left, top);
    position_ = saved;
}

std::int32_t DeviceContext::SetPixel(int x, int y, Color color) {
    if (!surface_->Contains(x, y)) return kInvalidPixel;
    Color resolved = ResolveColor(color);
    surface_->Set(x, y, resolved);
    return static_cast<std::int32_t>(resolved);
}

std::int32_t DeviceContext::GetPixel(int x, int y) const {
    if (!surface_->Contains(x, y)) return kInvalidPixel;
    return static_cast<std::int32_t>(surface_->At(x, y));
}

Typeface& DeviceContext::Face() {
    auto& registry = FontRegistry::Instance();
    if (face_ == nullptr || faceGeneration_ != registry.Generation()) {
        face_ = &registry.Resolve(font_);
        faceGeneration_ = registry.Generation();
    }
    return *face_;
}

template <typename Each>
Size DeviceContext::Extent(Each&& forEach) {
    Typeface& face = Face();
    int width = 0;
    forEach([&](char32_t code) { width += face.GlyphOf(code).advance; });
    return {width, face.Height()};
}

Rect DeviceContext::DrawGlyph(int x, int y, const Glyph& glyph) {
    int left = x + glyph.left;
    int top = y + glyph.top;
    // Only the rows and columns on the surface.
    int fromX = std::max(0, -left);
    int toX = std::min(glyph.width, surface_->Width() - left);
    int fromY = std::max(0, -top);
    int toY = std::min(glyph.height, surface_->Height() - top);
    for (int gy = fromY; gy < toY; ++gy) {
        const std::uint8_t* dots = glyph.dots.data() + gy * glyph.width;
        auto row = surface_->Row(top + gy);
        for (int gx = fromX; gx < toX; ++gx)
            if (dots[gx]) row[static_cast<std::size_t>(left + gx)] = textColor_;
    }
    return {left + fromX, top + fromY, left + toX, top + toY};
}

namespace {

Rect OnSurface(const Rect& area, const Bitmap& surface) {
    Rect on{std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, surface.Width()),
            std::min(area.bottom, surface.Height())};
    return on.Empty() ? Rect{} : on;
}

}  // namespace

template <typename Each>
Rect DeviceContext::Draw(int x, int y, Each&& forEach) {
    Typeface& face = Face();
    Rect changed;
    if (backMode_ == BackMode::Opaque) {
        Size size = Extent(forEach);
        changed = {x, y, x + size.cx, y + size.cy};
        surface_->Fill(changed, backColor_);
    }
    int pen = x;
    forEach([&](char32_t code) {
        const Glyph& glyph = face.GlyphOf(code);
        changed = Union(changed, DrawGlyph(pen, y, glyph));
        pen += glyph.advance;
    });
    if (font_.underline) {
        int row = y + face.UnderlineRow();
        const Rect line{x, row, pen, row + face.UnderlineThickness()};
        surface_->Fill(line, textColor_);
        changed = Union(changed, line);
    }
    return OnSurface(changed, *surface_);
}

Rect DeviceContext::TextOutA(int x, int y, std::string_view text) {
    return Draw(x, y, [text](auto&& each) { ForEachWindows1252(text, each); });
}

Rect DeviceContext::TextOutW(int x, int y, std::u16string_view text) {
    return Draw(x, y, [text](auto&& each) { ForEachUtf16(text, each); });
}

Size DeviceContext::TextExtentA(std::string_view text) {
    return Extent([text](auto&& each) { ForEachWindows1252(text, each); });
}

Size DeviceContext::TextExtentW(std::u16string_view text) {
    return Extent([text](auto&& each) { ForEachUtf16(text, each); });
}

void BitBlt(DeviceContext& target, int x, int y, int w, int h, const DeviceContext& source, int sx,
            int sy) {
    const Bitmap& from = source.Surface();
    Bitmap& to = target.Surface();
    // Trim the block to both surfaces.
    int left = std::max({0, -x, -sx});
    int top = std::max({0, -y, -sy});
    int right = std::min({w, to.Width() - x, from.Width() - sx});
    int bottom = std::min({h, to.Height() - y, from.Height() - sy});
    if (left >= right || top >= bottom) return;
    auto bytes = static_cast<std::size_t>(right - left) * sizeof(Color);
    // Within one surface the rows go in the order that reads each before it is written.
    bool upward = &from == &to && y > sy;
    for (int i = top; i < bottom; ++i) {
        int row = upward ? bottom - 1 - (i - top) : i;
        std::memmove(to.Row(y + row).data() + x + left, from.Row(sy + row).data() + sx + left,
                     bytes);
    }
}

}  // namespace gdi
