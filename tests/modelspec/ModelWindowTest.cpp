#include <string>
#include <vector>

#include "modelspec/frmNumberPrompt.h"
#include "platform/forms/Mnemonics.h"
#include "tests/modelspec/ModelFixture.h"

namespace {

class ModelWindowTest : public ModelTest {
protected:
    void Menu(const std::string& name) { window().ControlAs<forms::Menu>(name).Click(); }
    // The controls a person's Tab stops on, once round the window.
    std::vector<std::string> TabRound() {
        std::vector<std::string> stops;
        for (size_t press = 0; press <= window().Controls().size(); ++press) {
            host.PressTab(window());
            const forms::Control* at = window().ActiveControl();
            std::string name = !at               ? "(none)"
                               : at->Index() < 0 ? at->Name()
                                                 : at->Name() + std::to_string(at->Index());
            if (!stops.empty() && name == stops.front()) break;
            stops.push_back(name);
        }
        return stops;
    }
};

}  // namespace

TEST_F(ModelWindowTest, LoadsWithItsChoicesFromTheSign) {
    sign().SetZomel2(vb::True);
    sign().SetHighDensity(vb::False);
    sign().SetVertical(vb::True);
    window().Unload();
    window().Load();
    EXPECT_TRUE(window().optZomel(2).Value());
    EXPECT_FALSE(window().optZomel(1).Value());
    EXPECT_FALSE(window().optHigh->Value());
    EXPECT_FALSE(window().optStandard->Value());  // clearing selects none of the partners
    EXPECT_TRUE(window().optVertical->Value());
    EXPECT_TRUE(window().optDegree(30).Value());
    EXPECT_FALSE(window().optDegree(40).Value());
    EXPECT_TRUE(window().optLEDPerPixel(4).Value());
    EXPECT_EQ(window().comboColumns->Text(), "01");
    EXPECT_EQ(window().comboRows->Text(), "01");
    EXPECT_EQ(window().FrameChoices->Left(), -20000);
    EXPECT_EQ(window().FrameMeaning->Left(), -20000);
    EXPECT_TRUE(window().cmdCancel->Visible());
    EXPECT_FALSE(window().cmdModelNum->Visible());
    EXPECT_FALSE(window().cmdSpecs->Visible());
    EXPECT_FALSE(window().cmdBack->Visible());
    EXPECT_FALSE(window().cmdLines->Visible());
    EXPECT_EQ(window().Caption(), "Model Number Generator");
}

TEST_F(ModelWindowTest, PanesFollowTheMenusAndButtons) {
    Menu("mnuBuild");
    EXPECT_EQ(window().FrameChoices->Left(), 240);
    EXPECT_TRUE(window().cmdModelNum->Visible());
    window().cmdModelNum->Click();
    EXPECT_TRUE(window().cmdSpecs->Visible());
    const std::string built = sign().ModelNumber();
    window().cmdSpecs->Click();  // decodes the number just built
    EXPECT_EQ(window().lblProdType->Caption(), built);
    EXPECT_EQ(window().FrameChoices->Left(), -20000);
    EXPECT_EQ(window().FrameMeaning->Left(), 240);
    EXPECT_FALSE(window().cmdModelNum->Visible());
    EXPECT_FALSE(window().cmdSpecs->Visible());
    EXPECT_TRUE(window().cmdBack->Visible());
    window().cmdBack->Click();
    EXPECT_FALSE(window().cmdBack->Visible());
    EXPECT_EQ(window().FrameMeaning->Left(), -20000);
    EXPECT_EQ(window().FrameChoices->Left(), 240);
    EXPECT_TRUE(window().cmdModelNum->Visible());
}

TEST_F(ModelWindowTest, LeavingTheRowsListSetsBothCounts) {
    window().comboColumns->SetListIndex(7);
    window().comboRows->SetListIndex(2);
    forms::EventArgs cancel{vb::Variant(vb::Integer{0})};
    window().comboRows->RaiseEvent("Validate", cancel);
    EXPECT_EQ(sign().XZomelCount(), 8);
    EXPECT_EQ(sign().YZomelCount(), 3);
    EXPECT_EQ(sign().ModelNumber().substr(10, 4), "0803");
}

TEST_F(ModelWindowTest, TheCheckBoxesSetTheSignsMarks) {
    window().chkCE->Click();
    EXPECT_EQ(sign().CE(), vb::True);
    window().chkUL->Click();
    EXPECT_EQ(sign().ApprovalChar(), "3");
    window().chkCE->Click();
    EXPECT_EQ(sign().ApprovalChar(), "2");
}

TEST_F(ModelWindowTest, ReopeningResetsTheChoices) {
    window().optLEDPerPixel(8).Click();
    window().optDegree(15).Click();
    window().cmdCancel->Click();
    EXPECT_FALSE(window().IsLoaded());
    Menu("mnuBuild");
    window().cmdModelNum->Click();
    EXPECT_EQ(sign().ModelNumber().substr(6, 3), "2A4");
}

TEST_F(ModelWindowTest, ATypedNumberIsDecodedAndTheCancelledBoxDecodesTheLastAgain) {
    window().Load();
    host.OnModal("frmNumberPrompt", [](forms::Form& box) {
        EXPECT_EQ(box.Caption(), "Sign Model Number");
        auto& prompt = dynamic_cast<zomel::frmNumberPrompt&>(box);
        EXPECT_EQ(prompt.lblPrompt->Caption(), "Enter the complete Model number");
        prompt.txtAnswer->SetText("af0-1h2a4-0403h");
        prompt.cmdOK->Click();
    });
    Menu("mnuEMNumber");
    EXPECT_EQ(window().Valid, vb::True);
    EXPECT_EQ(window().Caption(), "Model Number = af0-1h2a4-0403h");
    EXPECT_EQ(window().lblProdType->Caption(), "AF0-1H2A4-0403H");
    EXPECT_EQ(window().FrameMeaning->Left(), 240);
    EXPECT_EQ(sign().XZomelCount(), 4);

    auto cancel = [](forms::Form& box) {
        dynamic_cast<zomel::frmNumberPrompt&>(box).cmdCancel->Click();
    };
    host.OnModal("frmNumberPrompt", cancel);
    Menu("mnuEMNumber");
    EXPECT_EQ(window().Caption(), "Model Number = af0-1h2a4-0403h");
    // A number built since is the one decoded again.
    sign().SetXZomelCount(9);
    host.OnModal("frmNumberPrompt", cancel);
    Menu("mnuEMNumber");
    EXPECT_EQ(window().Caption(), "Model Number = AF0-1H2A4-0903H");
    EXPECT_EQ(window().txtColumns->Text(), "09");
}

TEST_F(ModelWindowTest, F12ShowsTheWindowsNumber) {
    window().Load();
    window().KeyUp(123, 0);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].prompt, "Sign Model Interaction Editor #116");
}

// The pane put aside off the window holds no Tab stop, whichever pane is shown.
TEST_F(ModelWindowTest, TabStopsOnlyOnWhatTheWindowShows) {
    main().SSBars->ClickTool("id_ViewModels");
    ASSERT_TRUE(window().Visible());
    Menu("mnuBuild");
    using Stops = std::vector<std::string>;
    EXPECT_EQ(TabRound(),
              (Stops{"optDMSAssembled", "optFull", "chkCE", "chkUL", "optZomel1", "optHigh",
                     "optDegree30", "optAmber", "optLEDPerPixel4", "optHorizontal", "comboColumns",
                     "comboRows", "cmdModelNum", "cmdCancel"}));
    window().cmdModelNum->Click();
    window().cmdSpecs->Click();
    EXPECT_EQ(TabRound(), (Stops{"txtProdType", "txtSignType", "txtApproval", "txtDisplayType",
                                 "txtDensity", "txtAngularity", "txtColor", "txtLeds", "txtColumns",
                                 "txtRows", "txtOrient", "cmdBack", "cmdCancel"}));
    // Nor does a label there lend its letter: Alt+R stays on this pane.
    EXPECT_EQ(forms::LabelledByMnemonic(window(), 'R'), nullptr);
    window().cmdBack->Click();
    EXPECT_EQ(forms::LabelledByMnemonic(window(), 'R'), &*window().comboRows);
}
