#pragma once

#include "platform/vb/Types.h"

namespace zomel {

// The catalogue keeps the preset option in its first two rows: generation 1's row, then its
// generation-2 twin.
constexpr vb::Integer kPresetFirstRow = 1;
constexpr vb::Integer kPresetTwinRow = 2;

// The twin of the preset row met at `row`: the row right after it.
constexpr vb::Integer PresetTwinOf(vb::Integer row) {
    return static_cast<vb::Integer>(row + 1);
}

// The preset option comes in one row per module generation: the row in force is the sign's
// generation's.
constexpr vb::Integer PresetRowOf(bool zomel2, vb::Integer firstRow, vb::Integer nextRow) {
    return zomel2 ? nextRow : firstRow;
}

// The same for the preset part row met at `row`.
constexpr vb::Integer PresetRowFrom(bool zomel2, vb::Integer row) {
    return PresetRowOf(zomel2, row, PresetTwinOf(row));
}

// One of the two rows that keep the preset option.
constexpr bool IsPresetRow(vb::Integer row) {
    return row == kPresetFirstRow || row == kPresetTwinRow;
}

// The preset row of the generation the sign does not have.
constexpr bool IsOtherGenerationPresetRow(vb::Integer row, bool zomel2) {
    return row == PresetRowOf(!zomel2, kPresetFirstRow, kPresetTwinRow);
}

// The preset option's own rows as the catalogue found them: the first row and the twin the
// loader named (`nextRow`); the preset package's other rows are its kit items.
constexpr bool IsPresetOptionRow(vb::Integer row, vb::Integer nextRow) {
    return row == kPresetFirstRow || row == nextRow;
}

}  // namespace zomel
