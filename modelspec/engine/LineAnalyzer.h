#pragma once

#include <string>
#include <vector>

#include "platform/vb/Types.h"

namespace zomel {

// What the main window's line-and-character page holds, as the analyzer reads it.
struct LineRequest {
    std::string Lines;       // text of the lines box
    std::string Chars;       // text of the characters-per-line box
    std::string HeightItem;  // chosen entries of the height, width and gap lists
    std::string WidthItem;
    std::string GapItem;
    std::string Unit;  // the sign's character-size unit
};

struct LineAnalysis {
    bool Valid = true;
    std::string Message;                 // the first failure
    std::vector<std::string> ListLines;  // one per proposal, in the order of LayoutCandidates
};

// Checks the request, settles the LED block font, orientation and density for the character
// size, and writes one or two proposals into LayoutCandidates.  `charGap` takes the gap the
// request asks for, also when it is refused.  Conversion failures end the analysis with the
// message of the step being done; any other error goes to the caller.
LineAnalysis AnalyzeLines(const LineRequest& request, vb::Integer& charGap);

}  // namespace zomel
