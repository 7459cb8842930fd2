#include "catalogue/engine/SolarMonth.h"

#include <cmath>

#include "catalogue/engine/SolarBalance.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Format.h"

namespace zomel {
namespace {

constexpr vb::Single kShownOffset = 20;  // a level is shown as a percentage 20 points higher
constexpr vb::Single kFullPercent = 100;

vb::Single Single(double value) {
    return static_cast<vb::Single>(value);
}

// A level as the user reads it: a whole percentage, halves away from zero.
std::string Shown(vb::Single level) {
    return vb::Format(Single(double{level} + kShownOffset), "0");
}

// Days to a level change, as a whole day count (halves to even).
vb::Long WholeDays(double levels, vb::Single rate) {
    return vb::CLng(std::fabs(Single(levels / rate)));
}

// The recharges of a month that ends at `level` below `threshold` without them: the first on
// `firstDay`, then one every `interval` days while the level stays below.
std::string Recharges(vb::Single& level, vb::Single startLevel, vb::Single rate,
                      vb::Integer rechargePercent) {
    const vb::Integer threshold = rechargePercent - static_cast<vb::Integer>(kShownOffset);
    const double lift = kFullPercent - rechargePercent;  // from the threshold to full
    vb::Long firstDay = WholeDays(double{startLevel} - threshold, rate);
    if (firstDay == 0) firstDay = 1;
    const std::string percent = vb::CStr(vb::Long{rechargePercent});
    level = Single(level + lift);
    if (!(level < threshold)) return " recharge at " + percent + "% on " + vb::CStr(firstDay);
    const vb::Long interval = WholeDays(lift, rate);
    std::string days;
    vb::Long count = 1;
    while (level < threshold) {
        const vb::Single lifted = Single(level + lift);
        // A level so low that a recharge no longer moves it cannot be listed day by day.
        if (lifted == level) break;
        days += ", " + vb::CStr(interval * count + firstDay);
        level = lifted;
        ++count;
    }
    return " recharge " + vb::CStr(count) + "x at " + percent + "% on " + vb::CStr(firstDay) + days;
}

}  // namespace

SolarMonth ReportMonth(vb::Single level, vb::Integer days, vb::Single rate,
                       vb::Integer rechargePercent) {
    const vb::Integer threshold = rechargePercent - static_cast<vb::Integer>(kShownOffset);
    SolarMonth month;
    vb::Single end = Single(double{static_cast<vb::Single>(days)} * rate + level);
    std::string recharges;
    // The level cannot fall below the threshold in a month that does not lose charge.
    if (end < threshold && rate < 0) recharges = Recharges(end, level, rate, rechargePercent);
    if (end > kFullLevel) end = kFullLevel;
    month.Caption = "Start at " + Shown(level) + "% end at " + Shown(end) + "%" + recharges;
    month.EndLevel = end;
    return month;
}

}  // namespace zomel
