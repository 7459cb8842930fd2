#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace com {

// A 128-bit class identifier, written "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
class Clsid {
public:
    constexpr Clsid() = default;

    // Hex digits in either case; the braces may be left out.  Empty when malformed.
    static constexpr std::optional<Clsid> Parse(std::string_view text);

    // Upper-case digits, with braces.
    std::string ToString() const;
    constexpr bool IsNull() const { return bytes_ == std::array<std::uint8_t, 16>{}; }

    constexpr auto operator<=>(const Clsid&) const = default;

private:
    static constexpr int HexValue(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }
    static constexpr bool IsDash(std::size_t position) {
        return position == 8 || position == 13 || position == 18 || position == 23;
    }
    static constexpr std::size_t kTextLength = 36;

    std::array<std::uint8_t, 16> bytes_{};
};

constexpr std::optional<Clsid> Clsid::Parse(std::string_view text) {
    if (text.size() == kTextLength + 2 && text.front() == '{' && text.back() == '}')
        text = text.substr(1, kTextLength);
    if (text.size() != kTextLength) return std::nullopt;
    Clsid id;
    std::size_t digit = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsDash(i)) {
            if (text[i] != '-') return std::nullopt;
            continue;
        }
        int value = HexValue(text[i]);
        if (value < 0) return std::nullopt;
        auto& byte = id.bytes_[digit / 2];
        byte = static_cast<std::uint8_t>(byte << 4 | value);
        ++digit;
    }
    return id;
}

}  // namespace com
