#include "catalogue/engine/SolarBalance.h"

#include <algorithm>

#include "platform/vb/Error.h"

namespace zomel {
namespace {

// By month (January first), then Kansas City, Miami, Minneapolis, Seattle.
constexpr vb::Single kInsolation[kSolarMonths][kSampleCities] = {
    {14.5f, 19.6f, 13.6f, 6.2f},  {17.4f, 21.3f, 17.6f, 8.7f},  {19.5f, 23.7f, 20.9f, 13.5f},
    {22.6f, 25.0f, 21.6f, 18.5f}, {24.7f, 24.7f, 24.0f, 22.3f}, {27.0f, 22.5f, 26.4f, 24.2f},
    {27.4f, 23.3f, 26.4f, 25.7f}, {24.4f, 22.8f, 23.9f, 23.5f}, {22.1f, 20.2f, 20.7f, 19.2f},
    {20.5f, 20.9f, 16.1f, 11.8f}, {14.1f, 20.0f, 10.5f, 7.3f},  {12.6f, 19.1f, 9.8f, 4.8f},
};

constexpr vb::Single kDaylightHours[kSolarMonths] = {9.01f,  10.22f, 11.64f, 13.18f, 14.56f, 15.31f,
                                                     15.02f, 13.81f, 12.31f, 10.77f, 9.39f,  8.67f};

constexpr vb::Integer kDaysInMonth[kSolarMonths] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Draw of a lit pixel in each lit hour outside daylight.
constexpr double kNightPixelLoad = 0.001;
// Charge one battery holds, in the units of the daily draw.
constexpr double kBatteryCapacity = 92.0;

vb::Single Single(double value) {
    return static_cast<vb::Single>(value);
}

int Checked(int index, int count) {
    if (index < 0 || index >= count) vb::Raise(vb::err::kSubscriptOutOfRange);
    return index;
}

}  // namespace

vb::Single Insolation(int city, int month) {
    return kInsolation[Checked(month, kSolarMonths)][Checked(city, kSampleCities)];
}

vb::Single DaylightHours(int month) {
    return kDaylightHours[Checked(month, kSolarMonths)];
}

vb::Integer DaysInMonth(int month) {
    return kDaysInMonth[Checked(month, kSolarMonths)];
}

std::int64_t LitPixelsFor(vb::Long moduleCount, vb::Long pixelsPerModule, vb::Long percent) {
    const std::int64_t lit = std::int64_t{moduleCount} * pixelsPerModule * percent / 100;
    return (lit + 9) / 10 * 10;
}

SolarBalance BalanceMonths(const SolarLoad& load, vb::Long percent, int city, vb::Long panels,
                           vb::Long batteries) {
    SolarBalance balance;
    balance.LitPixels = LitPixelsFor(load.ModuleCount, load.PixelsPerModule, percent);
    const double base = Single(double{load.ModuleLoad} * load.ModuleCount + load.FixedLoad);
    // A bank has at least one battery, so the capacity is never 0.
    const double capacity = Single(std::max<vb::Long>(batteries, 1) * kBatteryCapacity);
    for (int m = 0; m < kSolarMonths; ++m) {
        const double daylight = DaylightHours(m);
        const double pixelDay =
            Single((load.HoursOn - daylight) * kNightPixelLoad + load.PixelLoad * daylight);
        const double draw =
            Single(base + Single(pixelDay * static_cast<double>(balance.LitPixels)));
        const double net = Single(Single(double{Insolation(city, m)} * panels) - draw);
        balance.MonthRate[m] = Single(net * kFullLevel / capacity);
        if (net < 0 && Single(capacity / net * -1.0) < load.DaysNeeded) balance.NotEnough = true;
    }
    return balance;
}

}  // namespace zomel
