#include <gtest/gtest.h>

#include "editor/LinePlacement.h"

namespace {

using namespace zomel;

TEST(LineX, RightAndCentreOnA240PixelSign) {
    EXPECT_EQ(LineX(kAlignRight, 240, 100, true), 141);
    EXPECT_EQ(LineX(kAlignRight, 240, 100, false), 140);
    EXPECT_EQ(LineX(kAlignCentre, 240, 101, true), 70);
    EXPECT_EQ(LineX(kAlignCentre, 240, 99, true), 71);
    EXPECT_EQ(LineX(kAlignLeft, 240, 99, true), 0);
}

TEST(LineX, CentreRoundsHalvesToEvenBeforeHalving) {
    EXPECT_EQ(LineX(kAlignCentre, 10, 4.5, false), 3);  // 5.5 rounds to 6
    EXPECT_EQ(LineX(kAlignCentre, 10, 5.5, false), 2);  // 4.5 rounds to 4
}

TEST(LineX, TextWiderThanTheSignStartsAtZero) {
    EXPECT_EQ(LineX(kAlignRight, 48, 60, true), 0);
    EXPECT_EQ(LineX(kAlignCentre, 48, 60, false), 0);
}

TEST(PlacementOffset, FreeRowsUnderTheInk) {
    const ExtentInfo ink{1, 1, 7, 20};  // 7 rows from the top
    EXPECT_EQ(PlacementOffset(kPlaceTop, 2, 8, ink), 0);
    EXPECT_EQ(PlacementOffset(kPlaceBottom, 2, 8, ink), 9);
    EXPECT_EQ(PlacementOffset(kPlaceMiddle, 2, 8, ink), 4);
    // Ink that starts lower is first moved up to the top row.
    EXPECT_EQ(PlacementOffset(kPlaceBottom, 2, 8, {3, 1, 9, 20}), 9);
}

TEST(PlacementOffset, TallerInkGivesANegativeOffsetHalvedTowardZero) {
    EXPECT_EQ(PlacementOffset(kPlaceBottom, 1, 8, {1, 1, 11, 20}), -3);
    EXPECT_EQ(PlacementOffset(kPlaceMiddle, 1, 8, {1, 1, 11, 20}), -1);
}

}  // namespace
