#include <gtest/gtest.h>

#include "catalogue/engine/SolarMonth.h"

namespace {

using zomel::ReportMonth;

// The level is shown plus 20 as a percentage; the recharge level 25 % is level 5, and a
// recharge lifts the level by 100 - 25 = 75 points.

TEST(SolarMonth, AMonthWithoutRecharge) {
    // 80 + 30 x -0.4333 = 67.0: shown 87 %.
    auto month = ReportMonth(80, 30, -0.4333f, 25);
    EXPECT_EQ(month.Caption, "Start at 100% end at 87%");
    EXPECT_NEAR(month.EndLevel, 67.0, 1e-3);
}

TEST(SolarMonth, OneRechargeNamesItsDay) {
    // 32 - 90 = -58, below 5: the level reaches 5 after (32 - 5) / 3 = 9 days; the recharge
    // lifts -58 to 17, shown 37 %.
    auto month = ReportMonth(32, 30, -3, 25);
    EXPECT_EQ(month.Caption, "Start at 52% end at 37% recharge at 25% on 9");
    EXPECT_NEAR(month.EndLevel, 17.0, 1e-4);
}

TEST(SolarMonth, SeveralRechargesNameTheFirstDayAndEveryNext) {
    // 80 - 31 x 9.375 = -210.625; first at 75 / 9.375 = day 8, then every 8 days; three
    // lifts of 75 end at 14.375, shown 34 %.
    auto month = ReportMonth(80, 31, -9.375f, 25);
    EXPECT_EQ(month.Caption, "Start at 100% end at 34% recharge 3x at 25% on 8, 16, 24");
    EXPECT_NEAR(month.EndLevel, 14.375, 1e-4);
}

TEST(SolarMonth, AGainBeyondFullEndsFull) {
    // 70 + 30 x 2 = 130, held at 80: shown 100 %.
    auto month = ReportMonth(70, 30, 2, 25);
    EXPECT_EQ(month.Caption, "Start at 90% end at 100%");
    EXPECT_EQ(month.EndLevel, 80);
}

TEST(SolarMonth, RechargeDaysRoundHalvesToEvenAndDayZeroIsDayOne) {
    // (6 - 5) / 2 = 0.5 rounds to 0, named day 1; -54 + 75 = 21, shown 41 %.
    EXPECT_EQ(ReportMonth(6, 30, -2, 25).Caption, "Start at 26% end at 41% recharge at 25% on 1");
    // (10 - 5) / 2 = 2.5 rounds to 2; -50 + 75 = 25, shown 45 %.
    EXPECT_EQ(ReportMonth(10, 30, -2, 25).Caption, "Start at 30% end at 45% recharge at 25% on 2");
}

TEST(SolarMonth, AnotherRechargeLevelMovesTheThresholdAndTheLift) {
    // At 40 %: threshold 20, lift 60.  80 - 155 = -75; first at 60 / 5 = day 12; -15 is still
    // below, so every 12 days: day 24 lifts it to 45, shown 65 %.
    EXPECT_EQ(ReportMonth(80, 31, -5, 40).Caption,
              "Start at 100% end at 65% recharge 2x at 40% on 12, 24");
}

TEST(SolarMonth, AMonthThatNeitherGainsNorLosesIsNeverRecharged) {
    // Below the threshold with no loss there is no day on which the level reaches it.
    auto month = ReportMonth(3, 30, 0, 25);
    EXPECT_EQ(month.Caption, "Start at 23% end at 23%");
    EXPECT_EQ(month.EndLevel, 3);
}

TEST(SolarMonth, ARechargeThatCannotMoveTheLevelEndsTheList) {
    // At -1e12 a lift of 75 is lost in single precision: the list stops instead of running on.
    auto month = ReportMonth(80, 31, -4e10f, 25);
    EXPECT_LT(month.Caption.size(), 200u);
    EXPECT_NE(month.Caption.find(" recharge 1x at 25% on 1"), std::string::npos);
}

}  // namespace
