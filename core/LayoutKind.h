#pragma once

#include "platform/vb/Types.h"

namespace zomel {

// How the modules are laid out and how characters fall on them: the sign's SegmentType.  The
// numbers are those stored in model numbers, the parts map and the sign's own writes.
enum class LayoutKind : vb::Integer {
    FullMatrix = 0,          // one grid of LEDs across every module
    LineMatrix = 1,          // a line of characters per module row, rows apart
    CharacterSegmented = 2,  // a character per module, upright, modules apart
};

// The layout a stored number names; any other number is a full matrix, as the sign takes it.
constexpr LayoutKind LayoutKindOf(vb::Integer number) {
    switch (number) {
        case static_cast<vb::Integer>(LayoutKind::LineMatrix):
            return LayoutKind::LineMatrix;
        case static_cast<vb::Integer>(LayoutKind::CharacterSegmented):
            return LayoutKind::CharacterSegmented;
        default:
            return LayoutKind::FullMatrix;
    }
}

// The number a layout is stored as.
constexpr vb::Integer StoredNumberOf(LayoutKind kind) {
    return static_cast<vb::Integer>(kind);
}

// Line matrix and character segmented: the module rows stand apart.
constexpr bool Segmented(LayoutKind kind) {
    return kind != LayoutKind::FullMatrix;
}

}  // namespace zomel
