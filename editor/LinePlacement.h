#pragma once

#include "editor/LineFormat.h"
#include "platform/vb/Types.h"

namespace zomel {

// Alignments of a message line and vertical placements of the message.
inline constexpr vb::Integer kAlignLeft = 0;
inline constexpr vb::Integer kAlignRight = 1;
inline constexpr vb::Integer kAlignCentre = 2;
inline constexpr vb::Integer kPlaceTop = 0;
inline constexpr vb::Integer kPlaceMiddle = 1;
inline constexpr vb::Integer kPlaceBottom = 2;

// The x at which a line of text width `textWidth` starts on a sign `signWidth` pixels wide.
// LED block fonts carry a blank column right of every character, which right and centre
// alignment give back (one pixel more).  Never below 0.
int LineX(vb::Integer align, int signWidth, double textWidth, bool pixelFont);

// The rows the message is moved down by, for its ink box on a sign of `rows` modules of
// `cellHeight` LEDs: the free rows under the ink (bottom), half of them (middle), 0 (top).
int PlacementOffset(vb::Integer placement, int rows, int cellHeight, const ExtentInfo& extent);

}  // namespace zomel
