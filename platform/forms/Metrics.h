#pragma once

// Screen metrics the runtime assumes: 96 dots per inch, so 15 twips per pixel.
namespace forms {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr float kWindowBorderTwips = 4 * kTwipsPerPixel;
inline constexpr float kCaptionBarTwips = 23 * kTwipsPerPixel;

inline constexpr int TwipsToPixels(double twips) {
    return static_cast<int>(twips / kTwipsPerPixel + (twips >= 0 ? 0.5 : -0.5));
}
inline constexpr float PixelsToTwips(int pixels) {
    return static_cast<float>(pixels * kTwipsPerPixel);
}

}  // namespace forms
