#include "core/PriceLoad.h"

namespace zomel {

PriceLoadValues gPriceLoad;

}  // namespace zomel
