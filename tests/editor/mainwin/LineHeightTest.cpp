#include "tests/editor/mainwin/MainWindowFixture.h"

using namespace zomel;

TEST_F(MainWindowTest, LineMatrixOnStandardDensityStopsAtTheFiveBySevenFont) {
    frmMain& main = LoadMain();
    Click("id_SignHigh");  // to standard density
    ASSERT_EQ(main.HighDensity, vb::False);
    TheSign().SetSegmentType(zomel::LayoutKind::LineMatrix);
    main.HSLine(9).SetValue(7);  // lines 0-8 follow; line 9 is not one of them
    EXPECT_EQ(main.HSLine(4).Value(), 7);

    main.HSLine(2).SetValue(11);
    EXPECT_EQ(host.Beeps(), 1);
    EXPECT_EQ(main.HSLine(2).Value(), 10);
    EXPECT_EQ(Panel5(), "Try high density for that size");
    EXPECT_EQ(main.sbStatusBar->Panels()(5).Get("ToolTipText").ToString(),
              "Try high density for that size");
    EXPECT_EQ(HeightLabel(2), "5x7 VELDO Font 19.25 in");
    for (vb::Integer i = 0; i <= 8; ++i)
        EXPECT_EQ(main.HSLine(i).Value(), 10) << i;
    EXPECT_EQ(main.HSLine(9).Value(), 7);
    EXPECT_EQ(main.LineFormatOf(5).FontName, "VELDO 5x7");

    // The next change clears the warning.
    main.HSLine(2).SetValue(9);
    EXPECT_EQ(Panel5(), " ");
    EXPECT_EQ(host.Beeps(), 1);
}

TEST_F(MainWindowTest, LineMatrixOnHighDensityLimitsHorizontalModulesOnly) {
    frmMain& main = LoadMain();
    TheSign().SetSegmentType(zomel::LayoutKind::LineMatrix);
    main.HSLine(0).SetValue(13);
    EXPECT_EQ(main.HSLine(0).Value(), 12);
    EXPECT_EQ(HeightLabel(0), "5x8 VELDO Font 13.76 in");
    EXPECT_EQ(host.Beeps(), 1);

    Click("id_SignHorizontal");  // vertical modules have room for every font
    main.HSLine(0).SetValue(19);
    EXPECT_EQ(main.HSLine(0).Value(), 19);
    EXPECT_EQ(HeightLabel(0), "8x12 VELDO Font 19.20 in");
    EXPECT_EQ(main.HSLine(8).Value(), 19);
    EXPECT_EQ(host.Beeps(), 1);
}

TEST_F(MainWindowTest, FullMatrixLineHeightsAreEachTheirOwn) {
    frmMain& main = LoadMain();
    main.HSLine(1).SetValue(12);
    EXPECT_EQ(main.LineFormatOf(1).FontName, "VELDO 5x8");
    EXPECT_EQ(main.LineFormatOf(1).FontRows, 8);
    EXPECT_EQ(HeightLabel(1), "5x8 VELDO Font 13.76 in");
    EXPECT_EQ(main.HSLine(0).Value(), 10);
    EXPECT_EQ(main.LineFormatOf(0).FontName, "VELDO 5x7");
    main.HSLine(1).SetValue(19);
    EXPECT_EQ(main.HSLine(1).Value(), 19);
    EXPECT_EQ(host.Beeps(), 0);
}

TEST_F(MainWindowTest, HeightLabelsFollowTheCharacterSizeUnit) {
    frmMain& main = LoadMain();
    TheSign().SetCharSizeUnit("cm");
    main.HSLine(0).SetValue(6);
    EXPECT_EQ(HeightLabel(0), "4x5 VELDO Font 21.84 cm");

    TheSign().SetCharSizeUnit("pix");  // pixels show the height in inches
    main.HSLine_Change(0);
    EXPECT_EQ(HeightLabel(0), "4x5 VELDO Font 8.60 in");

    Click("id_SignHigh");  // standard density
    TheSign().SetCharSizeUnit("in");
    main.HSLine(0).SetValue(10);
    EXPECT_EQ(HeightLabel(0), "5x7 VELDO Font 19.25 in");
}
