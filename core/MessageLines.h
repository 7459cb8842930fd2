#pragma once

#include <array>

#include "core/FontTable.h"
#include "core/ModuleFigures.h"
#include "platform/vb/Types.h"

namespace zomel {

// The main window's message lines: txtZomelText(0) to txtZomelText(10).  Only lines 0 to 8 have
// a height bar (HSLine) and a height label.
inline constexpr vb::Integer kMessageLineCount = 11;
inline constexpr vb::Integer kLastMessageLine = kMessageLineCount - 1;
inline constexpr vb::Integer kLastSizedLine = 8;
// A line matrix shows one text line per module row.
inline constexpr vb::Integer kLastLineMatrixLine = kMostRows - 1;

// A line's height is the value of its height bar: an LED block font's index while the line is
// set in a block font, the font size (kInstalledFontSmallest to kInstalledFontLargest) while
// it is set in an installed font.
inline constexpr vb::Integer kStartLineHeight = kStartFont;
inline constexpr std::array<vb::Integer, kMessageLineCount> kStartLineHeights = [] {
    std::array<vb::Integer, kMessageLineCount> heights{};
    heights.fill(kStartLineHeight);
    return heights;
}();
inline constexpr vb::Integer kInstalledFontSmallest = 7;
inline constexpr vb::Integer kInstalledFontLargest = 60;
// The tallest block fonts a line matrix module row holds: 5x7 in a standard module, 5x8 in a
// flat high-density module (an upright high-density module holds every block font).
inline constexpr vb::Integer kTallestLineMatrixHeight = 10;
inline constexpr vb::Integer kTallestFlatHighDensityLineMatrixHeight = 12;

}  // namespace zomel
