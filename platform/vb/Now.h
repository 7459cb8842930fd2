#pragma once

#include <string>

namespace vb {

// The system's general date form, as the language writes Now: "mm/dd/yyyy hh:mm:ss AM".
inline constexpr const char* kGeneralDate = "%m/%d/%Y %I:%M:%S %p";

// The current local date and time written in a strftime `format`, with the same names in
// every locale; "" when the clock or the time zone cannot give it.  Safe to call from any
// thread.
std::string NowText(const char* format = kGeneralDate);

}  // namespace vb
