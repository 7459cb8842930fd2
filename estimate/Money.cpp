#include "estimate/Money.h"

#include <cmath>

#include "platform/vb/Error.h"

namespace zomel {

namespace {

// Products of a price and a length come out a hair off their exact value; a half cent must
// still round away from zero.
constexpr double kHalfCentTolerance = 1e-7;

}  // namespace

Cents CentsOfPrice(const std::string& price) {
    const size_t start = !price.empty() && price.front() == '$' ? 1 : 0;
    const size_t point = price.find('.', start);
    const size_t wholeEnd = point == std::string::npos ? price.size() : point;
    if (wholeEnd == start || wholeEnd - start > 12) vb::Raise(vb::err::kTypeMismatch);
    Cents whole = 0;
    for (size_t i = start; i < wholeEnd; ++i) {
        if (price[i] < '0' || price[i] > '9') vb::Raise(vb::err::kTypeMismatch);
        whole = whole * 10 + (price[i] - '0');
    }
    Cents cents = 0;
    int digits = 0;
    for (size_t i = wholeEnd + 1; point != std::string::npos && i < price.size(); ++i) {
        if (price[i] < '0' || price[i] > '9' || ++digits > 2) vb::Raise(vb::err::kTypeMismatch);
        cents = cents * 10 + (price[i] - '0');
    }
    if (digits == 1) cents *= 10;
    return whole * 100 + cents;
}

Cents RoundCents(double cents) {
    if (!std::isfinite(cents) || std::fabs(cents) > 9e15) vb::Raise(vb::err::kOverflow);
    const double nudged = cents + (cents >= 0 ? kHalfCentTolerance : -kHalfCentTolerance);
    return static_cast<Cents>(std::round(nudged));
}

std::string Dollars(Cents amount) {
    const bool negative = amount < 0;
    const Cents magnitude = negative ? -amount : amount;
    std::string cents = std::to_string(magnitude % 100);
    if (cents.size() < 2) cents.insert(0, "0");
    return std::string("$") + (negative ? "-" : "") + std::to_string(magnitude / 100) + "." + cents;
}

}  // namespace zomel
