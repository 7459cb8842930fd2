#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/gdi/Color.h"
#include "platform/gdi/Geometry.h"

namespace gdi {

// The 24-byte bitmap record that GetObject fills: width and height are its second and
// third 32-bit fields.
struct BitmapInfo {
    std::int32_t bmType = 0;
    std::int32_t bmWidth = 0;
    std::int32_t bmHeight = 0;
    std::int32_t bmWidthBytes = 0;
    std::uint16_t bmPlanes = 1;
    std::uint16_t bmBitsPixel = 32;
    std::uint32_t bmBits = 0;
};

// A 32-bit raster, rows top-down, one Color (0x00BBGGRR) per pixel.  In memory a pixel is
// the bytes red, green, blue, 0, and a row is Width() * 4 bytes with no padding.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, Color fill = kBlack);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Stride() const { return width_ * 4; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Unchecked pixel access; callers keep inside the bitmap.
    Color At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, Color color) { pixels_[Index(x, y)] = color; }
    std::span<Color> Row(int y) { return {pixels_.data() + Index(0, y), RowLength()}; }
    std::span<const Color> Row(int y) const { return {pixels_.data() + Index(0, y), RowLength()}; }

    // Fills the part of `area` that lies on the bitmap.
    void Fill(Rect area, Color color);
    // New size; what lies inside both sizes is kept, the rest takes `fill`.
    void Resize(int width, int height, Color fill = kBlack);
    // New size for pixels that are all about to be drawn again: what they hold is left open.
    void Reshape(int width, int height);

    std::span<const std::uint8_t> Bytes() const;
    BitmapInfo Describe() const;

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }
    std::size_t RowLength() const { return static_cast<std::size_t>(width_); }

    int width_ = 0;
    int height_ = 0;
    std::vector<Color> pixels_;
};

// Copies the bitmap's bytes (Describe().bmWidthBytes per row, rows top-down) into `out`, as
// many as fit; returns the number copied.
std::size_t GetBitmapBits(const Bitmap& bitmap, std::span<std::uint8_t> out);

}  // namespace gdi
