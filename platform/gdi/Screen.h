#pragma once

namespace gdi {

// The screen the program believes it runs on: 96 dots per inch, 32 bits per pixel.
inline constexpr int ScreenDpi = 96;
inline constexpr int TwipsPerPixelX = 15;
inline constexpr int TwipsPerPixelY = 15;
inline constexpr int ScreenBitsPerPixel = 32;
// Pictures report their size in HIMETRIC (hundredths of a millimetre).
inline constexpr int HimetricPerInch = 2540;

inline constexpr double PixelsToTwipsX(double pixels) {
    return pixels * TwipsPerPixelX;
}
inline constexpr double PixelsToTwipsY(double pixels) {
    return pixels * TwipsPerPixelY;
}
inline constexpr double TwipsToPixelsX(double twips) {
    return twips / TwipsPerPixelX;
}
inline constexpr double TwipsToPixelsY(double twips) {
    return twips / TwipsPerPixelY;
}

// Pixels to HIMETRIC, rounded to the nearest unit.
inline constexpr long PixelsToHimetric(long pixels) {
    return (pixels * HimetricPerInch + ScreenDpi / 2) / ScreenDpi;
}

}  // namespace gdi
