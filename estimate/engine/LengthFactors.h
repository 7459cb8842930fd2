#pragma once

#include <string>

namespace zomel {

// What turns the catalogue's per-foot prices and inch measures into the sign's length unit.
struct LengthFactors {
    double PriceLengthFactor = 0;  // a per-foot price times this: the price per unit
    double InchLengthFactor = 0;   // inches times this: the length in the unit
};

// The factors of "ft", "in", "m" and "cm", compared exactly; any other unit has none (0).
LengthFactors LengthFactorsOf(const std::string& lengthUnit);

}  // namespace zomel
