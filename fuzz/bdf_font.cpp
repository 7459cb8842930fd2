// The LED font reader on any bytes: refusal or a font, never a fault.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/gdi/BdfFont.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string refusal;
    auto font =
        gdi::BdfFont::Parse(std::string(reinterpret_cast<const char*>(data), size), &refusal);
    if (font)
        for (char32_t code = 32; code < 127; ++code)
            if (const auto* rows = font->Find(code))
                (void)rows->at(static_cast<std::size_t>(font->DotsHigh() - 1));
    return 0;
}
