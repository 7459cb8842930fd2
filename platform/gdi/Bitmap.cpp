#include "platform/gdi/Bitmap.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace gdi {

static_assert(std::endian::native == std::endian::little,
              "pixels are stored as 0x00BBGGRR words read as red, green, blue bytes");

Bitmap::Bitmap(int width, int height, Color fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {
    if (width_ == 0 || height_ == 0) {
        width_ = height_ = 0;
        pixels_.clear();
    }
}

void Bitmap::Fill(Rect area, Color color) {
    int left = std::max(area.left, 0);
    int right = std::min(area.right, width_);
    int top = std::max(area.top, 0);
    int bottom = std::min(area.bottom, height_);
    if (left >= right) return;
    for (int y = top; y < bottom; ++y) {
        auto row = Row(y);
        std::fill(row.begin() + left, row.begin() + right, color);
    }
}

void Bitmap::Resize(int width, int height, Color fill) {
    if (width == width_ && height == height_) return;
    Bitmap resized(width, height, fill);
    int keepWidth = std::min(width_, resized.width_);
    int keepHeight = std::min(height_, resized.height_);
    for (int y = 0; y < keepHeight; ++y) {
        auto from = Row(y);
        std::copy(from.begin(), from.begin() + keepWidth, resized.Row(y).begin());
    }
    *this = std::move(resized);
}

std::span<const std::uint8_t> Bitmap::Bytes() const {
    return {reinterpret_cast<const std::uint8_t*>(pixels_.data()), pixels_.size() * 4};
}

BitmapInfo Bitmap::Describe() const {
    BitmapInfo info;
    info.bmWidth = width_;
    info.bmHeight = height_;
    info.bmWidthBytes = Stride();
    return info;
}

std::size_t GetBitmapBits(const Bitmap& bitmap, std::span<std::uint8_t> out) {
    auto bytes = bitmap.Bytes();
    std::size_t count = std::min(bytes.size(), out.size());
    if (count > 0) std::memcpy(out.data(), bytes.data(), count);
    return count;
}

}  // namespace gdi
