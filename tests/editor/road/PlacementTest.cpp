#include "tests/editor/road/RoadFixture.h"

namespace {

TEST_F(RoadTest, RightAndCentreAlignmentAgainstTheSignWidth) {
    Type(0, "HELLO");
    Align(1, 1);  // right
    Type(1, "AB");
    EXPECT_EQ(TheSign().XZomelCount(), 3);
    EXPECT_EQ(TheSign().YZomelCount(), 2);
    // 36 LEDs across: "AB" (12 wide with its blank column) starts at 36 - 12 + 1.  A line of
    // the 5x7 font takes 8 rows, its font size: 15 ink rows, left at the top in the middle of
    // 16.
    EXPECT_EQ(FrameRows(), Expected(36, 16, {{3, 0, "HELLO"}, {25, 8, "AB"}}));
    Align(1, 2);
    Type(1, "AB ");  // blanks do not count towards the width
    EXPECT_EQ(FrameRows(), Expected(36, 16, {{3, 0, "HELLO"}, {12, 8, "AB "}}));
    Align(1, 0);
    Type(1, "AB");
    EXPECT_EQ(FrameRows(), Expected(36, 16, {{3, 0, "HELLO"}, {0, 8, "AB"}}));
}

TEST_F(RoadTest, MiddleAndBottomPlacementMoveTheTextDown) {
    Main().mnuSignDensity_Click();  // standard density: 7 x 5 LEDs a module
    Type(0, "HI");
    // 7 ink rows need 2 module rows of 5: 3 rows spare.
    ASSERT_EQ(TheSign().YZomelCount(), 2);
    ASSERT_EQ(TheSign().XZomelCount(), 2);
    // Centred on 14 LEDs: (14 - 12 + 1) rounded is 3, halved 1; middle places 1 row down.
    EXPECT_EQ(FrameRows(), Expected(14, 10, {{1, 1, "HI"}}));
    Main().SetVerticalPlacement(2);
    EXPECT_EQ(FrameRows(), Expected(14, 10, {{1, 3, "HI"}}));
    Main().SetVerticalPlacement(0);
    EXPECT_EQ(FrameRows(), Expected(14, 10, {{1, 0, "HI"}}));
}

TEST_F(RoadTest, PlacementAgainstFewerRowsRaisesTheNotVisibleNote) {
    // Eight lines ask for 8 rows; the most rows are 6, so the text is placed again against 6
    // rows and its top lines are pushed above the sign.
    Main().SetVerticalPlacement(2);
    for (int line = 0; line < 8; ++line)
        Type(line, "X");
    EXPECT_EQ(TheSign().YZomelCount(), 6);
    EXPECT_TRUE(Main().lblWarn->Visible());
    EXPECT_EQ(Main().lblWarn->Caption(),
              "Note: part of the text is not visible. For larger signs, please consult your "
              "VELDO representative.");
    forms::Item& panel = Main().sbStatusBar->Panels()(5);
    EXPECT_EQ(panel.Get("Text").ToString(), Main().lblWarn->Caption());
    EXPECT_EQ(panel.Get("ToolTipText").ToString(), Main().lblWarn->Caption());
    EXPECT_TRUE(panel.Get("Visible").ToBool());
    // The bottom line sits on the bottom row of the 48-row sign.
    const auto rows = FrameRows();
    ASSERT_EQ(rows.size(), 48u);
    EXPECT_NE(rows[46].find('#'), std::string::npos);
    // A message that fits clears the warning again.
    for (int line = 7; line >= 1; --line)
        Type(line, "");
    EXPECT_FALSE(Main().lblWarn->Visible());
    EXPECT_FALSE(panel.Get("Visible").ToBool());
}

}  // namespace

namespace {

TEST_F(RoadTest, FocusOnALineShowsItsFormatOnTheToolbar) {
    Type(0, "AB");
    Type(1, "CD");
    Align(1, 1);
    Click("id_Bold");
    Main().txtZomelText_GotFocus(1);
    EXPECT_EQ(zomel::CurrentLine, 1);
    const auto state = [&](const char* id) { return Main().SSBars->ToolById(id).State(); };
    EXPECT_EQ(state("id_FormatRight"), 1);
    EXPECT_EQ(state("id_Bold"), 1);
    EXPECT_EQ(state("id_Italic"), 0);
    Main().txtZomelText_GotFocus(0);
    EXPECT_EQ(state("id_FormatCenter"), 1);
    EXPECT_EQ(state("id_Bold"), 0);
}

}  // namespace
