#include <gtest/gtest.h>

#include "modelspec/engine/ModelNumber.h"

using namespace zomel;

TEST(ModelNumber, SplitsIntoUpperCaseFields) {
    const ModelFields f = SplitModelNumber("af0-2h2a4-0602v");
    EXPECT_EQ(f.ProdType, "A");
    EXPECT_EQ(f.SignType, "F");
    EXPECT_EQ(f.Approval, "0");
    EXPECT_EQ(f.DisplayType, "2");
    EXPECT_EQ(f.Density, "H");
    EXPECT_EQ(f.Angularity, "2");
    EXPECT_EQ(f.Color, "A");
    EXPECT_EQ(f.Leds, "4");
    EXPECT_EQ(f.Columns, "06");
    EXPECT_EQ(f.Rows, "02");
    EXPECT_EQ(f.Orient, "V");
}

TEST(ModelNumber, ShortAndLongTextsKeepTheirLastCharacterAsOrientation) {
    const ModelFields shortOne = SplitModelNumber("AF0-2H");
    EXPECT_EQ(shortOne.Angularity, "");
    EXPECT_EQ(shortOne.Columns, "");
    EXPECT_EQ(shortOne.Orient, "H");
    const ModelFields longOne = SplitModelNumber("AF0-2H2A4-0602VH");
    EXPECT_EQ(longOne.Rows, "02");
    EXPECT_EQ(longOne.Orient, "H");
    EXPECT_EQ(SplitModelNumber("").Orient, "");
}

TEST(ModelNumber, ComposesWithSeparatorsAndTwoDigitCounts) {
    ModelFields f = SplitModelNumber("CL3-1S1A8-2506H");
    EXPECT_EQ(ComposeModelNumber(f), "CL3-1S1A8-2506H");
    f.Columns = TwoDigits(7);
    f.Rows = TwoDigits(0);
    EXPECT_EQ(ComposeModelNumber(f), "CL3-1S1A8-0700H");
    EXPECT_EQ(TwoDigits(25), "25");
}
