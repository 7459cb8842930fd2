#pragma once

#include "core/ModuleFigures.h"
#include "platform/vb/Types.h"

namespace zomel {

// One rule for modules and pixels, used both to count the modules a message needs and to check
// a message against a sign: a module takes its LEDs plus the gap that follows it.  So n modules
// hold n * (cell + gap) pixels, and p pixels need the fewest modules that hold them.

constexpr int ModulePitch(int cell, int gap) {
    return cell + gap;
}

constexpr int ModulesSpan(int modules, int cell, int gap) {
    return modules * ModulePitch(cell, gap);
}

// LEDs across and down one module, turned a quarter for vertical modules.
struct ModuleLeds {
    vb::Integer across;
    vb::Integer down;
};

constexpr ModuleLeds LedsPerModule(bool highDensity, bool vertical) {
    const ModuleLeds flat = highDensity ? ModuleLeds{kHighDensityLedsLong, kHighDensityLedsShort}
                                        : ModuleLeds{kStandardLedsLong, kStandardLedsShort};
    return vertical ? ModuleLeds{flat.down, flat.across} : flat;
}

// The pixel pitch, inches, that a sign's heights and spacing go by: a high-density module's
// depends on which way the module is turned.
constexpr double PixelPitchOf(bool highDensity, bool vertical) {
    if (!highDensity) return PixelPitch(kStandardLedPitch);
    return PixelPitch(vertical ? kVerticalHighDensityLedPitch : kHorizontalHighDensityLedPitch);
}

// Raises error 11 when the pitch is 0.
vb::Integer ModulesFor(int pixels, int cell, int gap);

inline bool FitsModules(int pixels, int modules, int cell, int gap) {
    return pixels <= ModulesSpan(modules, cell, gap);
}

}  // namespace zomel
