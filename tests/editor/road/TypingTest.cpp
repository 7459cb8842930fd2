#include "platform/vb/Format.h"
#include "tests/editor/road/RoadFixture.h"
#include "tests/support/AllocationCounter.h"

namespace {

TEST_F(RoadTest, TypingALineSizesTheSignAndShowsIt) {
    Type(0, "HELLO");
    // Five 6-pixel cells of ink end on column 29: 3 modules of 12 across, 1 of 8 down.
    EXPECT_EQ(TheSign().XZomelCount(), 3);
    EXPECT_EQ(TheSign().YZomelCount(), 1);
    EXPECT_EQ(Panel(1), "Size: 3 x 1");
    EXPECT_EQ(Panel(2), "Dimensions: 67.75 x 13.75 in");
    EXPECT_EQ(Panel(3), "Typical Maximum Power: 9.3 Amps");
    EXPECT_EQ(
        Panel(4),
        "Weight: " + vb::Format(TheSign().SignWeight() + TheSign().BusBarWeight(), "#,###.0") +
            " lbs");
    EXPECT_TRUE(Main().SSBars->ToolById("id_SignHold").Get("Enabled").ToBool());
    // Centred on 36 LEDs: (36 - 30 + 1) rounded and halved gives x 3; 7 rows sit on top of 8.
    EXPECT_EQ(FrameRows(), Expected(36, 8, {{3, 0, "HELLO"}}));
    // The frame is cut from the hidden picture box that holds the message raster.
    const gdi::Bitmap& raster = Main().PicLine->Surface();
    ASSERT_GE(raster.Width(), 260);  // the largest sign, 20 modules of 12 LEDs and a gap
    ASSERT_GE(raster.Height(), 78);
    const auto frame = FrameRows();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 36; ++x)
            EXPECT_EQ(raster.At(x, y) == gdi::kWhite, frame[y][x] == '#') << x << "," << y;
    EXPECT_TRUE(Display().Visible());
    EXPECT_EQ(DisplayNumber("SegCountX"), 3);
    EXPECT_EQ(DisplayNumber("SegCountY"), 1);
    // At zoom 3 every lit LED is a square of 3 by 3 pixels on the display.
    EXPECT_FLOAT_EQ(Zoom(), 3.0F);
    EXPECT_EQ(LitPixels(), 9 * Lit(FrameRows()));
    EXPECT_GT(Lit(FrameRows()), 0);
    // Between layouts the clip holds one module's LEDs.
    EXPECT_EQ(Main().PicClip->ClipWidth(), 12);
    EXPECT_EQ(Main().PicClip->ClipHeight(), 8);
    EXPECT_FALSE(Main().lblWarn->Visible());
    EXPECT_EQ(forms::Screen().MousePointer(), forms::vbDefault);
}

TEST_F(RoadTest, ClearingTheMessageEmptiesTheSignAndTheFigures) {
    Type(0, "HELLO");
    Type(0, "");
    EXPECT_EQ(TheSign().XZomelCount(), 0);
    EXPECT_EQ(TheSign().YZomelCount(), 0);
    for (int panel = 1; panel <= 4; ++panel)
        EXPECT_EQ(Panel(panel), " ");
    EXPECT_FALSE(Main().SSBars->ToolById("id_SignHold").Get("Enabled").ToBool());
    EXPECT_FALSE(Display().Visible());
}

TEST_F(RoadTest, EachLineIsOfferedOneUnderTheLastUsed) {
    EXPECT_FALSE(LineShown(1));
    Type(0, "A");
    EXPECT_TRUE(LineShown(1));
    EXPECT_FALSE(LineShown(2));
    for (int line = 1; line <= 7; ++line)
        Type(line, "L" + std::to_string(line));
    EXPECT_TRUE(LineShown(8));
    EXPECT_FALSE(LineShown(9));
    Type(8, "L8");
    EXPECT_FALSE(LineShown(9));
    for (vb::Integer line = 0; line <= 10; ++line)  // each bar shows with its line only
        EXPECT_EQ(Main().HSLine(line).Visible(), LineShown(line)) << line;
    EXPECT_EQ(TheSign().YZomelCount(), 6);  // nine lines of 8 rows, cut to the most rows
}

TEST_F(RoadTest, AnEmptiedLineIsClosedUpWithItsFormat) {
    Type(0, "AB");
    Type(1, "CD");
    Type(2, "EF");
    Align(2, 1);
    Type(1, "");
    EXPECT_EQ(Main().txtZomelText(1).Text(), "EF");
    EXPECT_EQ(Main().txtZomelText(2).Text(), "");
    EXPECT_EQ(Main().LineFormatOf(1).Align, 1);
    EXPECT_TRUE(LineShown(2));  // offered again, empty
    EXPECT_FALSE(LineShown(3));
    EXPECT_EQ(TheSign().YZomelCount(), 2);
}

TEST_F(RoadTest, TwoEmptyLinesCloseOneAtEachChange) {
    Type(0, "AB");
    Type(3, "GH");  // under two empty lines
    EXPECT_EQ(Main().txtZomelText(1).Text(), "");
    EXPECT_EQ(Main().txtZomelText(2).Text(), "GH");
    EXPECT_EQ(Main().txtZomelText(3).Text(), "");
    Type(0, "AB ");
    EXPECT_EQ(Main().txtZomelText(1).Text(), "GH");
    EXPECT_EQ(Main().txtZomelText(2).Text(), "");
}

TEST_F(RoadTest, AMessageLaysOutTheSameFromTheFirstKeystrokeAsAfterAnyChange) {
    Type(0, "HELLO");
    Type(1, "AB");
    const std::vector<std::string> first = FrameRows();
    ASSERT_FALSE(first.empty());
    // A blank row between the lines: the rows of the 5x7 font and one more.
    EXPECT_EQ(first, Expected(36, 16, {{3, 0, "HELLO"}, {12, 8, "AB"}}));

    Main().HSLine_Change(0);  // the height shown again, from the font table
    EXPECT_EQ(FrameRows(), first);
    Click("id_SignStart");
    Type(0, "HELLO");
    Type(1, "AB");
    EXPECT_EQ(FrameRows(), first);
}

// Once the sign is laid out, typing and showing the preview make no raster, frame or display
// picture anew: the small blocks that remain are names and values.
TEST_F(RoadTest, KeystrokesOnALaidOutSignAllocateNoPixels) {
    Type(0, "LINE ONE");
    Type(1, "LINE TWO");
    const auto keystrokes = [&](int count) {
        for (int i = 0; i < count; ++i) {
            Type(1, i % 2 == 0 ? "LINE TWO!" : "LINE TWO");
            ASSERT_NE(Display().Surface(), nullptr);
        }
    };
    keystrokes(4);
    AllocationCounter allocations;
    keystrokes(10);
    EXPECT_EQ(allocations.Large(), 0);
    EXPECT_EQ(LitPixels(), 9 * Lit(FrameRows()));
}

TEST_F(RoadTest, SpacingAddsRowsBetweenLines) {
    Type(0, "A");
    Type(1, "B");
    // A line of the 5x7 font takes 8 rows, its font size: ink on rows 1-7 and 9-15.
    EXPECT_EQ(TheSign().YZomelCount(), 2);
    Main().VScrLineSpacing->SetValue(1);
    EXPECT_EQ(TheSign().YZomelCount(), 2);  // the second line ends on row 16
    Main().VScrLineSpacing->SetValue(2);
    EXPECT_EQ(TheSign().YZomelCount(), 3);
}

}  // namespace
