#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/vb/Types.h"

namespace gdi {

enum class PictureError { None, FileNotFound, InvalidPicture };

// A picture object: an image that windows, controls and variants share by reference.  Its
// handle is 0 when it holds no image; its size is reported in HIMETRIC, as picture objects
// report it, and in pixels.  The image does not change once made.
class Picture : public vb::Object {
public:
    Picture() = default;
    // `clear`: which pixels, row by row, let what lies behind the picture show; empty when
    // none does.
    explicit Picture(Bitmap image, std::vector<bool> clear = {});

    // Pictures declaring more than this are refused as invalid before anything is made of
    // them: larger than any photo or screen this program shows.
    static constexpr int kMaxSide = 16384;
    static constexpr long long kMaxPixels = 25'000'000;
    static constexpr std::size_t kMaxFileBytes = 64u << 20;

    // Loads a BMP, GIF (first frame) or JPEG file; an empty pointer and the reason on failure.
    static std::shared_ptr<Picture> Load(const std::string& path, PictureError* error = nullptr);
    // The same from the file's bytes.
    static std::shared_ptr<Picture> Decode(const std::string& bytes, PictureError* error = nullptr);
    // A picture of what a surface holds now: a copy that later drawing leaves alone.
    static std::shared_ptr<Picture> FromImage(const Bitmap& image);

    // The bytes of a 24-bit BMP file (rows bottom-up, as the format has them), and the file;
    // raises the file's error, naming it, when it cannot be written.
    std::string BmpBytes() const;
    void SaveBmp(const std::string& path) const;

    std::uint32_t Handle() const { return handle_; }
    vb::Long Width() const;
    vb::Long Height() const;
    int PixelWidth() const { return image_.Width(); }
    int PixelHeight() const { return image_.Height(); }
    const Bitmap& Image() const { return image_; }
    bool HasClearPixels() const { return !clear_.empty(); }
    // Whether the pixel lets what lies behind show; false for one outside the picture.
    bool IsClear(int x, int y) const {
        return HasClearPixels() && image_.Contains(x, y) &&
               clear_[static_cast<std::size_t>(y) * static_cast<std::size_t>(PixelWidth()) +
                      static_cast<std::size_t>(x)];
    }

private:
    friend class PictureRecycler;
    // After the image was made again: a handle for an image, none for no image.
    void Renumber();

    Bitmap image_;
    std::vector<bool> clear_;
    std::uint32_t handle_ = 0;
};

using PictureRef = std::shared_ptr<Picture>;

}  // namespace gdi
