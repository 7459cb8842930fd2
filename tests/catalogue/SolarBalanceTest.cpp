#include <gtest/gtest.h>

#include <cmath>

#include "catalogue/engine/SolarBalance.h"
#include "platform/vb/Error.h"

namespace {

using zomel::BalanceMonths;
using zomel::LitPixelsFor;
using zomel::SolarLoad;

constexpr int kMinneapolis = 2;
constexpr int kMiami = 1;

// The figures of `modules` modules: 96 pixels drawing 0.032 each at high density, 35 drawing
// 0.02 at standard density.
SolarLoad Modules(vb::Long modules, bool high) {
    SolarLoad load;
    load.ModuleCount = modules;
    load.PixelsPerModule = high ? 96 : 35;
    load.PixelLoad = high ? 0.032f : 0.02f;
    return load;
}

SolarLoad StandardDensity(vb::Long modules) {
    return Modules(modules, false);
}

TEST(SolarBalance, LitPixelsAreRoundedUpToATen) {
    EXPECT_EQ(LitPixelsFor(120, 35, 25), 1050);  // 4200 x 25 % exactly
    EXPECT_EQ(LitPixelsFor(120, 35, 37), 1560);  // 1554
    EXPECT_EQ(LitPixelsFor(1, 35, 25), 10);      // 8.75 truncated to 8, then up to 10
    EXPECT_EQ(LitPixelsFor(1, 96, 25), 30);      // 24
    EXPECT_EQ(LitPixelsFor(8, 35, 25), 70);      // a multiple of ten stays
    EXPECT_EQ(LitPixelsFor(0, 96, 37), 0);
}

TEST(SolarBalance, TheLargestGridTheCountsCanHoldDoesNotOverflow) {
    // 32767 x 32767 = 1073676289 modules, x 96 = 103072923744 lit at 100 %.
    EXPECT_EQ(LitPixelsFor(1073676289, 96, 100), 103072923750LL);
}

// One module, no panels, one battery (capacity 92): the month's rate is -draw x 80 / 92.
TEST(SolarBalance, TheDailyDrawOfAStandardModule) {
    // January: base 0.06 + 0.84 = 0.9; a lit pixel draws (18 - 9.01) x 0.001 + 0.02 x 9.01
    // = 0.18919, for 10 lit pixels 1.8919; draw 2.7919; rate -2.7919 x 80 / 92 = -2.42774.
    auto balance = BalanceMonths(StandardDensity(1), 25, kMinneapolis, 0, 1);
    EXPECT_EQ(balance.LitPixels, 10);
    EXPECT_NEAR(balance.MonthRate[0], -2.42774, 1e-4);
    // March: (18 - 11.64) x 0.001 + 0.02 x 11.64 = 0.23916; draw 3.2916; rate -2.86226.
    EXPECT_NEAR(balance.MonthRate[2], -2.86226, 1e-4);
    // 92 / 2.7919 = 33 days: a full bank lasts long enough.
    EXPECT_FALSE(balance.NotEnough);
}

TEST(SolarBalance, HighDensityPixelsDrawMore) {
    // 30 lit pixels; (18 - 9.01) x 0.001 + 0.032 x 9.01 = 0.29731 each; draw 0.9 + 8.9193
    // = 9.8193; rate -9.8193 x 80 / 92 = -8.53852; 92 / 9.8193 = 9.4 days.
    auto balance = BalanceMonths(Modules(1, true), 25, kMinneapolis, 0, 1);
    EXPECT_EQ(balance.LitPixels, 30);
    EXPECT_NEAR(balance.MonthRate[0], -8.53852, 1e-4);
    EXPECT_TRUE(balance.NotEnough);
}

TEST(SolarBalance, PanelsTurnALossIntoAGain) {
    // Miami in January: 19.6 per panel against a draw of 2.7919; two batteries hold 184.
    auto balance = BalanceMonths(StandardDensity(1), 25, kMiami, 1, 2);
    EXPECT_NEAR(balance.MonthRate[0], (19.6 - 2.7919) * 80 / 184, 1e-4);
    for (float rate : balance.MonthRate)
        EXPECT_GT(rate, 0);
    EXPECT_FALSE(balance.NotEnough);
}

// 20 x 6 standard modules at 25 %: 1050 lit pixels, base 0.06 x 120 + 0.84 = 8.04.  November
// in Minneapolis: a pixel draws (18 - 9.39) x 0.001 + 0.02 x 9.39 = 0.19641, the sign 214.27
// a day; 11 panels give 115.5, 22 batteries hold 2024: 2024 / 98.77 = 20.5 days, short of
// 21.4; 12 panels and 24 batteries: 2208 / 88.27 = 25.0 days.
TEST(SolarBalance, AMonthThatEmptiesTheBankTooSoonIsNotEnough) {
    auto load = StandardDensity(120);
    EXPECT_TRUE(BalanceMonths(load, 25, kMinneapolis, 11, 22).NotEnough);
    EXPECT_FALSE(BalanceMonths(load, 25, kMinneapolis, 12, 24).NotEnough);
    // The days needed decide: 25.0 days are short of 26.
    load.DaysNeeded = 26;
    EXPECT_TRUE(BalanceMonths(load, 25, kMinneapolis, 12, 24).NotEnough);
}

TEST(SolarBalance, MoreLitHoursDrawMore) {
    // 20 lit hours in January: (20 - 9.01) x 0.001 + 0.02 x 9.01 = 0.19119 a pixel, draw
    // 0.9 + 1.9119 = 2.8119, rate -2.8119 x 80 / 92 = -2.44513.
    auto load = StandardDensity(1);
    load.HoursOn = 20;
    EXPECT_NEAR(BalanceMonths(load, 25, kMinneapolis, 0, 1).MonthRate[0], -2.44513, 1e-4);
}

TEST(SolarBalance, ABankWithoutBatteriesIsReckonedAsOne) {
    auto none = BalanceMonths(StandardDensity(1), 25, kMinneapolis, 0, 0);
    auto one = BalanceMonths(StandardDensity(1), 25, kMinneapolis, 0, 1);
    EXPECT_TRUE(std::isfinite(none.MonthRate[0]));
    EXPECT_EQ(none.MonthRate, one.MonthRate);
}

TEST(SolarBalance, TheTablesRefuseAnUnknownCityOrMonth) {
    EXPECT_FLOAT_EQ(zomel::Insolation(3, 11), 4.8f);  // Seattle, December
    EXPECT_FLOAT_EQ(zomel::DaylightHours(5), 15.31f);
    EXPECT_EQ(zomel::DaysInMonth(1), 28);
    EXPECT_THROW(zomel::Insolation(4, 0), vb::VbError);
    EXPECT_THROW(zomel::Insolation(0, 12), vb::VbError);
    EXPECT_THROW(zomel::DaysInMonth(-1), vb::VbError);
}

}  // namespace
