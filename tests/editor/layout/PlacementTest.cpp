#include <gtest/gtest.h>

#include "editor/LinePlacement.h"

namespace {

using namespace zomel;

TEST(LineX, RightAndCentreOnA240PixelSign) {
    EXPECT_EQ(LineX(AlignRight, 240, 100, true), 141);
    EXPECT_EQ(LineX(AlignRight, 240, 100, false), 140);
    EXPECT_EQ(LineX(AlignCentre, 240, 101, true), 70);
    EXPECT_EQ(LineX(AlignCentre, 240, 99, true), 71);
    EXPECT_EQ(LineX(AlignLeft, 240, 99, true), 0);
}

TEST(LineX, CentreRoundsHalvesToEvenBeforeHalving) {
    EXPECT_EQ(LineX(AlignCentre, 10, 4.5, false), 3);  // 5.5 rounds to 6
    EXPECT_EQ(LineX(AlignCentre, 10, 5.5, false), 2);  // 4.5 rounds to 4
}

TEST(LineX, TextWiderThanTheSignStartsAtZero) {
    EXPECT_EQ(LineX(AlignRight, 48, 60, true), 0);
    EXPECT_EQ(LineX(AlignCentre, 48, 60, false), 0);
}

TEST(PlacementOffset, FreeRowsUnderTheInk) {
    const ExtentInfo ink{1, 1, 7, 20};  // 7 rows from the top
    EXPECT_EQ(PlacementOffset(PlaceTop, 2, 8, ink), 0);
    EXPECT_EQ(PlacementOffset(PlaceBottom, 2, 8, ink), 9);
    EXPECT_EQ(PlacementOffset(PlaceMiddle, 2, 8, ink), 4);
    // Ink that starts lower is first moved up to the top row.
    EXPECT_EQ(PlacementOffset(PlaceBottom, 2, 8, {3, 1, 9, 20}), 9);
}

TEST(PlacementOffset, TallerInkGivesANegativeOffsetHalvedTowardZero) {
    EXPECT_EQ(PlacementOffset(PlaceBottom, 1, 8, {1, 1, 11, 20}), -3);
    EXPECT_EQ(PlacementOffset(PlaceMiddle, 1, 8, {1, 1, 11, 20}), -1);
}

}  // namespace
