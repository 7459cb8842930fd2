// The picture reader on any bytes: an invalid picture or an image of a sane size.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/gdi/Picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto picture = gdi::Picture::Decode(std::string(reinterpret_cast<const char*>(data), size));
    if (picture && (picture->PixelWidth() > gdi::Picture::kMaxSide ||
                    picture->PixelHeight() > gdi::Picture::kMaxSide))
        __builtin_trap();
    return 0;
}
