#pragma once

#include <string>

#include "core/Table.h"
#include "platform/vb/Types.h"

namespace zomel {

// One sign layout that the line and character analyzer proposes for a character size: the LED
// block font that draws it and the modules it goes on.
struct LayoutCandidate {
    vb::Integer HighDensity = vb::False;
    vb::Integer Vertical = vb::False;
    vb::Integer Inches = vb::False;  // the sizes were entered in inches, else in centimetres
    vb::Integer FontIndex = 0;       // FontTable index 6 to 19
    vb::Integer FontCols = 0;
    vb::Integer FontRows = 0;   // 0 marks an empty entry
    vb::Single CharHeight = 0;  // inches
    vb::Single CharWidth = 0;   // inches
    std::string ListText;       // the candidate list line that shows it
};

// Entries 1 and 2 are used; entry 0 is not.
inline constexpr vb::Integer kMaxLayoutCandidates = 2;
extern Table<LayoutCandidate, 0, kMaxLayoutCandidates>& LayoutCandidates;

}  // namespace zomel
