#pragma once

#include <string>
#include <string_view>

namespace vb {

// The language's Format for numbers, locale-free ("." decimal point, "," thousands):
// digit placeholders "0" and "#", a decimal point, thousands grouping by a "," among the
// placeholders, a trailing "%" (value times 100), literal text around the number (such as
// "$" or " in"), text in double quotes or after "\" taken literally, and up to two ";"
// sections for negative values (and zero).  Named formats: "Fixed", "Standard", "Currency"
// ("$#,##0.00"), "Percent", "General Number".  Rounding is half away from zero, as Format does.
std::string Format(double value, std::string_view pattern);

}  // namespace vb
