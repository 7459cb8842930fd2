#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/vb/Types.h"

// The thirty character sizes of the system and the one relation of allowed (height, width)
// pairs over them.  Size k (1 to 30, ascending) has its list text in the string table as
// 30000 + k in inches and 40000 + k in centimetres ("08.60 inches", "21.84 centemeters").
namespace zomel {

inline constexpr vb::Integer kCharSizeCount = 30;
inline constexpr vb::Long kInchSizeBase = 30000;
inline constexpr vb::Long kCentimetreSizeBase = 40000;

// The string-table base of a character-size unit's texts: 0 for a unit without texts ("pix").
vb::Long SizeTextBase(const std::string& unit);

// The size a list entry stands for: its first five characters read as a number.
vb::Single SizeOfEntry(std::string_view text);

// The index (1 to 30) of the size whose text under `base` reads `size` exactly; 0 for none.
vb::Integer SizeIndex(vb::Single size, vb::Long base);

// The sizes offered in the height list (24) and in the width list (18), ascending.
std::vector<vb::Integer> HeightSizes();
std::vector<vb::Integer> WidthSizes();

bool SizePairAllowed(vb::Integer height, vb::Integer width);
// The partners of a size, ascending; empty for an index without pairs or out of range.
std::vector<vb::Integer> WidthsForHeight(vb::Integer height);
std::vector<vb::Integer> HeightsForWidth(vb::Integer width);

// What an allowed pair means for the LED block fonts: characters of Cols by Rows LEDs, on
// high-density modules (vertical or horizontal) or standard-density ones (either way).
struct SizePairFont {
    vb::Integer Cols = 0;
    vb::Integer Rows = 0;
    bool HighDensity = false;
    bool Vertical = false;  // for high density: the one orientation that draws it
};
SizePairFont FontOfSizePair(vb::Integer height, vb::Integer width);

}  // namespace zomel
