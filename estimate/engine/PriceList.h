#pragma once

#include <functional>
#include <string>
#include <vector>

#include "estimate/engine/PriceRun.h"

// The price-list engine without its window: the catalogue's rows priced for a sign, line by
// line, then the totals line and the assembled sign.
namespace zomel {

class Sign;

using PriceRule = void (*)(PriceRun&);
// Reports an error raised while pricing (the current error), with the run's step and row.
using PriceErrorReport = std::function<void(const PriceRun&)>;

// The sign as the rules see it; `verticalBox` and `highDensity` are the main window's.
PricedSign PricedSignOf(const Sign& model, const LengthFactors& factors, bool verticalBox,
                        bool highDensity);

// The rule of a catalogue keyword; the fallback (skip) for a keyword no rule knows.
PriceRule RuleOf(const std::string& keyword);

// Every row of the base-part and option tables that applies to the sign, in catalogue order,
// then the totals line.  An error is reported and the estimate goes on with what follows.
// Checks the preset and high-load kit rows as the estimate needs them; a cable row it checks
// for this estimate only is unchecked again at the end.
std::vector<PriceLine> PriceCatalogue(PriceRun& run, const PriceErrorReport& report);

// What fitting and testing the sign adds to the price of its parts, in cents.
Cents AssemblyChargeOf(const PricedSign& sign);

// The sign's own parts (the lines before the installation kit) become one line of the
// assembled sign, its price their sum with the assembly charge, which the total also gains.
// `caption` is the model number as the main window shows it.  A catalogue without an
// installation kit row leaves the parts listed one by one, as for a sign bought in parts.
// True when the first line became the assembled sign.
bool AssembleSign(std::vector<PriceLine>& lines, const PriceRun& run, const std::string& caption,
                  const std::string& modelNumber);

}  // namespace zomel
