#include <string>

#include "tests/core/sign/SignFixture.h"

using zomel::Sign;

namespace {

// Generation 2, a grid of 3 columns by 2 rows, in inches.
void SmallGeneration2(Sign& sign) {
    sign.SetZomel2(vb::True);
    sign.SetXZomelCount(3);
    sign.SetYZomelCount(2);
    sign.SetLengthUnit("in");
}

}  // namespace

TEST_F(SignTest, FreshSignHasNoLengthsYetButWeighsItsModules) {
    EXPECT_EQ(sign.SignWidth(), 0);
    EXPECT_EQ(sign.SignHeight(), 0);
    EXPECT_EQ(sign.RailLength(), 0);
    // 20 x 6 modules x 4.4 lbs, nothing fixed yet.
    EXPECT_NEAR(sign.SignWeight(), 528.0, kTolerance);
    EXPECT_EQ(sign.ModelNumber(), "AF0-2H2A4-0602V");
    EXPECT_EQ(sign.MaxRows(), 6);
    EXPECT_EQ(sign.HighDensity(), vb::True);
}

TEST_F(SignTest, DefaultSignInInches) {
    sign.SetLengthUnit("in");
    EXPECT_NEAR(sign.SignWidth(), 395.0, kTolerance);   // 20 x 19.25 + 10
    EXPECT_NEAR(sign.SignHeight(), 82.5, kTolerance);   // 6 x 13.75
    EXPECT_NEAR(sign.RailLength(), 395.0, kTolerance);  // 385 + 10 allowance
    EXPECT_NEAR(sign.SpacerLength(), 385.0, kTolerance);
    EXPECT_NEAR(sign.ZomelWidth(), 19.25, kTolerance);
    EXPECT_NEAR(sign.ZomelHeight(), 13.75, kTolerance);
    EXPECT_EQ(sign.LockdownCount(), 138);  // (20 + 3) x 6
    EXPECT_EQ(sign.HoleplugCount(), 100);  // 5 x 20
    EXPECT_EQ(sign.LockdownLength(), 0);
    EXPECT_NEAR(sign.SignWeight(), 531.0, kTolerance);  // 528 + 3 fixed
    // Bars: (395 - 0.5) x 18 = 7101; jumpers: (19 x 17.25 + 26.5) x 6 = 2125.5;
    // feet 9226.5 / 12 = 768.875.  A = 768.875 x 0.274 + 0.055 x 6 x 23 = 218.26175;
    // B = 1.563 x 6 x 395 / 12 = 308.6925.
    EXPECT_NEAR(sign.BusBarWeight(), 526.95425, kTolerance);
}

TEST_F(SignTest, LengthUnitsScaleLengthsButNotBusBarWeight) {
    struct Case {
        const char* unit;
        double width;
    };
    // 395 inches: / 12, x 2.54, x 0.0254.
    const Case cases[] = {{"ft", 395.0 / 12}, {"in", 395.0}, {"cm", 1003.3}, {"m", 10.033}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.unit);
        sign.SetLengthUnit(c.unit);
        EXPECT_NEAR(sign.SignWidth(), c.width, kTolerance);
        // Each unit's formula comes back to 768.875 ft of bar, so the weight is the same.
        EXPECT_NEAR(sign.BusBarWeight(), 526.95425, kTolerance);
    }
}

TEST_F(SignTest, UnknownLengthUnitKeepsTheLastFactor) {
    sign.SetLengthUnit("cm");
    sign.SetLengthUnit("yd");
    EXPECT_EQ(sign.LengthUnit(), "yd");
    EXPECT_NEAR(sign.SignWidth(), 1003.3, kTolerance);
    // No bar length and no feet factor: only 0.055 x 6 x 23 of A is left.
    EXPECT_NEAR(sign.BusBarWeight(), 7.59, kTolerance);
}

TEST_F(SignTest, WeightUnitsConvertEachWeightByItsOwnFactor) {
    sign.SetLengthUnit("in");
    sign.SetWeightUnit("kg");
    EXPECT_NEAR(sign.SignWeight(), 240.8616, kTolerance);  // 531 x 0.4536
    EXPECT_NEAR(sign.BusBarWeight(), 526.95425 / 2.2046, kTolerance);
    sign.SetWeightUnit("st");
    EXPECT_EQ(sign.SignWeight(), 0);
    EXPECT_EQ(sign.BusBarWeight(), 0);
}

TEST_F(SignTest, VerticalModulesSwapTheModuleSides) {
    sign.SetLengthUnit("in");
    sign.SetVertical(vb::True);
    EXPECT_NEAR(sign.SignWidth(), 285.0, kTolerance);   // 20 x 13.75 + 10
    EXPECT_NEAR(sign.SignHeight(), 115.5, kTolerance);  // 6 x 19.25
    EXPECT_NEAR(sign.ZomelWidth(), 13.75, kTolerance);
    // Bars (285 - 0.5) x 18 = 5121, jumpers (19 x 11.75 + 21.25) x 6 = 1467: 549 ft.
    // A = 549 x 0.274 + 7.59 = 158.016; B = 1.563 x 6 x 285 / 12 = 222.7275.
    EXPECT_NEAR(sign.BusBarWeight(), 380.7435, kTolerance);
}

TEST_F(SignTest, LineMatrixAddsRowGapsAndSpacers) {
    sign.SetLengthUnit("in");
    sign.SetSegmentType(zomel::LayoutKind::LineMatrix);
    EXPECT_NEAR(sign.SignHeight(), 110.0, kTolerance);  // 5 x 5.5 + 82.5
    EXPECT_NEAR(sign.SignWidth(), 395.0, kTolerance);
    EXPECT_NEAR(sign.SignWeight(), 656.0, kTolerance);  // 531 + 1.25 x 20 x 5
    EXPECT_EQ(sign.HoleplugCount(), 0);
    EXPECT_EQ(sign.LockdownCount(), 138);
}

TEST_F(SignTest, CharacterSegmentedIsVerticalWithBothGaps) {
    sign.SetLengthUnit("in");
    sign.SetSegmentType(zomel::LayoutKind::CharacterSegmented);
    EXPECT_EQ(sign.Vertical(), vb::True);
    EXPECT_NEAR(sign.SignWidth(), 342.0, kTolerance);     // 19 x 3 + 20 x 13.75 + 10
    EXPECT_NEAR(sign.SignHeight(), 143.0, kTolerance);    // 5 x 5.5 + 6 x 19.25
    EXPECT_NEAR(sign.SpacerLength(), 332.0, kTolerance);  // 57 + 275
    // Spacers 1.5 x 20 x 5 + 0.82 x 19 x 6 = 243.48 on top of 531.
    EXPECT_NEAR(sign.SignWeight(), 774.48, kTolerance);
    // Extra 0.25 x 6 x 19 = 28.5 ft; bars 341.5 x 18 = 6147, jumpers 244.5 x 6 = 1467:
    // 634.5 ft.  A = 663 x 0.274 + 7.59 = 189.252; B = 1.563 x 6 x 342 / 12 = 267.273.
    EXPECT_NEAR(sign.BusBarWeight(), 456.525, kTolerance);
}

TEST_F(SignTest, AnyOtherLayoutIsFullMatrixWithoutGaps) {
    sign.SetLengthUnit("in");
    sign.SetSegmentType(zomel::LayoutKind::CharacterSegmented);
    sign.SetSegmentType(zomel::LayoutKindOf(5));
    EXPECT_EQ(sign.SegmentType(), zomel::LayoutKind::FullMatrix);
    // Still vertical (the layout does not turn it back), but the gaps are gone.
    EXPECT_NEAR(sign.SignWidth(), 285.0, kTolerance);
    EXPECT_NEAR(sign.SignHeight(), 115.5, kTolerance);
    EXPECT_NEAR(sign.SignWeight(), 531.0, kTolerance);
}

TEST_F(SignTest, Generation2HorizontalFullMatrix) {
    SmallGeneration2(sign);
    EXPECT_NEAR(sign.SignWidth(), 63.75, kTolerance);      // 3 x 19.25 + 6
    EXPECT_NEAR(sign.SignHeight(), 33.5, kTolerance);      // 2 x 13.75 + 6
    EXPECT_NEAR(sign.RailLength(), 58.75, kTolerance);     // 57.75 + 1
    EXPECT_NEAR(sign.LockdownLength(), 40.5, kTolerance);  // 2 x 19.25 + 2
    EXPECT_EQ(sign.LockdownCount(), 17);                   // 4 x 2 + 3 x 3
    EXPECT_EQ(sign.HoleplugCount(), 0);
    // Hardware: 11.5; + 16.68 + 0.25 + 1.636 + 0.184 + 0.104 + 0.12 + 0.38 = 30.854;
    // + 0.528 = 31.382; - 0.8 + 0.56 = 31.142; + 0.316 = 31.458; + 0.384 + 0.72 = 32.562;
    // + 0.055 x 17 = 33.497.  Weight 6 x 4.65 + 6.12 + 33.497.
    EXPECT_NEAR(sign.SignWeight(), 67.517, kTolerance);
    // A = 0.331 x 6 + 0.25 = 2.236; B = 1.25 x 6 + 0.3 x 3 x 3 = 10.2.
    EXPECT_NEAR(sign.BusBarWeight(), 12.436, kTolerance);
}

TEST_F(SignTest, Generation2Vertical) {
    SmallGeneration2(sign);
    sign.SetVertical(vb::True);
    EXPECT_NEAR(sign.SignWidth(), 47.25, kTolerance);      // 3 x 13.75 + 6
    EXPECT_NEAR(sign.SignHeight(), 44.5, kTolerance);      // 2 x 19.25 + 6
    EXPECT_NEAR(sign.LockdownLength(), 29.5, kTolerance);  // 2 x 13.75 + 2
    // Hardware: 11; 30.354; 30.882; + 0.5 + 0.22 = 31.602; 31.918; 33.022; 33.957.
    EXPECT_NEAR(sign.SignWeight(), 67.977, kTolerance);  // 27.9 + 6.12 + 33.957
}

TEST_F(SignTest, Generation2LineMatrix) {
    SmallGeneration2(sign);
    sign.SetSegmentType(zomel::LayoutKind::LineMatrix);
    EXPECT_NEAR(sign.SignHeight(), 39.0, kTolerance);  // 5.5 + 27.5 + 6
    EXPECT_EQ(sign.LockdownCount(), 8);                // 4 x 2
    EXPECT_EQ(sign.LockdownLength(), 0);
    // Hardware to 31.458 as horizontal; + 0.2 + 0.032 x 30 = 32.618; + 0.055 x 8 = 33.058.
    // Spacers 1.25 x 3 x 1 = 3.75.  27.9 + 6.12 + 3.75 + 33.058.
    EXPECT_NEAR(sign.SignWeight(), 70.828, kTolerance);
    EXPECT_NEAR(sign.BusBarWeight(), 9.736, kTolerance);  // 2.236 + 7.5
}

TEST_F(SignTest, BackToGeneration1RestoresItsConstants) {
    sign.SetLengthUnit("in");
    sign.SetZomel2(vb::True);
    sign.SetZomel2(vb::False);
    EXPECT_NEAR(sign.SignWidth(), 395.0, kTolerance);
    EXPECT_NEAR(sign.SignWeight(), 531.0, kTolerance);
}

TEST_F(SignTest, ProductsOfLargeCountsDoNotWrap) {
    sign.SetLengthUnit("in");
    sign.SetXZomelCount(200);
    sign.SetYZomelCount(200);                              // 40000 modules: past a 16-bit product
    EXPECT_NEAR(sign.SignWeight(), 176003.0, kTolerance);  // 40000 x 4.4 + 3
    EXPECT_NEAR(sign.SignWidth(), 3860.0, kTolerance);     // 200 x 19.25 + 10
    EXPECT_EQ(sign.LockdownCount(), 40600);                // 203 x 200
    EXPECT_EQ(sign.HoleplugCount(), 39800);                // 199 x 200

    sign.SetZomel2(vb::True);
    // Hardware: 900; + 111200 + 2.07 + 10.4 + 9.6 + 30.4 = 112152.47; + 3520 = 115672.47;
    // - 79.6 + 111.44 = 115704.31; + 0.316; + 2560 + 3216; + 0.055 x 80400 = 125902.626.
    // 40000 x 4.65 + 6.12 + 125902.626.
    EXPECT_NEAR(sign.SignWeight(), 311908.746, kTolerance);
    EXPECT_EQ(sign.LockdownCount(), 80400);  // 201 x 200 twice
}

TEST_F(SignTest, EveryIntegerCountGivesExactCounts) {
    sign.SetXZomelCount(32767);
    sign.SetYZomelCount(32767);
    EXPECT_EQ(sign.LockdownCount(), 1073774590);  // 32770 x 32767
    EXPECT_EQ(sign.HoleplugCount(), 1073643522);  // 32766 x 32767
    sign.SetZomel2(vb::True);
    EXPECT_EQ(sign.LockdownCount(), 2147418112);  // 2 x 32768 x 32767

    sign.SetZomel2(vb::False);
    sign.SetXZomelCount(-32768);
    sign.SetYZomelCount(-32768);
    EXPECT_EQ(sign.XZomelCount(), -32768);        // stored as given
    EXPECT_EQ(sign.LockdownCount(), 1073643520);  // -32765 x -32768
}

TEST_F(SignTest, ZeroCountsAreTakenAsGiven) {
    sign.SetLengthUnit("in");
    sign.SetXZomelCount(0);
    EXPECT_EQ(sign.XZomelCount(), 0);
    EXPECT_NEAR(sign.SignWidth(), 10.0, kTolerance);  // the margin alone
    EXPECT_NEAR(sign.SignWeight(), 3.0, kTolerance);  // the fixed part alone
    EXPECT_EQ(sign.LockdownCount(), 18);              // 3 x 6
}
