#pragma once

#include <array>
#include <cstdint>

#include "platform/vb/Types.h"

// The energy balance of a solar-powered sign, month by month: what the panels deliver per day
// against what the sign draws per day, and how fast that moves the battery level.  Figures
// are single precision where the sizing keeps them so; each step rounds to single where the
// sizing does, so that a report reads the same on every machine.
namespace zomel {

inline constexpr int kSolarMonths = 12;
inline constexpr int kSampleCities = 4;

// The battery level of a full bank; a level is shown to the user plus 20 as a percentage.
inline constexpr vb::Single kFullLevel = 80;

// Daily charge one panel delivers in `month` (0 January) at sample city `city` (0 Kansas
// City, 1 Miami, 2 Minneapolis, 3 Seattle).
vb::Single Insolation(int city, int month);
// Hours of daylight in `month`, the same for every sample city.
vb::Single DaylightHours(int month);
// Days in `month`; February always has 28.
vb::Integer DaysInMonth(int month);

// What the balance reads of the sign and the sizing's figures.
struct SolarLoad {
    vb::Long ModuleCount = 0;
    vb::Long PixelsPerModule = 35;
    vb::Single PixelLoad = 0.02f;   // draw of one lit pixel per daylight hour
    vb::Single ModuleLoad = 0.06f;  // daily draw per module
    vb::Single FixedLoad = 0.84f;   // fixed daily draw of the sign
    vb::Single HoursOn = 18.0f;     // hours a day the sign is lit
    vb::Single DaysNeeded = 21.4f;  // days a full bank must last in a month with a deficit
};

struct SolarBalance {
    std::int64_t LitPixels = 0;
    // Some month drains a full bank in fewer than DaysNeeded days.
    bool NotEnough = false;
    // Change of the battery level per day, by month (positive: gain).
    std::array<vb::Single, kSolarMonths> MonthRate{};
};

// Lit pixels at `percent` of the sign's pixels, rounded up to a multiple of 10.  Worked in 64
// bits: no sign the model can hold overflows it.
std::int64_t LitPixelsFor(vb::Long moduleCount, vb::Long pixelsPerModule, vb::Long percent);

// The twelve months for `panels` panels and `batteries` (at least 1) batteries at `city`.
SolarBalance BalanceMonths(const SolarLoad& load, vb::Long percent, int city, vb::Long panels,
                           vb::Long batteries);

}  // namespace zomel
