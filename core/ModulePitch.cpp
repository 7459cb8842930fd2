#include "core/ModulePitch.h"

#include <cmath>

#include "platform/vb/Error.h"

namespace zomel {

vb::Integer ModulesFor(int pixels, int cell, int gap) {
    const int pitch = ModulePitch(cell, gap);
    if (pitch == 0) vb::Raise(vb::err::kDivisionByZero);
    // Ceiling as the negated floor of the negated quotient, as the counts have always been taken.
    return static_cast<vb::Integer>(-std::floor(-static_cast<double>(pixels) / pitch));
}

}  // namespace zomel
