#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/Cents.h"

// How the catalogue stores its prices: the whole dollars in base-8 digits, then the point and
// the cents.  Amounts above the threshold are lifted by the threshold and a multiple of the
// row's line number, so that a price cannot be read off the file.  The program decodes; the
// catalogue coder encodes; both go through here.
namespace zomel::pricecode {

inline constexpr std::int32_t kThreshold = 52000;
inline constexpr std::int32_t kRowFactor = 131;

// The steps a decoding failure is reported with: before the digits, and inside them.
inline constexpr int kStepBeforeDigits = 0;
inline constexpr int kStepDigits = 12;

// Why a text could not be decoded.
enum class Fault { None, NoPoint, BadCents, BadDigit, Overflow, Negative };

struct DecodedPrice {
    bool ok = false;
    Fault fault = Fault::None;
    int step = kStepBeforeDigits;  // where a failure arose
    std::string text;              // "$", whole dollars, the point and the cents as stored
    std::optional<Cents> amount;   // whole dollars and cents; only the cents when the
                                   // failure came after they were read
};

// Decodes the stored price text of the catalogue line `row` (1 for the first line).  Fails
// without a point, with a non-digit in the whole part or the cents, when the digits overflow
// 32 bits, and when the lifted amount would come out negative.
DecodedPrice DecodePrice(std::string_view coded, std::int32_t row);

// The stored text of an amount in cents on line `row`: the inverse of DecodePrice, always with
// two cents digits.  Throws std::out_of_range for a negative amount or one too large to store.
std::string EncodePrice(std::int64_t cents, std::int32_t row);

}  // namespace zomel::pricecode
