#include "platform/gdi/Picture.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/gdi/PictureFormats.h"
#include "platform/gdi/Screen.h"
#include "platform/os/Files.h"

namespace gdi {
namespace {

std::uint32_t NextHandle() {
    static std::atomic<std::uint32_t> last{0};
    return ++last;
}

bool StartsWith(std::string_view data, std::initializer_list<unsigned char> magic) {
    return data.size() >= magic.size() &&
           std::equal(magic.begin(), magic.end(), data.begin(),
                      [](unsigned char a, char b) { return a == static_cast<unsigned char>(b); });
}

// The formats picture loading accepts, told by their first bytes.
std::optional<Bitmap> DecodeAnyFormat(std::string_view data, std::vector<bool>& clear) {
    if (StartsWith(data, {'B', 'M'})) return DecodeBmp(data);
    if (StartsWith(data, {'G', 'I', 'F', '8'})) return DecodeGif(data, &clear);
    if (StartsWith(data, {0xFF, 0xD8, 0xFF})) return DecodeJpeg(data);
    return {};
}

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void Report(PictureError* error, PictureError value) {
    if (error != nullptr) *error = value;
}

}  // namespace

bool DeclaredSizeIsSane(long long width, long long height) {
    return width > 0 && height > 0 && width <= Picture::kMaxSide && height <= Picture::kMaxSide &&
           width * height <= Picture::kMaxPixels;
}

Picture::Picture(Bitmap image, std::vector<bool> clear)
    : image_(std::move(image)), clear_(std::move(clear)) {
    if (!image_.Empty()) handle_ = NextHandle();
    // A mask that does not cover the image, or clears nothing, is no mask.
    if (clear_.size() !=
            static_cast<std::size_t>(image_.Width()) * static_cast<std::size_t>(image_.Height()) ||
        std::find(clear_.begin(), clear_.end(), true) == clear_.end())
        clear_.clear();
}

void Picture::Renumber() {
    if (image_.Empty())
        handle_ = 0;
    else if (handle_ == 0)
        handle_ = NextHandle();
}

std::shared_ptr<Picture> Picture::Load(const std::string& path, PictureError* error) {
    Report(error, PictureError::None);
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        Report(error, PictureError::FileNotFound);
        return nullptr;
    }
    const std::streamoff size = file.tellg();
    if (size < 0 || static_cast<std::size_t>(size) > kMaxFileBytes) {
        Report(error, PictureError::InvalidPicture);
        return nullptr;
    }
    file.seekg(0);
    return Decode(std::string{std::istreambuf_iterator<char>(file), {}}, error);
}

std::shared_ptr<Picture> Picture::Decode(const std::string& bytes, PictureError* error) {
    Report(error, PictureError::None);
    std::optional<Bitmap> image;
    std::vector<bool> clear;
    if (bytes.size() <= kMaxFileBytes) image = DecodeAnyFormat(bytes, clear);
    if (!image || !DeclaredSizeIsSane(image->Width(), image->Height())) {
        Report(error, PictureError::InvalidPicture);
        return nullptr;
    }
    return std::make_shared<Picture>(std::move(*image), std::move(clear));
}

std::shared_ptr<Picture> Picture::FromImage(const Bitmap& image) {
    return std::make_shared<Picture>(Bitmap(image));
}

std::string Picture::BmpBytes() const {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(PixelWidth()) * 3 + 3) & ~3u;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(PixelHeight());
    std::string out;
    out.reserve(54 + imageBytes);
    out.push_back('B');
    out.push_back('M');
    PutLittleEndian(out, 54 + imageBytes, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 54, 4);
    PutLittleEndian(out, 40, 4);  // the 40-byte information header
    PutLittleEndian(out, static_cast<std::uint32_t>(PixelWidth()), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(PixelHeight()), 4);
    PutLittleEndian(out, 1, 2);
    PutLittleEndian(out, 24, 2);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, imageBytes, 4);
    const std::uint32_t pixelsPerMetre = (kScreenDpi * 10000 + 127) / 254;
    PutLittleEndian(out, pixelsPerMetre, 4);
    PutLittleEndian(out, pixelsPerMetre, 4);
    PutLittleEndian(out, 0, 4);
    PutLittleEndian(out, 0, 4);
    for (int y = PixelHeight() - 1; y >= 0; --y) {
        for (Color pixel : image_.Row(y)) {
            out.push_back(static_cast<char>(Blue(pixel)));
            out.push_back(static_cast<char>(Green(pixel)));
            out.push_back(static_cast<char>(Red(pixel)));
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(PixelWidth()) * 3; pad < rowBytes;
             ++pad)
            out.push_back(0);
    }
    return out;
}

void Picture::SaveBmp(const std::string& path) const {
    os::ReplaceAllBytes(path, BmpBytes());
}

vb::Long Picture::Width() const {
    return static_cast<vb::Long>(PixelsToHimetric(PixelWidth()));
}
vb::Long Picture::Height() const {
    return static_cast<vb::Long>(PixelsToHimetric(PixelHeight()));
}

}  // namespace gdi
