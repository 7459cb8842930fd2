#pragma once

#include <string_view>

#include "platform/vb/Strings.h"

namespace gdi {

// Calls `each` with every character of 8-bit Windows-1252 text.
template <typename Each>
void ForEachWindows1252(std::string_view bytes, Each&& each) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        auto byte = static_cast<unsigned char>(bytes[i]);
        // Only 0x80-0x9F differ from Latin-1; the language's table has them.
        if (byte >= 0x80 && byte < 0xA0)
            each(static_cast<char32_t>(vb::AscW(vb::FromWindows1252(bytes.substr(i, 1)))));
        else
            each(static_cast<char32_t>(byte));
    }
}

// Calls `each` with every character of UTF-16 text; a lone surrogate stands for itself.
template <typename Each>
void ForEachUtf16(std::u16string_view text, Each&& each) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t unit = text[i];
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            each(0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            each(unit);
        }
    }
}

}  // namespace gdi
