// The LED font reader on any bytes: refusal or a font, never a fault; and the family read
// from a file's head is the one reading the whole file gives, or its refusal is the same.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/gdi/BdfFont.h"

namespace {

const std::string& FontFile() {
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("fuzz_bdf_font-" + std::to_string(getpid()) + ".bdf"))
                                        .string();
    return path;
}

void CompareHeadWithWhole(const std::string& text) {
    std::ofstream(FontFile(), std::ios::binary | std::ios::trunc) << text;
    std::string wholeRefusal, headRefusal;
    auto whole = gdi::BdfFont::Load(FontFile(), &wholeRefusal);
    auto family = gdi::BdfFont::ReadFamily(FontFile(), &headRefusal);
    if (!family && (whole || headRefusal != wholeRefusal)) __builtin_trap();
    if (family && whole && *family != whole->Family()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string refusal;
    auto font = gdi::BdfFont::Parse(text, &refusal);
    if (font)
        for (char32_t code = 32; code < 127; ++code)
            if (const auto* rows = font->Find(code))
                (void)rows->at(static_cast<std::size_t>(font->DotsHigh() - 1));
    CompareHeadWithWhole(text);
    return 0;
}
