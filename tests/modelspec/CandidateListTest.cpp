#include <string>

#include "platform/forms/StdFont.h"
#include "tests/modelspec/ModelFixture.h"

namespace {

class CandidateListTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        sign().SetCharSizeUnit("in");
        main().chkHigh->SetValue(1);
    }

    // A person fills the line-and-character page and presses List.
    void Ask(const std::string& height, const std::string& width, vb::Integer gap,
             const std::string& lines, const std::string& chars) {
        Choose(*main().cbbHigh, height);
        Choose(*main().cbbWide, width);
        main().cbbCharGap->SetListIndex(static_cast<vb::Integer>(gap - 1));
        main().txtLines->SetText(lines);
        main().txtChars->SetText(chars);
        main().cmdList->Click();
    }
    static void Choose(forms::ListControl& list, const std::string& text) {
        for (vb::Integer i = 0; i < list.ListCount(); ++i)
            if (list.List(i) == text) return list.SetListIndex(i);
        ADD_FAILURE() << text << " is not offered";
    }
    std::string Line(vb::Integer i) { return main().txtZomelText(i).Text(); }
    static std::string Es(int count, const std::string& gap = "") {
        std::string row;
        for (int i = 0; i < count; ++i)
            row += "E" + gap;
        return row;
    }
};

}  // namespace

TEST_F(CandidateListTest, ListingShowsTheProposals) {
    Ask("12.04 inches", "08.00 inches", 1, "2", "10");
    ASSERT_EQ(main().lstSigns->ListCount(), 1);
    EXPECT_EQ(main().lstSigns->List(0),
              "Height=12.04 with width=8 in using 5x7 on horizontal high density ZOMELs");
    EXPECT_TRUE(main().lstSigns->Visible());
    EXPECT_TRUE(main().lblClick->Visible());
    EXPECT_FALSE(main().lblLineError->Visible());
    EXPECT_FALSE(Panel5Visible());
    EXPECT_FALSE(main().ViewSign->Visible());
}

TEST_F(CandidateListTest, AProblemIsShownInsteadOfTheList) {
    Ask("12.04 inches", "08.00 inches", 1, "0", "10");
    EXPECT_EQ(main().lstSigns->ListCount(), 0);
    EXPECT_FALSE(main().lstSigns->Visible());
    EXPECT_TRUE(main().lblLineError->Visible());
    EXPECT_EQ(main().lblLineError->Caption(), "You must have at least one line of text.");
    EXPECT_EQ(Panel5(), "You must have at least one line of text.");
    EXPECT_FALSE(main().ViewSign->Visible());
}

TEST_F(CandidateListTest, PickingAProposalLaysTheSignOut) {
    Ask("12.04 inches", "08.00 inches", 1, "2", "10");
    main().lstSigns->SetListIndex(0);
    EXPECT_EQ(main().SelectedCandidate, 1);
    EXPECT_EQ(window().Valid, vb::True) << window().Message;
    EXPECT_EQ(window().FromList, vb::False);
    EXPECT_EQ(sign().ModelNumber(), "AF0-1H2A4-0502H");
    EXPECT_EQ(sign().XZomelCount(), 5);
    EXPECT_EQ(sign().YZomelCount(), 2);
    EXPECT_EQ(Line(0), Es(10));
    EXPECT_EQ(Line(1), Es(10));
    EXPECT_EQ(Line(2), "");
    EXPECT_EQ(main().HSLine(0).Value(), 10);  // the 5x7 font
    EXPECT_TRUE(main().ViewSign->Visible());
    EXPECT_EQ(main().ViewSign->Get("PixPerSegX").ToInteger(), 12);
    EXPECT_EQ(main().ViewSign->Get("PixPerSegY").ToInteger(), 8);
    EXPECT_EQ(main().ViewSign->Get("SegCountX").ToInteger(), 5);
}

TEST_F(CandidateListTest, AWiderGapTakesTheGapFontAndSpacedSample) {
    Ask("19.25 inches", "13.75 inches", 2, "1", "4");
    ASSERT_EQ(main().lstSigns->ListCount(), 2);
    EXPECT_EQ(main().CharGap, 2);
    main().lstSigns->SetListIndex(1);  // horizontal standard density
    EXPECT_EQ(main().SelectedCandidate, 2);
    ASSERT_EQ(window().Valid, vb::True) << window().Message;
    EXPECT_EQ(sign().Vertical(), vb::False);
    EXPECT_EQ(sign().HighDensity(), vb::False);
    EXPECT_EQ(Line(0), Es(4, "  "));
    for (vb::Integer i = 0; i <= 8; ++i)
        EXPECT_EQ(main().HSLine(i).Value(), 7) << i;
    EXPECT_EQ(main().ViewSign->Get("Font").As<forms::StdFont>()->Name, "UK5x7");
}

TEST_F(CandidateListTest, ArrowKeysMoveBetweenTwoProposals) {
    Ask("13.75 inches", "11.00 inches", 1, "1", "3");
    ASSERT_EQ(main().lstSigns->ListCount(), 2);
    forms::EventArgs down{vb::Variant(vb::Integer{40}), vb::Variant(vb::Integer{0})};
    main().lstSigns->RaiseEvent("KeyDown", down);
    EXPECT_EQ(main().lstSigns->ListIndex(), 1);
    EXPECT_EQ(main().SelectedCandidate, 2);
    EXPECT_EQ(sign().Vertical(), vb::False);
    forms::EventArgs up{vb::Variant(vb::Integer{38}), vb::Variant(vb::Integer{0})};
    main().lstSigns->RaiseEvent("KeyDown", up);
    EXPECT_EQ(main().SelectedCandidate, 1);
    EXPECT_EQ(sign().Vertical(), vb::True);
}

TEST_F(CandidateListTest, AnEmptyListOnlyBeeps) {
    const std::string before = sign().ModelNumber();
    main().lstSigns->RaiseEvent("Click");
    EXPECT_EQ(host.Beeps(), 1);
    EXPECT_EQ(sign().ModelNumber(), before);
    // An entry that is no proposal changes only the index.
    main().lstSigns->AddItem("something else");
    main().lstSigns->SetListIndex(0);
    EXPECT_EQ(main().SelectedCandidate, 2);
    EXPECT_EQ(sign().ModelNumber(), before);
}

// ---- The Show button -----------------------------------------------------------------------

TEST_F(CandidateListTest, ShowFillsTheLinesWithTheCharactersThatFit) {
    Show("AF0-1H2A4-1006H");
    ASSERT_EQ(window().Valid, vb::True) << window().Message;
    for (vb::Integer i = 0; i <= 5; ++i)
        EXPECT_EQ(Line(i), Es(20)) << i;  // 120 LEDs, cells of 6
    EXPECT_EQ(Line(6), "");
    EXPECT_TRUE(main().ViewSign->Visible());
    // The sample is laid out on the sign the number describes.
    EXPECT_EQ(sign().XZomelCount(), 10);
    EXPECT_EQ(sign().YZomelCount(), 6);
    EXPECT_EQ(main().ViewSign->Get("SegCountX").ToInteger(), 10);
    EXPECT_EQ(main().ViewSign->Get("SegCountY").ToInteger(), 6);
    EXPECT_EQ(main().SSBars->ToolById("id_FormatTop").State(), 1);
}

TEST_F(CandidateListTest, ShowGivesAShortLastRowASmallerFont) {
    Show("AF0-1S2A4-1006H");  // 70 by 30 LEDs on 7 by 5 LED modules
    ASSERT_EQ(window().Valid, vb::True) << window().Message;
    for (vb::Integer i = 0; i <= 3; ++i)
        EXPECT_EQ(Line(i), Es(11)) << i;
    EXPECT_EQ(Line(4), "");
    EXPECT_EQ(main().HSLine(2).Value(), 7);  // the 4x6 font
}

TEST_F(CandidateListTest, ARefusedNumberLeavesTheLinesAlone) {
    main().txtZomelText(0).SetText("KEEP");
    Show("AF0-2H2A6-0602V");
    EXPECT_EQ(Line(0), "KEEP");
    EXPECT_EQ(main().lblWarn->Caption(), "Your LED count is not recognized");
    EXPECT_EQ(host.Beeps(), 1);
}

// ---- The model number box ------------------------------------------------------------------

TEST_F(CandidateListTest, TheBoxWarnsWhileTheLengthIsWrong) {
    forms::TextBox& box = *main().txtModel;
    box.SetText("AF0-1H2A4-1006H");
    EXPECT_FALSE(main().lblWarn->Visible());
    box.SetSelStart(15);
    box.SetSelText("X");
    EXPECT_EQ(main().lblWarn->Caption(), "VELDO model numbers have a maximum length of 15");
    EXPECT_EQ(Panel5(), "VELDO model numbers have a maximum length of 15");
    EXPECT_EQ(host.Beeps(), 1);
    box.SetText("AF0-1H2A4-1006");
    EXPECT_EQ(main().lblWarn->Caption(),
              "Your Model # is too small.  Did you accidentally delete a character?");
    EXPECT_EQ(host.Beeps(), 1);
    box.SetText("AF0-1H2A4-1006H");
    EXPECT_FALSE(main().lblWarn->Visible());
    EXPECT_FALSE(Panel5Visible());
    EXPECT_EQ(Panel5(), " ");
}

TEST_F(CandidateListTest, TypingInLowerCaseKeepsTheCaret) {
    forms::TextBox& box = *main().txtModel;
    box.SetText("AF0-1H2A4-1006H");
    box.SetSelStart(4);
    box.SetSelLength(1);
    box.SetSelText("x");
    EXPECT_EQ(box.Text(), "AF0-XH2A4-1006H");
    EXPECT_EQ(box.SelStart(), 5);
    EXPECT_EQ(box.SelLength(), 0);
    box.SetSelStart(6);
    box.SetSelLength(3);
    box.SetText("af0-1h2a4-1006h");
    EXPECT_EQ(box.Text(), "AF0-1H2A4-1006H");
    EXPECT_EQ(box.SelStart(), 6);
}

TEST_F(CandidateListTest, ItsTabBringsThePageWithItsNoticeOnceAndStartsTheSignOver) {
    main().txtZomelText(0).SetText("HELLO");
    ASSERT_GT(sign().XZomelCount(), 0);
    forms::TabStrip& tabs = *main().tabCreate;
    ASSERT_EQ(tabs.Tabs().Count(), 3);
    EXPECT_EQ(tabs.Tabs()(3).Get("Caption").ToString(), "Create by &Line/Character");
    host.ClearMessages();

    tabs.Select(3);
    EXPECT_TRUE(main().Frame(4).Visible());
    EXPECT_EQ(main().Frame(4).Left(), 16);
    EXPECT_FALSE(main().Frame(1).Visible());
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].prompt, forms::LoadResString(10978));
    EXPECT_EQ(Line(0), "");  // a new start
    EXPECT_EQ(sign().XZomelCount(), 0);

    // The page works once on screen: a candidate chosen lays its sign out.
    Ask("12.04 inches", "08.00 inches", 1, "2", "10");
    ASSERT_EQ(main().lstSigns->ListCount(), 1);
    main().lstSigns->SetListIndex(0);
    EXPECT_EQ(sign().YZomelCount(), 2);

    // Back to the text, and to the page again: a new start without the notice.
    tabs.Select(1);
    EXPECT_TRUE(main().Frame(1).Visible());
    EXPECT_FALSE(main().Frame(4).Visible());
    main().txtZomelText(0).SetText("AB");
    tabs.Select(3);
    EXPECT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(Line(0), "");
    EXPECT_TRUE(main().Frame(4).Visible());
}
