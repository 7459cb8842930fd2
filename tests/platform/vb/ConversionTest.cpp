#include <gtest/gtest.h>

#include "tests/support/ErrorNumber.h"

#include "platform/vb/Conversion.h"

using namespace vb;

TEST(Conversion, CIntRoundsHalvesToEven) {
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(-3.5), -4);
    EXPECT_EQ(CInt(2.51), 3);
    EXPECT_EQ(CInt(Variant("  7.5 ")), 8);
    EXPECT_EQ(CLng(100000.5), 100000);
    EXPECT_EQ(CLng(100001.5), 100002);
}

TEST(Conversion, OverflowAndMismatchRaise) {
    EXPECT_EQ(CInt(32767.4), 32767);
    EXPECT_EQ(ErrorNumber([] { CInt(32767.5); }), err::kOverflow);
    EXPECT_EQ(ErrorNumber([] { CInt(-32768.6); }), err::kOverflow);
    EXPECT_EQ(ErrorNumber([] { CInt(40000); }), err::kOverflow);
    EXPECT_EQ(ErrorNumber([] { CLng(3e9); }), err::kOverflow);
    EXPECT_EQ(ErrorNumber([] { CInt(Variant("12abc")); }), err::kTypeMismatch);
    EXPECT_EQ(ErrorNumber([] { CDbl(Variant("")); }), err::kTypeMismatch);
}

// The C library reads infinity and not-a-number from text; the language reads no such
// number, so a typed "inf" cannot become an endless size or price.
TEST(Conversion, InfinityAndNotANumberAreNoNumbers) {
    for (const char* text : {"inf", "-inf", "+INF", "Infinity", "nan", " NaN ", "nan(1)", "-"}) {
        double out = 0;
        EXPECT_FALSE(ParseNumber(text, out)) << text;
        EXPECT_FALSE(Variant(text).IsNumeric()) << text;
        EXPECT_EQ(ErrorNumber([&] { CDbl(Variant(text)); }), err::kTypeMismatch) << text;
        EXPECT_EQ(ErrorNumber([&] { CSng(Variant(text)); }), err::kTypeMismatch) << text;
        EXPECT_EQ(Val(text), 0) << text;
    }
    double out = 0;
    EXPECT_TRUE(ParseNumber("-.5", out));
    EXPECT_EQ(out, -0.5);
    EXPECT_TRUE(ParseNumber("+12", out));
    EXPECT_EQ(out, 12);
}

TEST(Conversion, ValReadsTheLeadingNumber) {
    EXPECT_EQ(Val("12.5 in"), 12.5);
    EXPECT_EQ(Val("  1 2 3"), 123);
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("-4e2x"), -400);
    EXPECT_EQ(Val("1.5.6"), 1.5);
    EXPECT_EQ(Val("&HFF"), 255);
    EXPECT_EQ(Val("&HFFFF"), -1);
    EXPECT_EQ(Val("3e"), 3);
}

TEST(Conversion, CStrOfSingleKeepsSevenDigits) {
    EXPECT_EQ(CStr(1.5f), "1.5");
    EXPECT_EQ(CStr(0.1f), "0.1");
    EXPECT_EQ(CStr(1234.5678f), "1234.568");
    EXPECT_EQ(CStr(10000000.0f), "1E+07");
    EXPECT_EQ(CStr(0.0001f), "0.0001");
    EXPECT_EQ(CStr(0.00001f), "1E-05");
    EXPECT_EQ(CStr(-0.0f), "0");
    EXPECT_EQ(CStr(0.1), "0.1");
    EXPECT_EQ(CStr(1e15), "1E+15");
    EXPECT_EQ(CStr(123456789012345.0), "123456789012345");
}

TEST(Conversion, RoundIsBankers) {
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_DOUBLE_EQ(Round(1.2345, 2), 1.23);
    EXPECT_DOUBLE_EQ(Round(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(Round(0.375, 2), 0.38);
    EXPECT_EQ(ErrorNumber([] { Round(1.0, -1); }), err::kInvalidCall);
}
