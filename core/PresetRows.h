#pragma once

#include "platform/vb/Types.h"

namespace zomel {

// The preset option comes in one row per module generation, generation 2's right after
// generation 1's: the row in force is the sign's generation's.
constexpr vb::Integer PresetRowOf(bool zomel2, vb::Integer firstRow, vb::Integer nextRow) {
    return zomel2 ? nextRow : firstRow;
}

// The same for the preset part row met at `row`: its generation-2 twin is the row after it.
constexpr vb::Integer PresetRowFrom(bool zomel2, vb::Integer row) {
    return PresetRowOf(zomel2, row, static_cast<vb::Integer>(row + 1));
}

}  // namespace zomel
