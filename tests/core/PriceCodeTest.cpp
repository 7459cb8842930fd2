#include "core/PriceCode.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace zomel::pricecode;

namespace {

std::string Octal(long value) {
    char text[24];
    std::snprintf(text, sizeof text, "%lo", value);
    return text;
}

}  // namespace

TEST(PriceCode, DecodesBaseEightWholeDollarsAndKeepsTheCentsAsStored) {
    const auto price = DecodePrice("17.50", 9);
    ASSERT_TRUE(price.ok);
    EXPECT_EQ(price.text, "$15.50");
    EXPECT_EQ(*price.amount, zomel::Cents(1550));

    EXPECT_EQ(DecodePrice(".75", 1).text, "$0.75");
    EXPECT_EQ(DecodePrice("12.5", 1).text, "$10.5");
    EXPECT_EQ(DecodePrice("17.", 1).text, "$15.");
    EXPECT_EQ(DecodePrice("17.505", 1).text, "$15.50");  // a third decimal is dropped
    EXPECT_EQ(DecodePrice("19.00", 1).text, "$17.00");   // 8 and 9 pass at their value
}

TEST(PriceCode, OnlyAmountsAboveTheThresholdAreLiftedByTheRow) {
    EXPECT_EQ(DecodePrice(Octal(kThreshold) + ".00", 40).text, "$52000.00");
    const long row = 40;
    const auto lifted = DecodePrice(Octal(kThreshold + 1 + row * kRowFactor + 725) + ".10", row);
    ASSERT_TRUE(lifted.ok);
    EXPECT_EQ(lifted.text, "$726.10");
    EXPECT_EQ(*lifted.amount, zomel::Cents(72610));
}

TEST(PriceCode, FailuresNameTheirStepAndKeepWhatWasReadBefore) {
    const auto noPoint = DecodePrice("1750", 1);
    EXPECT_FALSE(noPoint.ok);
    EXPECT_EQ(noPoint.step, kStepBeforeDigits);
    EXPECT_FALSE(noPoint.amount);
    EXPECT_TRUE(noPoint.text.empty());

    const auto letter = DecodePrice("1A.25", 1);
    EXPECT_FALSE(letter.ok);
    EXPECT_EQ(letter.step, kStepDigits);
    EXPECT_EQ(*letter.amount, zomel::Cents(25));  // the cents were read before the digits failed

    EXPECT_EQ(DecodePrice("-17.00", 1).step, kStepDigits);
    EXPECT_EQ(DecodePrice(" 17.00", 1).step, kStepDigits);
    EXPECT_EQ(DecodePrice("17.5x", 1).step, kStepBeforeDigits);
}

TEST(PriceCode, NegativeOrOverflowingAmountsAreErrorsNotPrices) {
    // Just above the threshold, the lift of a later row would make the amount negative.
    const auto negative = DecodePrice(Octal(kThreshold + 1) + ".00", 1);
    EXPECT_FALSE(negative.ok);
    EXPECT_EQ(negative.step, kStepDigits);

    EXPECT_FALSE(DecodePrice("77777777777.00", 1).ok);  // 2^33 - 1
    EXPECT_FALSE(DecodePrice("777777777777777777777777.00", 1).ok);
    EXPECT_TRUE(DecodePrice("17777777777.00", 32767).ok);  // 2^31 - 1 still fits
}

TEST(PriceCode, EncodingIsTheInverseOfDecoding) {
    for (std::int32_t row : {1, 2, 37, 200, 32767}) {
        for (std::int64_t cents :
             {0LL, 5LL, 1550LL, 5200000LL, 5200001LL, 5200100LL, 5680000LL, 99999999LL}) {
            const auto coded = EncodePrice(cents, row);
            const auto price = DecodePrice(coded, row);
            ASSERT_TRUE(price.ok) << coded;
            EXPECT_EQ(*price.amount, zomel::Cents(cents)) << coded;
        }
    }
    EXPECT_EQ(EncodePrice(1550, 3), "17.50");
    EXPECT_EQ(EncodePrice(5200000, 3), EncodePrice(5200000, 90));  // no lift at the threshold
    EXPECT_NE(EncodePrice(5200100, 3), EncodePrice(5200100, 90));
}

TEST(PriceCode, EncodingRefusesWhatCannotBeStored) {
    EXPECT_THROW(EncodePrice(-1, 1), std::out_of_range);
    EXPECT_THROW(EncodePrice(300000000000LL, 1), std::out_of_range);
    EXPECT_THROW(EncodePrice(5200100, -1), std::out_of_range);
}
