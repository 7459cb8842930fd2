#pragma once

#include <span>
#include <string>

#include "editor/LineFormat.h"
#include "platform/vb/Types.h"

namespace zomel {

// The text frame of a character-segmented sign: one row per line, each row exactly `columns`
// characters (one module per character), the line set in it by its alignment, and a closing
// "|".  A line longer than the row shows its first `columns` characters, whatever its
// alignment; an unknown alignment leaves its row blank.
std::string CharacterFrameText(std::span<const std::string> lines,
                               std::span<const LineFormat> formats, int columns);

// The columns of the frame: the longest line, at most the sign's columns and the 25 a row
// has ever held.
int CharacterFrameColumns(int longestLine, int signColumns);

}  // namespace zomel
