#pragma once

#include <concepts>
#include <string>
#include <string_view>

#include "platform/vb/Error.h"
#include "platform/vb/Variant.h"

// The language's conversion functions, locale-free: "." is always the decimal point.
namespace vb {

// The leading number of a text, 0 when there is none.  Blanks, tabs and line feeds inside
// the number are passed over ("1 2" is 12); "&H" and "&O" prefixes read hexadecimal and octal.
double Val(std::string_view text);

// Rounds half to even ("banker's rounding"): CInt(2.5) is 2, CInt(3.5) is 4.
// Out of range raises error 6 (Overflow).
Integer CInt(double value);
Integer CInt(const Variant& value);
template <std::integral T>
Integer CInt(T value) {
    if (value < -32768 || value > 32767) Raise(err::kOverflow);
    return static_cast<Integer>(value);
}

Long CLng(double value);
Long CLng(const Variant& value);
template <std::integral T>
Long CLng(T value) {
    if (value < -2147483648LL || value > 2147483647LL) Raise(err::kOverflow);
    return static_cast<Long>(value);
}

Single CSng(const Variant& value);
double CDbl(const Variant& value);
bool CBool(const Variant& value);

// Text of a number as the language writes it: a Single with at most 7 significant digits,
// a Double with at most 15, no trailing zeros, "E+15" notation for large and small values.
std::string CStr(Single value);
std::string CStr(double value);
std::string CStr(Long value);
std::string CStr(const Variant& value);

// Rounds half to even at `digits` decimals.
double Round(double value, int digits = 0);

// Parses the whole text (leading and trailing blanks allowed) as a number; false when it is not.
bool ParseNumber(std::string_view text, double& out);

}  // namespace vb
