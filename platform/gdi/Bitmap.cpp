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
    if (left >= right || top >= bottom) return;
    // A wide area: the first row word by word, the others copies of it, which go many words at
    // a time.  A narrow one (an LED square) is quicker word by word throughout.
    constexpr int kWideRow = 64;
    Color* first = pixels_.data() + Index(left, top);
    const auto words = static_cast<std::size_t>(right - left);
    std::fill(first, first + words, color);
    for (int y = top + 1; y < bottom; ++y) {
        Color* row = pixels_.data() + Index(left, y);
        if (right - left >= kWideRow)
            std::memcpy(row, first, words * sizeof(Color));
        else
            std::fill(row, row + words, color);
    }
}

// In place once the storage has held the larger size: a layout that resizes its surface at
// every step allocates only the first time.
void Bitmap::Resize(int width, int height, Color fill) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == 0 || height == 0) width = height = 0;
    if (width == width_ && height == height_) return;
    const auto area = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (area > pixels_.capacity()) {
        Bitmap resized(width, height, fill);
        const int keepWidth = std::min(width_, resized.width_);
        for (int y = 0; y < std::min(height_, resized.height_); ++y) {
            auto from = Row(y);
            std::copy(from.begin(), from.begin() + keepWidth, resized.Row(y).begin());
        }
        *this = std::move(resized);
        return;
    }
    const int keepHeight = std::min(height_, height);
    const auto oldWidth = static_cast<std::size_t>(width_);
    const auto newWidth = static_cast<std::size_t>(width);
    Color* pixels = nullptr;
    if (newWidth <= oldWidth) {
        // Rows move towards the front: first row first.
        pixels = pixels_.data();
        for (int y = 1; newWidth < oldWidth && y < keepHeight; ++y) {
            const Color* from = pixels + static_cast<std::size_t>(y) * oldWidth;
            std::copy(from, from + newWidth, pixels + static_cast<std::size_t>(y) * newWidth);
        }
        pixels_.resize(area, fill);
        pixels = pixels_.data();
    } else {
        // Rows move towards the back: last row first, each widened with `fill`.
        pixels_.resize(std::max(area, pixels_.size()), fill);
        pixels = pixels_.data();
        for (int y = keepHeight - 1; y >= 0; --y) {
            const Color* from = pixels + static_cast<std::size_t>(y) * oldWidth;
            Color* to = pixels + static_cast<std::size_t>(y) * newWidth;
            std::copy_backward(from, from + oldWidth, to + oldWidth);
            std::fill(to + oldWidth, to + newWidth, fill);
        }
        pixels_.resize(area, fill);
    }
    std::fill(pixels + static_cast<std::size_t>(keepHeight) * newWidth, pixels + area, fill);
    width_ = width;
    height_ = height;
}

void Bitmap::Reshape(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == 0 || height == 0) width = height = 0;
    pixels_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    width_ = width;
    height_ = height;
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
