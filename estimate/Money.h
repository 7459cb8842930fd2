#pragma once

#include <cstdint>
#include <string>

// Money of the estimate, in whole cents, so that sums and products are exact.
namespace zomel {

using Cents = std::int64_t;

// The cents of a catalogue price text ("$", whole dollars, the point and the cents); error 13
// when the text is not one.
Cents CentsOfPrice(const std::string& price);
// The nearest whole cent, halves away from zero, as the price texts round.
Cents RoundCents(double cents);
// "$" and the amount with two decimals and no thousands separator: "$102418.00".
std::string Dollars(Cents amount);
// The amount in dollars, for those who read it as a number.
inline double ToDollars(Cents amount) {
    return static_cast<double>(amount) / 100.0;
}

}  // namespace zomel
