#include "core/PriceCode.h"

#include <cinttypes>
#include <cstdio>
#include <limits>
#include <stdexcept>

namespace zomel::pricecode {

namespace {

constexpr std::int64_t kLongMax = std::numeric_limits<std::int32_t>::max();

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The point and up to two digits: ".5" is half a dollar, "." nothing.
std::optional<std::int64_t> CentsValue(std::string_view cents) {
    std::int64_t value = 0;
    std::int64_t scale = 100;
    for (char c : cents.substr(1)) {
        if (!IsDigit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
        scale /= 10;
    }
    return value * scale;
}

std::int64_t Lift(std::int32_t row) {
    return kThreshold + std::int64_t{row} * kRowFactor;
}

}  // namespace

DecodedPrice DecodePrice(std::string_view coded, std::int32_t row) {
    DecodedPrice result;
    const auto point = coded.find('.');
    result.fault = Fault::NoPoint;
    if (point == std::string_view::npos) return result;
    const std::string_view cents = coded.substr(point, 3);
    const auto centsValue = CentsValue(cents);
    result.fault = Fault::BadCents;
    if (!centsValue) return result;
    result.amount = Cents(*centsValue);

    result.step = kStepDigits;
    std::int64_t whole = 0;
    for (char c : coded.substr(0, point)) {
        result.fault = Fault::BadDigit;
        if (!IsDigit(c)) return result;
        whole = whole * 8 + (c - '0');
        result.fault = Fault::Overflow;
        if (whole > kLongMax) return result;
    }
    if (whole > kThreshold) whole -= Lift(row);
    result.fault = Fault::Negative;
    if (whole < 0) return result;

    result.ok = true;
    result.fault = Fault::None;
    result.text = "$" + std::to_string(whole) + std::string(cents);
    result.amount = Cents(whole * 100 + *centsValue);
    return result;
}

std::string EncodePrice(std::int64_t cents, std::int32_t row) {
    if (cents < 0) throw std::out_of_range("a price cannot be negative");
    if (row < 0) throw std::out_of_range("a line number cannot be negative");
    std::int64_t whole = cents / 100;
    if (whole > kThreshold) whole += Lift(row);
    if (whole > kLongMax) throw std::out_of_range("price too large to store");
    char text[32];
    std::snprintf(text, sizeof text, "%" PRIo64 ".%02" PRId64, static_cast<std::uint64_t>(whole),
                  cents % 100);
    return text;
}

}  // namespace zomel::pricecode
