#include <map>
#include <string>

#include "modelspec/frmNumberPrompt.h"
#include "platform/vb/Strings.h"
#include "tests/modelspec/ModelFixture.h"

namespace {

class DecodeTest : public ModelTest {
protected:
    forms::Tool& Tool(const std::string& id) { return main().SSBars->ToolById(id); }
    bool Pressed(const std::string& id) { return Tool(id).State() == 1; }
    std::string Warning() { return main().lblWarn->Caption(); }
    // The number decoded in the main window's box: its message, or "" when it is valid.
    std::string Outcome(const std::string& number) {
        Show(number);
        return window().Valid ? std::string() : window().Message;
    }
    void European() { zomel::CEOption = vb::True; }
};

struct Refused {
    const char* number;
    bool european;
    const char* message;
};

// Every message of the decoding, in step order, in the edition that gives it.
const Refused kRefusals[] = {
    {"AF0-2H2A4-060V", false,
     "Your Model # is too small.  Did you accidentally delete a character?"},
    {"XF0-2H2A4-0602V", false, "Your choice of what to ship is not recognized"},
    {"AX0-2H2A4-0602V", false, "Your sign layout choice is not recognized"},
    {"CC0-2H2A4-0602V", false, "Character segmented uses standard density"},
    {"AF0-2H2A4-0602V", true, "You need the other ZOMELBuilder for normal or none"},
    {"AF1-2H2A4-0602V", false, "You need the other ZOMELBuilder for CE"},
    {"AF2-2H2A4-0602V", false, "You need to contact VELDO for UL"},
    {"AF2-2H2A4-0602V", true, "You need to contact VELDO for UL"},
    {"AF3-2H2A4-0602V", false, "You need the other ZOMELBuilder for CE"},
    {"AF3-2H2A4-0602V", true, "You need to contact VELDO for UL"},
    {"AFX-2H2A4-0602V", false, "Your code is not recognized"},
    {"AF7-2H2A4-0602V", false, "Your code is not recognized"},
    {"AF0-3H2A4-0602V", false, "Your bus type is not recognized"},
    {"AF0-2H2A4-0602X", false, "Your ZOMEL\u00a9 orientation is not recognized"},
    {"AF0-2X2A4-0602V", false, "Your ZOMEL\u00a9 density is not recognized"},
    {"AF1-2S1A4-0602V", true, "Only the high density ZOMEL is CE certified."},
    {"AF0-2H3A4-0602V", false, "Your LED angularity is not recognized"},
    {"AF0-2H1A4-0602V", false,
     "You need to contact your VELDO representative about this display angle"},
    {"AF1-2H2A4-0602V", true,
     "You need to contact your VELDO representative about this display angle"},
    {"AF0-2H2B4-0602V", false, "Your LED color choice is not recognized"},
    {"AF0-2H2A8-0602V", false, "Contact your VELDO representative about TS4"},
    {"AF0-2H2A6-0602V", false, "Your LED count is not recognized"},
    {"AF0-2H2A4-2602V", false, "Your column count is not valid in AF0-2H2A4-2602V"},
    {"AF0-2H2A4-0002V", false, "Your column count is not valid in AF0-2H2A4-0002V"},
    {"AF0-2H2A4-1X02V", false, "Your column count is not valid in AF0-2H2A4-1X02V"},
    {"AF0-2H2A4-0607V", false, "Your row count is not valid in AF0-2H2A4-0607V"},
    {"AF0-2H2A4-060AV", false, "Your row count is not valid in AF0-2H2A4-060AV"},
    {"AF0-2H2A4-1106V", false,
     "Your ZOMEL\u00a9 count (rows * columns) is too big in AF0-2H2A4-1106V"},
};

}  // namespace

TEST_F(DecodeTest, EveryMessageInItsEdition) {
    for (const Refused& r : kRefusals) {
        SCOPED_TRACE(std::string(r.number) + (r.european ? " european" : ""));
        zomel::CEOption = r.european ? vb::True : vb::False;
        EXPECT_EQ(Outcome(r.number), r.message);
        EXPECT_EQ(Warning(), r.message);
        EXPECT_EQ(Panel5(), r.message);
        EXPECT_TRUE(Panel5Visible());
        EXPECT_TRUE(main().lblWarn->Visible());
        EXPECT_FALSE(main().ViewSign->Visible());
    }
    EXPECT_EQ(host.Beeps(), static_cast<int>(std::size(kRefusals)));
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(DecodeTest, AValidNumberSetsUpTheSignAndTheTools) {
    sign().SetVertical(vb::False);
    EXPECT_EQ(Outcome("AF0-2H2A4-0602V"), "");
    EXPECT_TRUE(Pressed("id_Build"));
    EXPECT_TRUE(Pressed("id_4PerPixel"));
    EXPECT_EQ(sign().XZomelCount(), 6);
    EXPECT_EQ(sign().YZomelCount(), 2);
    EXPECT_EQ(sign().Vertical(), vb::True);
    EXPECT_EQ(sign().HighDensity(), vb::True);
    EXPECT_TRUE(Pressed("id_Sign2"));
    EXPECT_EQ(sign().SegmentType(), zomel::LayoutKind::FullMatrix);
    EXPECT_TRUE(window().optDegree(30).Value());
    EXPECT_EQ(window().lblApprovalCode->Caption(), "The approval code is 0.");
    EXPECT_EQ(window().lblDensity->Caption(), "The density of the display is HIGH.");
    EXPECT_EQ(window().FrameMeaning->Left(), 240);
    EXPECT_EQ(window().lblProdType->Caption(), "AF0-2H2A4-0602V");
    EXPECT_EQ(window().txtColumns->Text(), "06");
    EXPECT_FALSE(main().lblWarn->Visible());
    EXPECT_FALSE(Panel5Visible());
    EXPECT_EQ(host.Beeps(), 0);
}

// The layout rules look at the sign as the number left it.
TEST_F(DecodeTest, LayoutRulesOnTheSignsState) {
    sign().SetSegmentType(zomel::LayoutKind::LineMatrix);
    sign().SetHighDensity(vb::False);
    EXPECT_EQ(Outcome("AL0-1S2A4-0602H"), "Horizontal with Line segmented, should be High density");
    EXPECT_EQ(window().lblSignRows->Caption(),
              "Horizontal with Line segmented, should be High density");
    EXPECT_EQ(Outcome("AL0-1S2A4-0602V"), "");
    EXPECT_EQ(sign().Vertical(), vb::True);
}

TEST_F(DecodeTest, PackageOfStandardDensity) {
    EXPECT_EQ(Outcome("CF0-1S2A4-0403V"), "");
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_TRUE(Pressed("id_Parts"));
    EXPECT_FALSE(Pressed("id_Build"));
    EXPECT_EQ(sign().HighDensity(), vb::False);
    EXPECT_EQ(sign().Zomel2(), vb::False);
    EXPECT_EQ(window().lblDensity->Caption(), "The density of the display is STANDARD.");
}

TEST_F(DecodeTest, EuropeanEditionAcceptsOnlyCEWithTheFifteenDegreeAngle) {
    European();
    sign().SetCE(vb::False);
    EXPECT_EQ(Outcome("AF1-1H1A4-0503H"), "");
    EXPECT_TRUE(Pressed("id_CE"));
    EXPECT_EQ(sign().CE(), vb::True);
    EXPECT_TRUE(window().optDegree(15).Value());
    EXPECT_EQ(window().lblApprovalCode->Caption(), "The approval code is 1.");
}

TEST_F(DecodeTest, AnAcceptedApprovalDigitSetsTheSignsMarks) {
    sign().SetCE(vb::True);
    sign().SetUL(vb::True);
    EXPECT_EQ(Outcome("AF0-1H2A4-0503H"), "");
    EXPECT_EQ(sign().CE(), vb::False);
    EXPECT_EQ(sign().UL(), vb::False);
    EXPECT_EQ(sign().ApprovalChar(), "0");
}

TEST_F(DecodeTest, RefusalsKeepWhatEarlierStepsApplied) {
    zomel::CEOption = vb::True;
    Outcome("AF0-2H2A4-0602V");
    EXPECT_TRUE(Pressed("id_Build"));
    zomel::CEOption = vb::False;
    Outcome("AF0-2H2A6-0602V");
    EXPECT_EQ(window().lblLEDCount->Caption(), "Your LED count is not recognized");
    window().lblLEDCount->SetCaption(" Led Count");
    Outcome("AF0-2H2A8-0602V");
    EXPECT_EQ(window().lblLEDCount->Caption(), " Led Count");
    // The counts were taken before the product was refused.
    Outcome("AF0-2H2A4-1106V");
    EXPECT_EQ(sign().XZomelCount(), 11);
    EXPECT_EQ(sign().YZomelCount(), 6);
    EXPECT_EQ(window().lblSignRows->Caption(),
              "Your ZOMEL\u00a9 count (rows * columns) is too big in AF0-2H2A4-1106V");
    EXPECT_EQ(Outcome("AF0-2H2A4-1006V"), "");
}

TEST_F(DecodeTest, AShortNumberIsRefusedBeforeAnyFieldIsApplied) {
    Tool("id_Build").SetState(0);
    Tool("id_Parts").SetState(0);
    Outcome("CF0-2H2A4-602V");
    EXPECT_FALSE(Pressed("id_Parts"));
    // A longer number passes the length and takes its orientation from its last character.
    EXPECT_EQ(Outcome("AF0-1H2A4-0503HH"), "");
    EXPECT_EQ(sign().Vertical(), vb::False);
}

TEST_F(DecodeTest, TypedNumbersQuoteTheCaseTheyWereTypedIn) {
    window().ShowMeaningOf("af0-2h2a4-2602v");
    EXPECT_EQ(window().Message, "Your column count is not valid in af0-2h2a4-2602v");
    EXPECT_EQ(window().lblProdType->Caption(), "AF0-2H2A4-2602V");
    EXPECT_EQ(window().Caption(), "Model Number = af0-2h2a4-2602v");
    window().ShowMeaningOf("af0-2h2a4-0607v");
    EXPECT_EQ(window().Message, "Your row count is not valid in AF0-2H2A4-0607V");
    window().ShowMeaningOf("af0-1h2a4-0503h");
    EXPECT_EQ(window().Valid, vb::True);
    EXPECT_EQ(window().txtProdType->Text(), "A");
    EXPECT_EQ(window().FrameMeaning->Left(), 240);
}

// The counts set by the decoding rebuild the sign's number; the message still quotes the
// number that was decoded.
TEST_F(DecodeTest, RecomputationsDuringDecodingDoNotReplaceTheNumber) {
    window().ShowMeaningOf("AF0-1H2A4-0507H");
    EXPECT_EQ(sign().XZomelCount(), 5);
    EXPECT_EQ(window().Message, "Your row count is not valid in AF0-1H2A4-0507H");
}

namespace {

// The two ways to a decoding: the window's Specs button decodes the sign's number, the
// number menu decodes the one typed in its box.  The sign holds the number on both ways, so
// that only the way differs.
class DecodePathsTest : public DecodeTest {
protected:
    using Seen = std::map<std::string, std::string>;

    Seen ThroughSpecs(const std::string& number) {
        window().Load();
        sign().SetModelNumber(number);
        window().cmdSpecs->Click();
        return WhatIsSeen();
    }

    Seen Typed(const std::string& number) {
        window().Load();
        sign().SetModelNumber(number);
        host.OnModal("frmNumberPrompt", [&number](forms::Form& box) {
            auto& prompt = dynamic_cast<zomel::frmNumberPrompt&>(box);
            prompt.txtAnswer->SetText(number);
            prompt.cmdOK->Click();
        });
        window().ControlAs<forms::Menu>("mnuEMNumber").Click();
        return WhatIsSeen();
    }

private:
    // What the decoding leaves in the window, on the sign and on the main window's tools.
    Seen WhatIsSeen() {
        zomel::frmModelNum& w = window();
        Seen seen{{"valid", std::to_string(w.Valid)}, {"message", w.Message}};
        for (const auto* box :
             {&w.txtProdType, &w.txtSignType, &w.txtApproval, &w.txtDisplayType, &w.txtDensity,
              &w.txtAngularity, &w.txtColor, &w.txtLeds, &w.txtColumns, &w.txtRows, &w.txtOrient})
            seen[(*box)->Name()] = (*box)->Text();
        for (const auto* label :
             {&w.lblProdType, &w.lblApprovalCode, &w.lblDensity, &w.lblLEDCount, &w.lblSignRows})
            seen[(*label)->Name()] = (*label)->Caption();
        seen["meaning shown"] = std::to_string(w.FrameMeaning->Left());
        seen["choices shown"] = std::to_string(w.FrameChoices->Left());
        seen["15 degree"] = std::to_string(w.optDegree(15).Value());
        const zomel::Sign& s = sign();
        seen["sign"] = s.ModelNumber() + " " + std::to_string(s.XZomelCount()) + "x" +
                       std::to_string(s.YZomelCount()) + " layout " +
                       std::to_string(zomel::StoredNumberOf(s.SegmentType())) + " vertical " +
                       std::to_string(s.Vertical()) + " high " + std::to_string(s.HighDensity()) +
                       " version 2 " + std::to_string(s.Zomel2()) + " marks " + s.ApprovalChar();
        seen["model box"] = main().txtModel->Text();
        for (const char* id : {"id_Build", "id_Parts", "id_CE", "id_4PerPixel", "id_SignFull",
                               "id_SignLine", "id_SignChar", "id_Sign1", "id_Sign2"})
            seen[id] = std::to_string(Tool(id).State());
        return seen;
    }
};

}  // namespace

TEST_F(DecodePathsTest, TheSignsNumberAndATypedOneDecodeAlike) {
    const char* const numbers[] = {
        "AF0-2H2A4-0602V",  // valid, every field applied
        "CF0-1S2A4-0403V",  // a package of standard density
        "CC0-2H2A4-0602V",  // refused at the layout
        "AF0-2H1A4-0602V",  // refused at the angle
        "af0-2h2a4-2602v",  // the columns, quoting the number as typed
        "AF0-2H2A4-0607V",  // the rows
        "AF0-1H2A4-0507H",  // the rows, after the columns rebuilt the sign's number
        "AF0-2H2A4-1106V",  // too many modules
        "AL0-1S2A4-0602H",  // the layout rules on the sign's new state
    };
    for (const char* number : numbers) {
        SCOPED_TRACE(number);
        Restart();
        const Seen specs = ThroughSpecs(number);
        Restart();
        const Seen typed = Typed(number);
        EXPECT_EQ(specs.at("lblProdType"), vb::UCase(number));
        EXPECT_EQ(specs, typed);
    }
}
