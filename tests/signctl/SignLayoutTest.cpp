// The layout pass: zoom and fit modes with the sizes of a 15-twips-per-pixel screen, and the
// captions.
#include "platform/vb/Error.h"
#include "signctl/ZoomStep.h"
#include "tests/signctl/SignFixture.h"

namespace {

class Layout : public SignTest {
protected:
    // The control sized so that the room for the sign is `pixels` wide (BW 1).
    void Room(int pixels) { sign->SetExtent(static_cast<vb::Single>(pixels * 15 + 202), 3000); }
    int SignPixelsWide() { return static_cast<int>(sign->Display().Width() / 15); }
    int SignPixelsHigh() { return static_cast<int>(sign->Display().Height() / 15); }
};

TEST(ZoomStep, ThePitchIsTwiceTheZoom) {
    auto check = [](float zoom, int size, double scale, bool half) {
        const veldo::LedStep step = veldo::ZoomStep(zoom);
        EXPECT_EQ(step.size, size) << zoom;
        EXPECT_DOUBLE_EQ(step.scale, scale) << zoom;
        EXPECT_EQ(step.halfStep, half) << zoom;
    };
    check(1.0f, 1, 1, false);
    check(1.5f, 1, 1.5, true);
    check(0.5f, 0, 0.5, true);
    check(0.3f, 0, 0.5, true);
    check(2.0f, 2, 1, false);
    check(2.5f, 2, 1.25, true);
    check(1.6f, 2, 1, false);
}

TEST_F(Layout, ZoomModeSizesTheSignForTheModuleCounts) {
    Room(1000);
    Put("Zoom", 1.0f);
    EXPECT_EQ(sign->LEDSize(), 1);
    EXPECT_EQ(sign->Display().Width(), 1440);
    EXPECT_EQ(sign->Display().Height(), 720);
    EXPECT_EQ(sign->Width(), 1642);
    EXPECT_EQ(site.extents.back().first, 1642) << "the container follows the control";
    Put("Zoom", 1.5f);
    EXPECT_TRUE(sign->HalfStep());
    EXPECT_EQ(SignPixelsWide(), 144);
    EXPECT_EQ(SignPixelsHigh(), 72);
    for (float small : {0.5f, 0.3f}) {
        Put("Zoom", small);
        EXPECT_EQ(SignPixelsWide(), 48) << small;
        EXPECT_EQ(SignPixelsHigh(), 24) << small;
    }
    Put("Zoom", 2.0f);
    EXPECT_EQ(SignPixelsWide(), 4 * 48);
    Put("Zoom", 2.5f);
    EXPECT_EQ(SignPixelsWide(), 5 * 48);
    Put("Zoom", 1.6f);
    EXPECT_EQ(SignPixelsWide(), 4 * 48);
    EXPECT_EQ(Get("Zoom"), vb::Variant(1.6f)) << "zoom mode keeps the zoom it was given";
}

TEST_F(Layout, ModuleGapsReserveSlotsOnlyForGapThree) {
    Room(1000);
    Put("SegSepX", vb::Integer{3});
    Put("Zoom", 1.0f);
    EXPECT_EQ(SignPixelsWide(), 2 * 51);
    Put("SegSepX", vb::Integer{1});
    Put("Zoom", 2.0f);
    Put("Zoom", 1.0f);
    EXPECT_EQ(SignPixelsWide(), 2 * 48);
}

TEST_F(Layout, ZoomIgnoresValuesThatCannotBeShown) {
    Room(1000);
    Put("Zoom", 2.0f);
    for (float bad : {0.0f, -1.0f}) {
        Put("Zoom", bad);
        EXPECT_EQ(Get("Zoom"), vb::Variant(2.0f));
    }
}

TEST_F(Layout, ShrinkingTheZoomRepaintsTheControlFirst) {
    Room(1000);
    Put("Zoom", 2.0f);
    std::vector<float> zoomsAtRepaint;
    site.onRepaint = [&] { zoomsAtRepaint.push_back(sign->Zoom()); };
    Put("Zoom", 1.0f);
    ASSERT_FALSE(zoomsAtRepaint.empty());
    EXPECT_EQ(zoomsAtRepaint.front(), 2.0f) << "repainted before the new zoom";
    zoomsAtRepaint.clear();
    Put("Zoom", 2.0f);
    ASSERT_FALSE(zoomsAtRepaint.empty());
    EXPECT_EQ(zoomsAtRepaint.front(), 2.0f) << "growing repaints only after the layout";
}

TEST_F(Layout, FitModeTakesAHalfStepWhenTheRoomAllowsIt) {
    AddFrame(Blank(48, 24), "F");
    Room(1000);
    EXPECT_EQ(Get("Zoom"), vb::Variant(10.5f));
    EXPECT_TRUE(sign->HalfStep());
    EXPECT_EQ(SignPixelsWide(), 1008);
    EXPECT_EQ(sign->Width(), 15322);
    // The nested pass finds the same step again.
    EXPECT_EQ(sign->LEDGap(), 10);
}

TEST_F(Layout, FitModeOnAnExactRoomKeepsWholeSteps) {
    AddFrame(Blank(48, 24), "F");
    Room(960);
    EXPECT_EQ(Get("Zoom"), vb::Variant(10.0f));
    EXPECT_FALSE(sign->HalfStep());
    EXPECT_EQ(SignPixelsWide(), 960);
}

TEST_F(Layout, ARoomTooNarrowForTwoPixelsFallsBackToOnePixelLeds) {
    AddFrame(Blank(48, 24), "F");
    Room(60);
    EXPECT_EQ(Get("Zoom"), vb::Variant(0.5f));
    EXPECT_EQ(SignPixelsWide(), 48);
}

TEST_F(Layout, AControlNarrowerThanItsMarginsKeepsItsPreviousRoom) {
    Room(1000);
    Put("Zoom", 1.0f);
    sign->SetExtent(100, 3000);
    EXPECT_EQ(sign->Display().Width(), 1440);
}

TEST_F(Layout, LongTopCaptionsAreShortenedAndExplained) {
    Room(100);
    Put("Zoom", 1.0f);  // a 96-pixel sign: labels 1440 twips wide
    const std::string longText(60, 'W');
    Put("Top2", "Second");
    Put("Top1", longText);
    const vb::Single labelWidth = sign->Caption(0).Width();
    EXPECT_EQ(labelWidth, 1440);
    forms::Label& top1 = sign->Caption(0);
    forms::Label& top2 = sign->Caption(1);
    const std::string& shown = top1.Caption();
    ASSERT_TRUE(shown.ends_with("..."));
    const std::string prefix = shown.substr(0, shown.size() - 3);
    EXPECT_TRUE(longText.starts_with(prefix));
    EXPECT_LE(1.19 * sign->TextWidth(shown), labelWidth);
    EXPECT_GT(1.19 * sign->TextWidth(longText.substr(0, prefix.size() + 1) + "..."), labelWidth)
        << "the longest prefix that fits";
    EXPECT_EQ(top1.ToolTipText(), longText + " | Second");
    EXPECT_EQ(top2.ToolTipText(), longText + " | Second");
    EXPECT_EQ(top1.Get("Alignment"), vb::Variant(vb::Integer{0}));
    EXPECT_EQ(Get("Top1"), vb::Variant(longText));
    Put("Top1", "Fits");
    EXPECT_EQ(top1.Caption(), "Fits");
    EXPECT_EQ(top1.ToolTipText(), "");
    EXPECT_EQ(top2.Get("Alignment"), vb::Variant(vb::Integer{2}));
}

TEST_F(Layout, ShortCaptionsAndALoneSecondCaptionAreNeverShortened) {
    Room(1);
    Put("SegCountX", vb::Integer{1});
    Put("Zoom", 0.5f);  // a 12-pixel sign
    Put("Top1", "WWW");
    EXPECT_EQ(sign->Caption(0).Caption(), "WWW");
    EXPECT_EQ(sign->Caption(0).ToolTipText(), "WWW");
    Put("Top1", "");
    const std::string longText(80, 'M');
    Put("Top2", longText);
    EXPECT_EQ(sign->Caption(1).Caption(), longText);
    EXPECT_EQ(sign->Caption(1).Top(), 100);
    EXPECT_EQ(sign->Display().Top(), 100 + sign->Caption(1).Height() + 15);
}

TEST_F(Layout, TheIconDoesNotPushTheSignDown) {
    Room(200);
    Put("Top1", "Title");
    com::PutRef(*sign, "Icon", vb::ToVariant(Blank(32, 32)));
    forms::Label& top1 = sign->Caption(0);
    EXPECT_EQ(top1.Left(), 100 + 480 + 15);
    EXPECT_EQ(sign->Display().Top(), top1.Top() + top1.Height() + 15);
    com::PutRef(*sign, "Icon", vb::ToVariant(std::make_shared<gdi::Picture>()));
    EXPECT_FALSE(sign->Children()[5]->Visible());
    EXPECT_EQ(top1.Left(), 100);
}

TEST_F(Layout, BottomCaptionsStackUnderTheSignAndSetTheHeight) {
    Room(1000);
    Put("Zoom", 1.0f);
    Put("Bot2", "Two");
    Put("Bot1", "One");
    forms::Label& bot1 = sign->Caption(2);
    forms::Label& bot2 = sign->Caption(3);
    const vb::Single signBottom = sign->Display().Top() + sign->Display().Height();
    EXPECT_EQ(bot1.Top(), signBottom + 15);
    EXPECT_EQ(bot2.Top(), bot1.Top() + bot1.Height() + 15);
    EXPECT_EQ(sign->Height(), bot2.Top() + bot2.Height() + 100 + 1);
}

}  // namespace

// A step that fails is passed over; the host finds its own error state as it left it.
TEST_F(Layout, AFailingStepLeavesTheHostsErrorStateAlone) {
    Room(1000);
    Put("Zoom", 1.0f);
    vb::ResumeNext([] { vb::Raise(vb::err::kOverflow); });
    sign->SetExtent(100, 3000);  // narrower than the margins: the sign's width fails
    EXPECT_EQ(vb::Err().Number, vb::err::kOverflow);
    vb::Err().Clear();
    sign->SetExtent(120, 3000);
    EXPECT_EQ(vb::Err().Number, 0);
    EXPECT_EQ(sign->Display().Width(), 1440);
}
