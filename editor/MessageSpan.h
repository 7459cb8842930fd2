#pragma once

#include <array>
#include <string>

#include "platform/vb/Types.h"

namespace zomel {

// A stock message spread over `span` lines (1 to 4): the texts of lines 0 to 3.  Words are
// split at every single blank; the last line used takes every word left over.
std::array<std::string, 4> SpreadMessage(const std::string& message, vb::Integer span);

}  // namespace zomel
