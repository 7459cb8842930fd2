#pragma once

#include "platform/gdi/Screen.h"

// The window frame the runtime assumes around a window's inner area.
namespace forms {

inline constexpr float kWindowBorderTwips = 4 * gdi::TwipsPerPixelX;
inline constexpr float kCaptionBarTwips = 23 * gdi::TwipsPerPixelY;

}  // namespace forms
