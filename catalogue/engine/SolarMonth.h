#pragma once

#include <string>

#include "platform/vb/Types.h"

namespace zomel {

// One month of the battery report: how the level runs from `level` over `days` days at `rate`
// level points a day, with the batteries recharged to full whenever the level falls below
// `rechargePercent` (a shown percentage; level = shown - 20).
struct SolarMonth {
    std::string Caption;      // "Start at 100% end at 34% recharge 3x at 25% on 8, 16, 24"
    vb::Single EndLevel = 0;  // the level the next month starts at, at most full
};

SolarMonth ReportMonth(vb::Single level, vb::Integer days, vb::Single rate,
                       vb::Integer rechargePercent);

}  // namespace zomel
