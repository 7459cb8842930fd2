#include <string>

#include "tests/modelspec/ModelFixture.h"

namespace {

class BuildTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        window().Load();
    }
    forms::Tool& Tool(const std::string& id) { return main().SSBars->ToolById(id); }
    std::string Number() { return sign().ModelNumber(); }

    // A 20 x 6 sign of version 1, high density, horizontal, full matrix, no approval mark,
    // shipped assembled.
    void StandardSign() {
        Tool("id_Build").SetState(1);
        Tool("id_Parts").SetState(0);
        sign().SetCE(vb::False);
        sign().SetUL(vb::False);
        sign().SetSegmentType(zomel::LayoutKind::FullMatrix);
        sign().SetZomel2(vb::False);
        sign().SetHighDensity(vb::True);
        sign().SetVertical(vb::False);
        sign().SetXZomelCount(20);
        sign().SetYZomelCount(6);
    }

    // A proposal as the analyzer leaves it, picked in the candidate list.
    void Candidate(vb::Integer cols, vb::Integer rows, bool high, bool vertical,
                   const std::string& lines, const std::string& chars) {
        zomel::LayoutCandidate& c = zomel::LayoutCandidates(1);
        c.FontCols = cols;
        c.FontRows = rows;
        c.HighDensity = vb::Flag(high);
        c.Vertical = vb::Flag(vertical);
        main().SelectedCandidate = 1;
        main().txtLines->SetText(lines);
        main().txtChars->SetText(chars);
    }
};

}  // namespace

TEST_F(BuildTest, TheNumberFollowsTheSign) {
    StandardSign();
    EXPECT_EQ(Number(), "AF0-1H2A4-2006H");
    EXPECT_EQ(main().txtModel->Text(), "AF0-1H2A4-2006H");
    EXPECT_EQ(window().Caption(), "Model Number = AF0-1H2A4-2006H");
    window().optDegree(40).SetValue(true);
    sign().SetXZomelCount(5);
    EXPECT_EQ(Number(), "AF0-1H3A4-0506H");
    window().optDegree(40).SetValue(false);
    sign().SetYZomelCount(2);
    EXPECT_EQ(Number(), "AF0-1H?A4-0502H");
    Tool("id_Build").SetState(0);
    Tool("id_Parts").SetState(1);
    sign().SetCE(vb::True);
    sign().SetUL(vb::True);
    window().optDegree(30).SetValue(true);
    sign().SetSegmentType(
        zomel::LayoutKind::CharacterSegmented);  // character segmented turns the modules upright
    EXPECT_EQ(Number(), "CC3-1H2A4-0502V");
}

TEST_F(BuildTest, ACandidatesColumnsAndRowsFromItsFont) {
    StandardSign();
    Candidate(5, 7, true, false, "2", "10");
    window().GenerateRecomendedModel();
    EXPECT_EQ(Number(), "AF0-1H2A4-0502H");  // 59 by 15 LEDs on 12 by 8 LED modules
    Candidate(5, 7, true, false, "1", "1");
    window().GenerateRecomendedModel();
    EXPECT_EQ(Number(), "AF0-1H2A4-0101H");
    Candidate(4, 5, false, true, "3", "7");
    window().GenerateRecomendedModel();
    EXPECT_EQ(Number(), "AF0-1S2A4-0703V");  // 34 by 17 LEDs on 5 by 7 LED modules
    window().optDegree(40).SetValue(true);
    window().GenerateRecomendedModel();
    EXPECT_EQ(Number().size(), 15u);
    EXPECT_EQ(Number().substr(6, 2), "3A");
}

TEST_F(BuildTest, ACandidateTakesTheApprovalFromTheCheckBoxes) {
    StandardSign();
    Candidate(5, 7, true, false, "1", "10");
    window().chkUL->SetValue(1);
    window().GenerateRecomendedModel();
    EXPECT_EQ(Number().substr(2, 1), "2");
    window().chkCE->SetValue(1);
    window().GenerateRecomendedModel();
    EXPECT_EQ(Number().substr(2, 1), "1");
    // The check boxes set the sign's marks as they are clicked.
    EXPECT_EQ(sign().ApprovalChar(), "3");
}

TEST_F(BuildTest, ACandidateOnAnotherLayoutIsBuiltAsFullMatrix) {
    StandardSign();
    sign().SetSegmentType(zomel::LayoutKind::LineMatrix);
    Tool("id_SignFull").SetState(0);
    Tool("id_SignLine").SetState(1);
    Candidate(5, 7, true, false, "2", "10");
    window().GenerateRecomendedModel();
    EXPECT_EQ(sign().SegmentType(), zomel::LayoutKind::FullMatrix);
    EXPECT_EQ(Number(), "AF0-1H2A4-0502H");
}

TEST_F(BuildTest, ChoicesMakeTheNumberAndMarkWhatIsUnset) {
    window().ControlAs<forms::Menu>("mnuBuild").Click();
    window().optLEDPerPixel(6).Click();
    window().comboColumns->SetListIndex(11);
    window().comboRows->SetListIndex(4);
    window().cmdModelNum->Click();
    EXPECT_EQ(Number(), "AF0-1H2A6-1205H");
    EXPECT_TRUE(window().cmdSpecs->Visible());
    window().cmdSpecs->Click();
    EXPECT_EQ(window().Message, "Your LED count is not recognized");

    window().cmdBack->Click();
    window().optDMSAssembled->SetValue(false);
    window().optDegree(40).SetValue(true);
    window().optLEDPerPixel(4).Click();
    window().cmdModelNum->Click();
    EXPECT_EQ(Number(), "?F0-1H3A4-1205H");
    EXPECT_EQ(main().txtModel->Text(), "?F0-1H3A4-1205H");
    window().cmdSpecs->Click();
    EXPECT_EQ(window().Message, "Your choice of what to ship is not recognized");
}

TEST_F(BuildTest, ShortNumbersAreRepaired) {
    forms::TextBox& box = *main().txtModel;
    box.SetText("AF0-2H2A4-602V");
    window().UpdateShortModel();
    EXPECT_EQ(box.Text(), "AF0-2H2A4-0602V");
    box.SetText("af0-22a4-0602v");
    window().UpdateShortModel();
    EXPECT_EQ(box.Text(), "AF0-2H2A4-0602V");
    box.SetText("AF0-2H2A4-0602V");
    window().Valid = vb::True;
    window().UpdateShortModel();
    EXPECT_EQ(box.Text(), "AF0-2H2A4-0602V");
    EXPECT_EQ(window().Valid, vb::True);
}

TEST_F(BuildTest, AShortNumberWithALetterForItsCodeIsInvalid) {
    forms::TextBox& box = *main().txtModel;
    box.SetText("AFX-2H2A4-602V");
    window().UpdateShortModel();
    EXPECT_EQ(box.Text(), "AFX-2H2A4-602V");
    EXPECT_EQ(window().Valid, vb::False);
    // Repairs before the failing position stay; each default goes in before what was read.
    window().Valid = vb::True;
    box.SetText("XFX-2H2A4-0602V");
    window().UpdateShortModel();
    EXPECT_EQ(box.Text(), "AFXFX-2H2A4-0602V");
    EXPECT_EQ(window().Valid, vb::False);
}

// A number built from the sign, decoded and applied, builds again into itself.
TEST_F(BuildTest, RoundTripsThroughTheMainWindow) {
    struct Layout {
        vb::Integer x, y;
        bool high, vertical;
    };
    for (const Layout& l : {Layout{10, 6, true, false}, Layout{4, 3, false, true},
                            Layout{6, 2, true, true}, Layout{12, 5, false, false}}) {
        StandardSign();
        sign().SetHighDensity(vb::Flag(l.high));
        main().HighDensity = vb::Flag(l.high);
        sign().SetVertical(vb::Flag(l.vertical));
        sign().SetXZomelCount(l.x);
        sign().SetYZomelCount(l.y);
        const std::string built = Number();
        SCOPED_TRACE(built);
        Show(built);
        ASSERT_EQ(window().Valid, vb::True) << window().Message;
        EXPECT_EQ(sign().XZomelCount(), l.x);
        EXPECT_EQ(sign().YZomelCount(), l.y);
        EXPECT_EQ(sign().HighDensity(), vb::Flag(l.high));
        EXPECT_EQ(sign().Vertical(), vb::Flag(l.vertical));
        window().UpdateModelNum();
        EXPECT_EQ(Number(), built);
    }
}
