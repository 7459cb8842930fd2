#pragma once

#include <string>

#include "platform/vb/Types.h"

namespace zomel {

// The text format of one message line.
struct LineFormat {
    vb::Integer PixelFont = vb::True;  // an LED block font: FontSize is the height in LEDs
    vb::Integer Align = 2;             // 0 left, 1 right, 2 centre
    vb::Integer Bold = vb::False;
    vb::Integer Italic = vb::False;
    std::string FontName;
    vb::Integer FontSize = 7;
    vb::Integer FontRows = 7;
    vb::Integer Underline = vb::False;
};

// The bounding box of the inked pixels of the message raster: 1-based pixel positions, all 0
// when there is no ink.
struct ExtentInfo {
    vb::Integer StartingRow = 0;
    vb::Integer StartingCol = 0;
    vb::Integer EndingRow = 0;
    vb::Integer EndingCol = 0;
};

}  // namespace zomel
