#include <algorithm>

#include "estimate/engine/PriceList.h"

namespace zomel {

namespace {

// Per module, per twelve modules; segmented layouts take half an hour more.
constexpr Cents kHour{8000};
constexpr double kBaseHours = 1.5;
constexpr double kSegmentedHours = 0.5;

}  // namespace

Cents AssemblyChargeOf(const PricedSign& sign) {
    double hours = static_cast<double>(sign.Modules()) / 12.0 + kBaseHours;
    if (Segmented(sign.Layout)) hours += kSegmentedHours;
    return Cents::Round(hours * static_cast<double>(kHour.Count()));
}

bool AssembleSign(std::vector<PriceLine>& lines, const PriceRun& run, const std::string& caption,
                  const std::string& modelNumber) {
    const vb::Long firstKept = run.KitRow ? run.KitRow : run.KitRowSeen;
    // Lines are grid rows from row 1; the last is the totals line.
    if (firstKept == 0 || lines.size() < 2) return false;
    const Cents charge = AssemblyChargeOf(run.Sign);
    const Cents assembled = run.KitSubtotal + charge;
    PriceLine& sign = lines.front();
    sign.Cells = {caption + ": ", assembled.Dollars(), "1", assembled.Dollars(), modelNumber};
    sign.CataloguePartNo = modelNumber;
    const auto last = static_cast<vb::Long>(lines.size());
    const vb::Long keepFrom = std::clamp<vb::Long>(firstKept, 2, last);
    lines.erase(lines.begin() + 1, lines.begin() + (keepFrom - 1));
    lines.back().Cells[PriceLine::kSubTotal] = (run.EstimateTotal + charge).Dollars();
    return true;
}

}  // namespace zomel
