#include "platform/gdi/SystemColors.h"

#include <array>

namespace gdi {
namespace {

// A light desktop scheme: grey faces, white windows, black text, blue selection.
constexpr std::array<Color, 25> kSystemColors = {
    Rgb(200, 200, 200),  // scroll bar
    Rgb(58, 110, 165),   // desktop
    Rgb(10, 36, 106),    // active caption
    Rgb(128, 128, 128),  // inactive caption
    Rgb(240, 240, 240),  // menu
    Rgb(255, 255, 255),  // window
    Rgb(0, 0, 0),        // window frame
    Rgb(0, 0, 0),        // menu text
    Rgb(0, 0, 0),        // window text
    Rgb(255, 255, 255),  // caption text
    Rgb(212, 208, 200),  // active border
    Rgb(212, 208, 200),  // inactive border
    Rgb(128, 128, 128),  // application workspace
    Rgb(10, 36, 106),    // highlight
    Rgb(255, 255, 255),  // highlight text
    Rgb(240, 240, 240),  // button face
    Rgb(160, 160, 160),  // button shadow
    Rgb(109, 109, 109),  // grey text
    Rgb(0, 0, 0),        // button text
    Rgb(212, 208, 200),  // inactive caption text
    Rgb(255, 255, 255),  // button highlight
    Rgb(64, 64, 64),     // 3-D dark shadow
    Rgb(227, 227, 227),  // 3-D light
    Rgb(0, 0, 0),        // tool tip text
    Rgb(255, 255, 225),  // tool tip background
};

}  // namespace

Color GetSysColor(int index) {
    if (index < 0 || index >= static_cast<int>(kSystemColors.size())) return kBlack;
    return kSystemColors[static_cast<std::size_t>(index)];
}

Color ResolveColor(Color color) {
    if ((color & 0x80000000u) == 0) return color & 0x00FFFFFFu;
    return GetSysColor(static_cast<int>(color & 0xFFFFu));
}

}  // namespace gdi
