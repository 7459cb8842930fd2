#include "core/Cents.h"

#include <cmath>
#include <ostream>

#include "platform/vb/Error.h"

namespace zomel {

namespace {

// Products of a price and a length come out a hair off their exact value; a half cent must
// still round away from zero.
constexpr double kHalfCentTolerance = 1e-7;
constexpr size_t kMostDollarDigits = 12;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

Cents Cents::Parse(std::string_view price) {
    if (!price.empty() && price.front() == '$') price.remove_prefix(1);
    const size_t point = price.find('.');
    const std::string_view whole = price.substr(0, point);
    const std::string_view cents =
        point == std::string_view::npos ? std::string_view() : price.substr(point + 1);
    if (whole.empty() || whole.size() > kMostDollarDigits || cents.size() > 2)
        vb::Raise(vb::err::kTypeMismatch);
    std::int64_t amount = 0;
    for (const char c : whole) {
        if (!IsDigit(c)) vb::Raise(vb::err::kTypeMismatch);
        amount = amount * 10 + (c - '0');
    }
    std::int64_t fraction = 0;
    for (const char c : cents) {
        if (!IsDigit(c)) vb::Raise(vb::err::kTypeMismatch);
        fraction = fraction * 10 + (c - '0');
    }
    if (cents.size() == 1) fraction *= 10;
    return Cents(amount * 100 + fraction);
}

Cents Cents::Round(double cents) {
    if (!std::isfinite(cents) || std::fabs(cents) > 9e15) vb::Raise(vb::err::kOverflow);
    const double nudged = cents + (cents >= 0 ? kHalfCentTolerance : -kHalfCentTolerance);
    return Cents(static_cast<std::int64_t>(std::round(nudged)));
}

Cents Cents::TimesLength(double length, double lengthFactor) const {
    return LengthPrice(*this, lengthFactor).Times(length);
}

std::string Cents::Dollars() const {
    const bool negative = cents_ < 0;
    const std::int64_t magnitude = negative ? -cents_ : cents_;
    std::string cents = std::to_string(magnitude % 100);
    if (cents.size() < 2) cents.insert(0, "0");
    return std::string("$") + (negative ? "-" : "") + std::to_string(magnitude / 100) + "." + cents;
}

std::ostream& operator<<(std::ostream& out, Cents amount) {
    return out << amount.Dollars();
}

Cents LengthPrice::Share(std::int64_t shares) const {
    if (shares == 0) vb::Raise(vb::err::kDivisionByZero);
    return Cents::Round(cents_ / static_cast<double>(shares));
}

}  // namespace zomel
