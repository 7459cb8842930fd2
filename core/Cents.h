#pragma once

#include <compare>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace zomel {

// An amount of money in whole cents, so that sums and products by a count are exact.  Only a
// price worked out from a length or a time is rounded, once, where it becomes money.
class Cents {
public:
    constexpr Cents() = default;
    constexpr explicit Cents(std::int64_t cents) : cents_(cents) {}

    // The cents of a price text: an optional "$", whole dollars, then the point and up to two
    // cents digits.  Error 13 when the text is not one.
    static Cents Parse(std::string_view price);
    // The nearest whole cent to an amount in cents, halves away from zero; error 6 beyond any
    // amount an estimate holds.
    static Cents Round(double cents);

    // `length` of a part priced at this amount per unit of length, `lengthFactor` of those units
    // to one unit of `length`.
    Cents TimesLength(double length, double lengthFactor) const;

    constexpr std::int64_t Count() const { return cents_; }
    // "$" and the amount with two decimals and no thousands separator: "$102418.00".
    std::string Dollars() const;
    constexpr double ToDollars() const { return static_cast<double>(cents_) / 100.0; }

    constexpr Cents& operator+=(Cents other) {
        cents_ += other.cents_;
        return *this;
    }
    friend constexpr Cents operator+(Cents a, Cents b) { return a += b; }
    friend constexpr Cents operator*(std::int64_t count, Cents amount) {
        return Cents(count * amount.cents_);
    }
    friend constexpr Cents operator*(Cents amount, std::int64_t count) { return count * amount; }
    friend constexpr auto operator<=>(Cents, Cents) = default;

private:
    std::int64_t cents_ = 0;
};

// For messages of tests and traces: the amount as Dollars gives it.
std::ostream& operator<<(std::ostream& out, Cents amount);

// A price per unit of length, and sums of lengths priced at such prices: not whole cents until
// they become money.  The pieces of an assembly priced by length add up here and are rounded
// once, as one.
class LengthPrice {
public:
    constexpr LengthPrice() = default;
    // The price of one unit of length of a part priced at `perUnit` per catalogue unit,
    // `lengthFactor` catalogue units to the unit of length.
    constexpr LengthPrice(Cents perUnit, double lengthFactor)
        : cents_(static_cast<double>(perUnit.Count()) * lengthFactor) {}

    // This price per unit of length taken per unit of area.
    constexpr LengthPrice PerArea(double lengthFactor) const {
        return LengthPrice(cents_ * lengthFactor);
    }
    // The price of `length` at this price per unit, not yet rounded.
    constexpr LengthPrice Of(double length) const { return LengthPrice(length * cents_); }
    // The price of `length` at this price per unit, rounded to the cent.
    Cents Times(double length) const { return Cents::Round(length * cents_); }

    constexpr LengthPrice& operator+=(LengthPrice other) {
        cents_ += other.cents_;
        return *this;
    }
    constexpr LengthPrice& operator+=(Cents fixed) {
        cents_ += static_cast<double>(fixed.Count());
        return *this;
    }
    friend constexpr LengthPrice operator*(std::int64_t count, LengthPrice price) {
        return LengthPrice(static_cast<double>(count) * price.cents_);
    }
    // The sum shared out over `shares`, rounded to the cent; error 11 for no shares.
    Cents Share(std::int64_t shares) const;

private:
    constexpr explicit LengthPrice(double cents) : cents_(cents) {}

    double cents_ = 0;
};

}  // namespace zomel
