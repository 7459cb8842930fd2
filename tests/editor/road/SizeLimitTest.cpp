#include "tests/editor/road/RoadFixture.h"

namespace {

const char* const kWiderThanSign = "Your message is wider than the current sign!";
const char* const kTallerThanSign = "Your message is taller than the current sign!";

TEST_F(RoadTest, AHeldSizeRefusesAWiderMessage) {
    Type(0, "HELLO");
    Click("id_SignHold");
    ASSERT_TRUE(zomel::HoldSize);
    host.ClearMessages();
    Type(0, "HELLO WORLD");
    EXPECT_EQ(TheSign().XZomelCount(), 3);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(Prompts()[0].substr(0, 44), kWiderThanSign);
    // What fits the held sign is taken without a word.
    host.ClearMessages();
    Type(0, "HELL");
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(RoadTest, AHeldSizeRefusesATallerMessage) {
    Type(0, "AB");
    Click("id_SignHold");
    host.ClearMessages();
    Type(1, "CD");
    EXPECT_EQ(TheSign().YZomelCount(), 1);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(Prompts()[0].substr(0, 45), kTallerThanSign);
}

TEST_F(RoadTest, AMessageWiderThanTheLargestSignIsCutToTheMostColumns) {
    Type(0, std::string(45, 'W'));
    EXPECT_EQ(TheSign().XZomelCount(), 20);
    EXPECT_TRUE(Main().lblWarn->Visible());
    EXPECT_TRUE(host.Messages().empty());  // not held: no message box
    EXPECT_EQ(DisplayNumber("SegCountX"), 20);
    EXPECT_EQ(Frame()->PixelWidth(), 240);
}

TEST_F(RoadTest, AreaRulesTakeRowsAwayFromALargeSign) {
    for (int line = 0; line < 4; ++line)
        Type(line, std::string(39, 'M'));
    // 20 x 4 modules is more than 75: one row goes.
    EXPECT_EQ(TheSign().XZomelCount(), 20);
    EXPECT_EQ(TheSign().YZomelCount(), 3);
    EXPECT_TRUE(Main().lblWarn->Visible());
}

TEST_F(RoadTest, TheZoomShrinksToFitAndStopsAtTheSmallest) {
    Type(0, "HELLO");
    EXPECT_FLOAT_EQ(Zoom(), 3.0F);  // fits at once
    Type(0, std::string(35, 'W'));
    // 216 LEDs at pitch 6 would be 19642 twips: wider than the window's 19200.
    EXPECT_LT(Zoom(), 3.0F);
    EXPECT_LE(Display().Width(), Main().ScaleWidth());
    Main().Move(0, 0, 600, 600);  // far too small for any zoom
    Type(0, "HELLO WORLD");
    EXPECT_FLOAT_EQ(Zoom(), 0.5F);
    EXPECT_TRUE(Display().Visible());
}

}  // namespace

namespace {

TEST_F(RoadTest, AModuleCellOfNoWidthEndsTheMeasureQuietly) {
    Main().PicClip->SetClipWidth(0);
    Type(0, "HELLO");
    EXPECT_TRUE(host.Messages().empty());
    // The preview gives the clip the display's cell again, so the next change measures.
    EXPECT_EQ(Main().PicClip->ClipWidth(), 12);
    Type(0, "HELLO!");
    EXPECT_EQ(TheSign().XZomelCount(), 3);
    EXPECT_TRUE(host.Messages().empty());
}

}  // namespace
