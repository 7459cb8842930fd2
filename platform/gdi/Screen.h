#pragma once

namespace gdi {

// The screen the program believes it runs on: 96 dots per inch, 32 bits per pixel.
inline constexpr int kScreenDpi = 96;
inline constexpr int kTwipsPerPixelX = 15;
inline constexpr int kTwipsPerPixelY = 15;
inline constexpr int kScreenBitsPerPixel = 32;
// Pictures report their size in HIMETRIC (hundredths of a millimetre).
inline constexpr int kHimetricPerInch = 2540;

inline constexpr double PixelsToTwipsX(double pixels) {
    return pixels * kTwipsPerPixelX;
}
inline constexpr double PixelsToTwipsY(double pixels) {
    return pixels * kTwipsPerPixelY;
}
inline constexpr double TwipsToPixelsX(double twips) {
    return twips / kTwipsPerPixelX;
}
inline constexpr double TwipsToPixelsY(double twips) {
    return twips / kTwipsPerPixelY;
}

// Pixels to HIMETRIC, rounded to the nearest unit.
inline constexpr long PixelsToHimetric(long pixels) {
    return (pixels * kHimetricPerInch + kScreenDpi / 2) / kScreenDpi;
}

}  // namespace gdi
