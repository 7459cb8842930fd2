#include <gtest/gtest.h>

#include "editor/MessageSpan.h"

namespace {

using Lines = std::array<std::string, 4>;
using zomel::SpreadMessage;

TEST(MessageSpanTest, SpeedLimitOverOneToFourLines) {
    EXPECT_EQ(SpreadMessage("Speed Limit 45 MPH", 1), (Lines{"Speed Limit 45 MPH", "", "", ""}));
    EXPECT_EQ(SpreadMessage("Speed Limit 45 MPH", 2), (Lines{"Speed Limit", "45 MPH", "", ""}));
    EXPECT_EQ(SpreadMessage("Speed Limit 45 MPH", 3), (Lines{"Speed", "Limit", "45 MPH", ""}));
    EXPECT_EQ(SpreadMessage("Speed Limit 45 MPH", 4), (Lines{"Speed", "Limit", "45", "MPH"}));
}

TEST(MessageSpanTest, ThreeWordsOnTwoLinesKeepTheShorterPairTogether) {
    // 4 + 6 < 6 + 5: the first two words share line 0.
    EXPECT_EQ(SpreadMessage("Road Closed Ahead", 2), (Lines{"Road Closed", "Ahead", "", ""}));
    // 5 + 4 is not below 4 + 3: the last two share line 1.
    EXPECT_EQ(SpreadMessage("Merge Left Now", 2), (Lines{"Merge", "Left Now", "", ""}));
    EXPECT_EQ(SpreadMessage("Merge Left", 2), (Lines{"Merge", "Left", "", ""}));
    EXPECT_EQ(SpreadMessage("SLOW", 2), (Lines{"SLOW", "", "", ""}));
}

TEST(MessageSpanTest, WordsBeyondTheLinesAreKeptOnTheLastLine) {
    EXPECT_EQ(SpreadMessage("a b c d e f", 4), (Lines{"a", "b", "c", "d e f"}));
    EXPECT_EQ(SpreadMessage("a b c d e", 4), (Lines{"a", "b", "c", "d e"}));
    EXPECT_EQ(SpreadMessage("a b c d e f g", 3), (Lines{"a", "b c", "d e f g", ""}));
    EXPECT_EQ(SpreadMessage("a b c d", 3), (Lines{"a", "b", "c d", ""}));
    EXPECT_EQ(SpreadMessage("one two three four five six", 2),
              (Lines{"one two", "three four five six", "", ""}));
}

TEST(MessageSpanTest, DoubleBlanksAndTrailingBlanksNeverLoseTheMessage) {
    // Split into four words with an empty fourth: still spread at the second blank.
    EXPECT_EQ(SpreadMessage("Lane Closed Ahead ", 2), (Lines{"Lane Closed", "Ahead", "", ""}));
    EXPECT_EQ(SpreadMessage("A  B C", 2), (Lines{"A", "B C", "", ""}));
    EXPECT_EQ(SpreadMessage("  SLOW  ", 1), (Lines{"SLOW", "", "", ""}));
    EXPECT_EQ(SpreadMessage("Stop", 4), (Lines{"Stop", "", "", ""}));
}

}  // namespace
