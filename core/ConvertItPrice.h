#pragma once

#include <string>

#include "platform/vb/Types.h"

namespace zomel {

// Decodes the stored price text of catalogue line `row` into the tables' price text ("$",
// whole dollars, the point and the cents) and leaves the amount in gPriceLoad.PriceValue.  A text
// that cannot be decoded is reported and gives "".
std::string ConvertItPrice(const std::string& priceText, vb::Integer row);

}  // namespace zomel
