#include "estimate/engine/LengthFactors.h"

namespace zomel {

LengthFactors LengthFactorsOf(const std::string& lengthUnit) {
    if (lengthUnit == "ft") return {1.0, 1.0 / 12.0};
    if (lengthUnit == "in") return {1.0 / 12.0, 1.0};
    if (lengthUnit == "m") return {100.0 / (12.0 * 2.54), 1.0 / 39.37};
    if (lengthUnit == "cm") return {1.0 / (12.0 * 2.54), 2.54};
    return {};
}

}  // namespace zomel
