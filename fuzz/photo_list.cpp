// The gallery's photo list on any bytes: refused naming the file, or photos whose sizes give
// the gallery finite scales.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "editor/PhotoList.h"
#include "platform/vb/Error.h"

namespace {

bool Finite(float value) {
    return std::isfinite(value) && value > 0;
}

// As the gallery fits a photo into a room of 3000 by 1500 twips.
void ExpectSaneScales(const zomel::GalleryPhoto& photo) {
    if (!Finite(photo.width) || !Finite(photo.height)) __builtin_trap();
    const float base = 1500 / std::max(photo.width, photo.height);
    const float fit = std::min(3000 / photo.width, 1500 / photo.height);
    if (!Finite(base) || !Finite(fit) || !Finite(photo.width * fit) || !Finite(photo.height * fit))
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const auto photos = zomel::ParsePhotoList(bytes);
        if (photos.empty() || photos.size() > 32767) __builtin_trap();
        for (const zomel::GalleryPhoto& photo : photos)
            ExpectSaneScales(photo);
    } catch (const vb::VbError& error) {
        if (error.Number() != vb::err::kInvalidCall ||
            !error.Description().starts_with("gifs_jpegs/pic.txt: "))
            __builtin_trap();
    }
    return 0;
}
