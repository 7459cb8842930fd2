#include <gtest/gtest.h>

#include "editor/SizeLimits.h"

namespace {

using zomel::CheckColumns;
using zomel::CheckRows;
using zomel::ExtentInfo;
using zomel::SizeLimits;

SizeLimits Sign(int x, int y, bool high = true) {
    SizeLimits limits;
    limits.XZomelCount = static_cast<vb::Integer>(x);
    limits.YZomelCount = static_cast<vb::Integer>(y);
    limits.HighDensity = high;
    return limits;
}

const ExtentInfo kInk{1, 1, 30, 200};

TEST(CheckRows, AreaRulesTakeARowAway) {
    EXPECT_EQ(CheckRows(4, kInk, Sign(20, 4), false).Count, 3);  // 80 modules
    EXPECT_EQ(CheckRows(4, kInk, Sign(15, 4), false).Count, 4);  // 60, high density
    EXPECT_EQ(CheckRows(4, kInk, Sign(16, 4), false).Count, 3);  // 64, high density
    EXPECT_EQ(CheckRows(4, kInk, Sign(16, 4, false), false).Count, 4);
}

TEST(CheckRows, AreaRuleMarksInkBeyondTheRemainingRows) {
    // 20 x 4 of 8-LED rows: 3 rows hold 24 ink rows.
    EXPECT_FALSE(CheckRows(4, {1, 1, 24, 10}, Sign(20, 4), false).BeyondMax);
    EXPECT_TRUE(CheckRows(4, {1, 1, 25, 10}, Sign(20, 4), false).BeyondMax);
    // Ink rows are counted from the first inked row.
    EXPECT_FALSE(CheckRows(4, {3, 1, 26, 10}, Sign(20, 4), false).BeyondMax);
}

TEST(CheckRows, MoreThanSixRowsLosesOne) {
    // Beyond is measured against all 8 rows of 8 LEDs here, not the 7 that remain.
    const auto verdict = CheckRows(5, {1, 1, 65, 10}, Sign(2, 8), false);
    EXPECT_EQ(verdict.Count, 7);
    EXPECT_TRUE(verdict.BeyondMax);
    EXPECT_FALSE(CheckRows(5, {1, 1, 64, 10}, Sign(2, 8), false).BeyondMax);
}

TEST(CheckRows, ProposedCountAboveTheMostRowsIsCut) {
    const auto verdict = CheckRows(7, kInk, Sign(2, 7), false);
    EXPECT_EQ(verdict.Count, 6);
    EXPECT_FALSE(verdict.Held);
    EXPECT_EQ(verdict.Message,
              "Your message is taller than ZOMELBuilder can display!\n"
              "Please contact VELDO for pricing information.");
    EXPECT_FALSE(verdict.BeyondMax);  // 30 ink rows fit 6 rows of 8
}

TEST(CheckRows, HeldRowsKeepTheCountAndAskForTheMessage) {
    auto limits = Sign(3, 2);
    limits.HoldSize = true;
    const auto fits = CheckRows(2, {1, 1, 16, 10}, limits, false);
    EXPECT_FALSE(fits.Held);
    EXPECT_EQ(fits.Count, 2);
    const auto verdict = CheckRows(2, {1, 1, 17, 10}, limits, true);
    EXPECT_TRUE(verdict.Held);
    EXPECT_EQ(verdict.Count, 2);
    EXPECT_EQ(verdict.Message.substr(0, 46), "Your message is taller than the current sign!\n");
    EXPECT_EQ(verdict.Trace,
              "Checksize error cause ExtentInfo.EndingRow: 17 is > than yZomelCount * "
              "ClipHeight: 16 Hold is true");
}

TEST(CheckColumns, HeldColumnsOnePixelBeyond) {
    auto limits = Sign(4, 2);
    limits.HoldSize = true;
    EXPECT_FALSE(CheckColumns(4, {1, 1, 8, 48}, limits, false).Held);
    const auto verdict = CheckColumns(4, {1, 1, 8, 49}, limits, true);
    EXPECT_TRUE(verdict.Held);
    EXPECT_EQ(verdict.Count, 4);
    EXPECT_EQ(verdict.Message,
              "Your message is wider than the current sign!\n"
              "If you want to make your sign bigger, click on the Hold Size button on the "
              "toolbar.  This will remove the hold and might allow the sign to become bigger.\n"
              "Else please delete the last character (on widest line) to fit the sign width you "
              "are holding.");
    EXPECT_EQ(verdict.Trace,
              "Checksize error cause ExtentInfo.EndingCol: 49 is > than xZomelCount * "
              "ClipWidth: 48 Hold = True");
}

TEST(CheckColumns, HeldSignWithGapsAcceptsTextItsCountWouldGive) {
    // Character layout: 5-LED cells with a 1-pixel gap; 4 modules hold 24 pixels.
    auto limits = Sign(4, 1);
    limits.HoldSize = true;
    limits.CellWidth = 5;
    limits.CellHeight = 7;
    limits.GapX = 1;
    limits.GapY = 1;
    EXPECT_FALSE(CheckColumns(4, {1, 1, 8, 24}, limits, false).Held);
    EXPECT_TRUE(CheckColumns(4, {1, 1, 8, 25}, limits, false).Held);
    EXPECT_FALSE(CheckRows(1, {1, 1, 8, 24}, limits, false).Held);
    EXPECT_TRUE(CheckRows(1, {1, 1, 9, 24}, limits, false).Held);
}

TEST(CheckColumns, AboveTheMostColumns) {
    const auto verdict = CheckColumns(22, {1, 1, 8, 250}, Sign(22, 1), true);
    EXPECT_EQ(verdict.Count, 20);
    EXPECT_FALSE(verdict.Held);
    EXPECT_TRUE(verdict.BeyondMax);  // 250 > 20 * 12
    EXPECT_EQ(verdict.Message,
              "Your message is wider than ZOMELBuilder can display!\n"
              "Please contact VELDO for pricing information.");
    EXPECT_EQ(verdict.Trace, "Checksize error cause try: 22 is > than columns: 20");
    EXPECT_FALSE(CheckColumns(22, {1, 1, 8, 240}, Sign(22, 1), false).BeyondMax);
}

TEST(CheckColumns, StoredCountAboveTheMostColumns) {
    // Beyond is measured against the 21 stored columns (252 pixels).
    const auto verdict = CheckColumns(5, {1, 1, 8, 253}, Sign(21, 1), true);
    EXPECT_EQ(verdict.Count, 20);
    EXPECT_TRUE(verdict.BeyondMax);
    EXPECT_TRUE(verdict.Message.empty());
    EXPECT_TRUE(verdict.Trace.empty());
    EXPECT_FALSE(CheckColumns(5, {1, 1, 8, 252}, Sign(21, 1), false).BeyondMax);
}

TEST(CheckColumns, OtherwiseTheProposalStands) {
    const auto verdict = CheckColumns(3, {1, 1, 8, 30}, Sign(3, 1), true);
    EXPECT_EQ(verdict.Count, 3);
    EXPECT_FALSE(verdict.Held);
    EXPECT_FALSE(verdict.BeyondMax);
    EXPECT_TRUE(verdict.Message.empty());
    EXPECT_TRUE(verdict.Trace.empty());
}

}  // namespace
