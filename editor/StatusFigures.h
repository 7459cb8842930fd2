#pragma once

#include <array>
#include <string>

#include "platform/vb/Types.h"

namespace zomel {

// The sign's key figures as the status bar shows them.
struct SignFigures {
    vb::Integer XZomelCount = 0;
    vb::Integer YZomelCount = 0;
    double SignWidth = 0;
    double SignHeight = 0;
    std::string LengthUnit;
    double Weight = 0;  // the sign and its bus bars
    std::string WeightUnit;
    bool HighDensity = true;
};

// Texts of status panels 1 to 4 (size, dimensions, power, weight); one blank each when the
// sign has no columns.
std::array<std::string, 4> StatusTexts(const SignFigures& sign);

}  // namespace zomel
