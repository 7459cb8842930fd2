#include "catalogue/frmOptions.h"
#include "platform/forms/Instance.h"
#include "platform/os/Settings.h"
#include "tests/editor/mainwin/MainWindowFixture.h"

using namespace zomel;

namespace {

// The units window as a person meets it: opened from the main window's units command.
class UnitsWindowTest : public MainWindowTest {
protected:
    // The units the sign starts with, as the per-user settings hold them.
    void SaveUnits(const std::string& weight, const std::string& length,
                   const std::string& charSize) {
        os::SaveSetting("ZomelBuilder", "Units", "WeightUnit", weight);
        os::SaveSetting("ZomelBuilder", "Units", "LengthUnit", length);
        os::SaveSetting("ZomelBuilder", "Units", "CharSizeUnit", charSize);
    }
    frmOptions& Open() {
        if (!Main().IsLoaded()) LoadMain();
        Click("id_ViewOptions");
        return forms::Instance<frmOptions>();
    }
    static std::string Saved(const std::string& key) {
        return os::GetSetting("ZomelBuilder", "Units", key, "<none>");
    }
    // The captions of the selected buttons of the three groups, "-" for a group with none.
    static std::vector<std::string> Selected(frmOptions& units) {
        std::vector<std::string> shown;
        for (auto* group : {&units.OptWeight, &units.OptHeight, &units.OptCharHeight}) {
            std::string caption = "-";
            for (vb::Integer i = 0; i <= 3; ++i) {
                auto* button = units.FindControl(group->Name(), i);
                if (button && (*group)(i).Value()) caption = (*group)(i).Caption();
            }
            shown.push_back(caption);
        }
        return shown;
    }
    std::string Panel(vb::Long index) {
        return Main().sbStatusBar->Panels()(index).Get("Text").ToString();
    }
};

TEST_F(UnitsWindowTest, OpensBesideTheMainWindowShowingTheUnitsInForce) {
    SaveUnits("lbs", "ft", "in");
    frmOptions& units = Open();
    EXPECT_EQ(host.Journal().back(), "show frmOptions owner frmMain");
    EXPECT_FALSE(units.IsModal());
    EXPECT_EQ(units.Caption(), "Options");
    EXPECT_EQ(Selected(units), (std::vector<std::string>{"&Pounds", "&Feet", "Inc&hes"}));
    EXPECT_FALSE(units.cmdApply->Enabled());
    EXPECT_TRUE(units.cmdOk->Get("Default").ToBool());
    EXPECT_TRUE(units.cmdCancel->Get("Cancel").ToBool());
    // Each group is a group of its own: choosing in one leaves the others.
    units.OptHeight(2).Click();
    EXPECT_EQ(Selected(units), (std::vector<std::string>{"&Pounds", "&Meters", "Inc&hes"}));
}

TEST_F(UnitsWindowTest, MetricAppliedShowsMetricFiguresAndStaysOpen) {
    SaveUnits("lbs", "in", "in");
    LoadMain();
    Main().txtZomelText(0).SetText("HELLO");
    ASSERT_EQ(Panel(2), "Dimensions: 67.75 x 13.75 in");
    ASSERT_EQ(HeightLabel(0), "5x7 VELDO Font 12.04 in");

    frmOptions& units = Open();
    units.OptWeight(0).Click();
    EXPECT_TRUE(units.cmdApply->Enabled());
    units.OptHeight(2).Click();
    units.OptCharHeight(0).Click();
    units.cmdApply->Click();

    EXPECT_TRUE(units.IsLoaded());
    EXPECT_TRUE(units.Visible());
    EXPECT_FALSE(units.cmdApply->Enabled());
    EXPECT_EQ(TheSign().WeightUnit(), "kg");
    EXPECT_EQ(TheSign().LengthUnit(), "m");
    EXPECT_EQ(TheSign().CharSizeUnit(), "cm");
    EXPECT_EQ(Saved("WeightUnit"), "kg");
    EXPECT_EQ(Saved("LengthUnit"), "m");
    EXPECT_EQ(Saved("CharSizeUnit"), "cm");
    // 67.75 in is 1.72 m and 13.75 in is 0.35 m; 12.04 in is 30.58 cm.
    EXPECT_EQ(Panel(2), "Dimensions: 1.72 x .35 m");
    EXPECT_TRUE(Panel(4).ends_with(" kg")) << Panel(4);
    for (vb::Integer line = 0; line <= 10; ++line)
        EXPECT_EQ(HeightLabel(line), "5x7 VELDO Font 30.58 cm") << line;
    EXPECT_EQ(Main().cbbHigh->ListCount(), 24);
    EXPECT_EQ(Main().cbbHigh->List(0), "20.32 centemeters");
    EXPECT_EQ(Main().cbbHigh->List(23), "83.82 centemeters");
    EXPECT_EQ(Main().cbbWide->ListCount(), 0);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(UnitsWindowTest, OkWithoutChangesWritesTheUnitsAgainAndCloses) {
    SaveUnits("kg", "cm", "in");
    LoadMain();
    Main().chkHigh->SetValue(1);
    Main().cbbHigh->SetListIndex(0);  // "08.00 inches": its one width is offered
    ASSERT_EQ(Main().cbbWide->ListCount(), 1);
    os::SaveSetting("ZomelBuilder", "Units", "LengthUnit", "edited");

    frmOptions& units = Open();
    units.cmdOk->Click();
    EXPECT_FALSE(units.IsLoaded());
    EXPECT_EQ(host.Journal().back(), "unload frmOptions");
    EXPECT_EQ(Saved("LengthUnit"), "cm");  // written again
    EXPECT_EQ(Main().cbbHigh->ListCount(), 24);
    EXPECT_EQ(Main().cbbHigh->ListIndex(), -1);
    EXPECT_EQ(Main().cbbWide->ListCount(), 0);
}

TEST_F(UnitsWindowTest, CancelAndTheCloseBoxLeaveTheUnitsAsTheyWere) {
    SaveUnits("lbs", "ft", "in");
    frmOptions& units = Open();
    units.OptWeight(0).Click();
    units.OptHeight(0).Click();
    units.cmdCancel->Click();
    EXPECT_FALSE(units.IsLoaded());
    EXPECT_EQ(TheSign().WeightUnit(), "lbs");
    EXPECT_EQ(TheSign().LengthUnit(), "ft");

    Open();
    EXPECT_EQ(Selected(units), (std::vector<std::string>{"&Pounds", "&Feet", "Inc&hes"}));
    units.OptCharHeight(0).Click();
    EXPECT_TRUE(units.CloseByUser());
    EXPECT_EQ(TheSign().CharSizeUnit(), "in");
    EXPECT_EQ(Saved("CharSizeUnit"), "in");
    // Escape is Cancel too.
    Open();
    units.OptWeight(0).Click();
    units.KeyDown(forms::vbKeyEscape, 0);
    EXPECT_FALSE(units.IsLoaded());
    EXPECT_EQ(TheSign().WeightUnit(), "lbs");
}

TEST_F(UnitsWindowTest, UnknownUnitCodesSelectNothingAndApplyAsTheLowestButtons) {
    SaveUnits("stone", "yd", "Cm");  // codes are compared exactly, case included
    frmOptions& units = Open();
    EXPECT_EQ(Selected(units), (std::vector<std::string>{"-", "-", "-"}));
    EXPECT_FALSE(units.cmdApply->Enabled());
    units.cmdOk->Click();
    EXPECT_EQ(TheSign().WeightUnit(), "lbs");
    EXPECT_EQ(TheSign().LengthUnit(), "ft");
    EXPECT_EQ(TheSign().CharSizeUnit(), "pix");
}

TEST_F(UnitsWindowTest, EveryButtonWritesItsOwnUnit) {
    struct Choice {
        vb::Integer weight, length, charSize;
        const char *weightUnit, *lengthUnit, *charSizeUnit;
    };
    const Choice choices[] = {{0, 0, 0, "kg", "cm", "cm"},
                              {1, 1, 1, "lbs", "ft", "in"},
                              {0, 2, 2, "kg", "m", "pix"},
                              {1, 3, 1, "lbs", "in", "in"}};
    frmOptions& units = Open();
    for (const Choice& choice : choices) {
        units.OptWeight(choice.weight).Click();
        units.OptHeight(choice.length).Click();
        units.OptCharHeight(choice.charSize).Click();
        units.cmdApply->Click();
        EXPECT_EQ(TheSign().WeightUnit(), choice.weightUnit);
        EXPECT_EQ(TheSign().LengthUnit(), choice.lengthUnit);
        EXPECT_EQ(TheSign().CharSizeUnit(), choice.charSizeUnit);
    }
}

TEST_F(UnitsWindowTest, F12ShowsTheWindowsNumber) {
    frmOptions& units = Open();
    units.KeyUp(forms::vbKeyF12, 0);
    ASSERT_EQ(host.Messages().size(), 1U);
    EXPECT_EQ(host.Messages()[0].prompt, "Options #110");
}

}  // namespace
