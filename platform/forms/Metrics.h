#pragma once

#include "platform/gdi/Screen.h"

// The window frame the runtime assumes around a window's inner area.
namespace forms {

inline constexpr float kWindowBorderTwips = 4 * gdi::kTwipsPerPixelX;
inline constexpr float kCaptionBarTwips = 23 * gdi::kTwipsPerPixelY;

// What lies around a window's inner area, in twips: the frame the desktop draws and the
// window's own bars (menu bar, toolbars) above or below the inner area.
struct NonClient {
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;
    bool operator==(const NonClient&) const = default;
};

// Until the screen says otherwise: borders all round and a caption bar on top.
inline constexpr NonClient kAssumedFrame{kWindowBorderTwips, kWindowBorderTwips + kCaptionBarTwips,
                                         kWindowBorderTwips, kWindowBorderTwips};

}  // namespace forms
