#pragma once

#include <cstdint>

#include "platform/gdi/Color.h"

namespace gdi {

// Indexes of the system colours the program's windows use.
enum class SystemColor : int {
    ScrollBar = 0,
    Desktop = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBackground = 24,
};

inline constexpr Color SystemColorRef(SystemColor index) {
    return 0x80000000u | static_cast<Color>(index);
}

// The same reference as a colour property holds it: a signed 32-bit value.
inline constexpr std::int32_t SystemColorValue(SystemColor index) {
    return static_cast<std::int32_t>(SystemColorRef(index));
}

// The RGB value of system colour `index`; black for an index the table lacks.
Color GetSysColor(int index);

// A plain colour as it is; a system colour (high bit set) through the table.
Color ResolveColor(Color color);

}  // namespace gdi
