#pragma once

#include <cstdint>

namespace gdi {

// 0x00BBGGRR.  A value with the high bit set names a system colour (0x80000000 | index).
using Color = std::uint32_t;

// GetPixel's answer for a point outside the surface; -1 as a signed 32-bit value.
inline constexpr std::int32_t kInvalidPixel = -1;

inline constexpr Color Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return Color{red} | (Color{green} << 8) | (Color{blue} << 16);
}
inline constexpr std::uint8_t Red(Color color) {
    return color & 0xFF;
}
inline constexpr std::uint8_t Green(Color color) {
    return (color >> 8) & 0xFF;
}
inline constexpr std::uint8_t Blue(Color color) {
    return (color >> 16) & 0xFF;
}

inline constexpr Color kWhite = Rgb(255, 255, 255);
inline constexpr Color kBlack = Rgb(0, 0, 0);

}  // namespace gdi
