#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/frmSolar.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "estimate/frmOrder.h"
#include "platform/forms/BasicControls.h"
#include "platform/forms/Instance.h"
#include "platform/forms/TextMeasure.h"
#include "tests/core/startup/StartupFixture.h"
#include "tests/support/PinnedFace.h"

namespace {

using zomel::frmSolar;

constexpr vb::Integer kKeyS = 83;
constexpr vb::Integer kAlt = 4;
constexpr vb::Integer kShiftAlt = 5;
constexpr vb::Integer kCtrlAlt = 6;

// A fresh run with the sign model and the main window loaded, as start-up leaves them.
class SolarWindowTest : public StartupTest {
protected:
    void SetUp() override {
        StartupTest::SetUp();
        FreshRun::StartSign().Load();
    }

    static frmSolar& Solar() { return forms::Instance<frmSolar>(); }
    static zomel::frmMain& Main() { return *zomel::MainForm; }
    static zomel::frmOrder& Order() { return forms::Instance<zomel::frmOrder>(); }

    static void UseSign(vb::Integer columns, vb::Integer rows, bool high) {
        zomel::gSign->SetXZomelCount(columns);
        zomel::gSign->SetYZomelCount(rows);
        zomel::gSign->SetHighDensity(vb::Flag(high));
    }

    // Opens the window; it stays open for the test to use, as a modal window does.
    static frmSolar& Open() {
        if (Solar().IsLoaded()) Solar().Unload();
        Solar().Load();
        return Solar();
    }
    static void Close() { Solar().cmdOk->Click(); }

    static void Type(forms::TextBox& box, const std::string& text) {
        box.TypeText(text, static_cast<vb::Long>(text.size()));
    }

    static std::pair<std::string, std::string> Boxes() {
        return {Solar().txtBats->Text(), Solar().txtPanels->Text()};
    }
    static std::pair<vb::Long, vb::Long> Priced() {
        return {Order().BatteryCount.ToLong(), Order().PanelCount.ToLong()};
    }
    static std::vector<std::string> Months() {
        std::vector<std::string> captions;
        for (vb::Integer m = 0; m < 12; ++m)
            captions.push_back(Solar().lblOut(m).Caption());
        return captions;
    }
    static vb::Integer ChosenCity() {
        for (vb::Integer i = 0; i < 4; ++i)
            if (Solar().optCity(i).Value()) return i;
        return -1;
    }
    static vb::Integer ChosenPower() {
        for (vb::Integer i = 0; i < 4; ++i)
            if (Solar().optPower(i).Value()) return i;
        return -1;
    }
    std::vector<std::string> Prompts() const {
        std::vector<std::string> prompts;
        for (const auto& message : host.Messages())
            prompts.push_back(message.prompt);
        return prompts;
    }
};

// The default 20 x 6 sign at standard density, 25 % lit: 1050 lit pixels.  In Minneapolis
// November decides (worked in SolarBalanceTest): 12 panels and 24 batteries.  In Miami June
// does: a pixel draws (18 - 15.31) x 0.001 + 0.02 x 15.31 = 0.30889, the sign 8.04 + 324.33
// = 332.37 a day; 11 panels give 247.5, 22 batteries hold 2024 for 23.8 days; 10 panels and
// 20 batteries hold 1840 for 17.1 days.
TEST_F(SolarWindowTest, TheFirstOpeningSuggestsCountsForTheSignAndPricesThem) {
    UseSign(20, 6, false);
    host.OnModal("frmSolar", [](forms::Form&) {});
    Solar().Show(forms::ShowStyle::Modal, &Order());
    EXPECT_EQ(host.Journal().front(), "modal frmSolar owner frmOrder");
    EXPECT_FALSE(Solar().IsLoaded());  // closed with its close box; the counts stay
    EXPECT_EQ(Priced(), (std::pair<vb::Long, vb::Long>{24, 12}));

    Open();
    EXPECT_EQ(Boxes(), (std::pair<std::string, std::string>{"24", "12"}));
    EXPECT_EQ(ChosenCity(), 2);
    EXPECT_EQ(ChosenPower(), 0);
    EXPECT_EQ(Solar().Caption(), "Solar Panels and Batteries 18  hour days");
    EXPECT_EQ(Solar().optPower(1).Caption(), "More pixels on");
    EXPECT_FALSE(Solar().UpDownDays->Visible());
    EXPECT_EQ(Solar().lblDays->Caption(), "");
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(SolarWindowTest, AnotherCityRecomputesTheMonthsAndSuggestsOnRequest) {
    UseSign(20, 6, false);
    Open();
    auto minneapolis = Months();
    Solar().optCity(1).Click();
    EXPECT_EQ(Main().SolarCity, 1);
    EXPECT_NE(Months(), minneapolis);
    EXPECT_EQ(Boxes(), (std::pair<std::string, std::string>{"24", "12"}));
    Solar().cmdSuggest->Click();
    EXPECT_EQ(Boxes(), (std::pair<std::string, std::string>{"22", "11"}));
    EXPECT_EQ(Priced(), (std::pair<vb::Long, vb::Long>{22, 11}));

    // The next opening takes Miami again and suggests at once.
    Close();
    Order().BatteryCount = vb::Long{0};
    Open();
    EXPECT_EQ(ChosenCity(), 1);
    EXPECT_EQ(Priced(), (std::pair<vb::Long, vb::Long>{22, 11}));
}

TEST_F(SolarWindowTest, ASmallSignInMiamiStopsAtTheFirstPair) {
    UseSign(1, 1, false);
    Main().SolarCity = 1;
    Open();
    EXPECT_EQ(Boxes(), (std::pair<std::string, std::string>{"2", "1"}));
    for (const std::string& caption : Months())
        EXPECT_TRUE(caption.starts_with("Start at 100% end at 100%")) << caption;
}

TEST_F(SolarWindowTest, MoreLitPixelsNeedMorePanelsAndBatteries) {
    // At 37 %: 1560 lit pixels.  November: 8.04 + 0.19641 x 1560 = 314.44 a day; 16 panels
    // give 168 and 32 batteries hold 2944: 20.1 days; 17 and 34 hold 3128 for 23.0 days.
    UseSign(20, 6, false);
    Open();
    Solar().optPower(2).Click();
    EXPECT_EQ(Main().SolarPercent, 37);
    Solar().cmdSuggest->Click();
    EXPECT_EQ(Boxes(), (std::pair<std::string, std::string>{"34", "17"}));
}

// One standard module with no panels and one battery (92): the draw is worked by hand in
// SolarBalanceTest.  January loses 2.42774 a day: 80 - 75.26 = 4.74 is below 5, so the bank
// is recharged on day 75 / 2.42774 = 30.9, day 31, and ends at 79.74 (100 %).  February
// loses 2.62765 a day: 79.74 - 73.57 = 6.17 (26 %).  March loses 2.86226 a day: 6.17 - 88.73
// = -82.56; the first recharge on day 1.17 / 2.86226 = 0.41, day 1, leaves -7.56, so another
// follows 75 / 2.86226 = 26 days later, on day 27, and March ends at 67.44 (87 %).
TEST_F(SolarWindowTest, TheMonthsOfABankWithoutPanels) {
    UseSign(1, 1, false);
    Open();
    Type(*Solar().txtPanels, "0");
    Type(*Solar().txtBats, "1");
    EXPECT_EQ(Priced(), (std::pair<vb::Long, vb::Long>{1, 0}));
    auto months = Months();
    EXPECT_EQ(months[0], "Start at 100% end at 100% recharge at 25% on 31 start");
    EXPECT_EQ(months[1], "Start at 100% end at 26%");
    EXPECT_EQ(months[2], "Start at 26% end at 87% recharge 2x at 25% on 1, 27");
}

TEST_F(SolarWindowTest, TheMonthsOfAHighDensityModule) {
    // January loses 8.53852 a day: 80 - 264.69 = -184.69; recharged every 75 / 8.53852 = 8.8
    // days, days 9, 18 and 27, ending at 40.31 (60 %).
    UseSign(1, 1, true);
    Open();
    Type(*Solar().txtPanels, "0");
    Type(*Solar().txtBats, "1");
    EXPECT_EQ(Solar().lblOut(0).Caption(),
              "Start at 100% end at 60% recharge 3x at 25% on 9, 18, 27 start");
}

TEST_F(SolarWindowTest, AClickOnAMonthStartsTheReportThereAndIsKept) {
    UseSign(1, 1, false);
    Open();
    Type(*Solar().txtPanels, "0");
    Type(*Solar().txtBats, "1");
    auto fromJanuary = Months();
    Solar().lblOut(6).Click();
    auto fromJuly = Months();
    EXPECT_TRUE(fromJuly[6].starts_with("Start at 100% ")) << fromJuly[6];
    EXPECT_TRUE(fromJuly[6].ends_with(" start"));
    EXPECT_FALSE(fromJuly[0].ends_with(" start"));
    EXPECT_NE(fromJuly[0], fromJanuary[0]);                      // January now follows December
    EXPECT_EQ(Priced(), (std::pair<vb::Long, vb::Long>{1, 0}));  // nothing recomputed

    Close();
    Open();
    EXPECT_TRUE(Solar().lblOut(6).Caption().ends_with(" start"));
    EXPECT_FALSE(Solar().lblOut(0).Caption().ends_with(" start"));
}

TEST_F(SolarWindowTest, ABatteryCountBelowOneIsRefused) {
    const std::string refusal = "Please specify at least one battery.";
    UseSign(20, 6, false);
    Open();
    auto months = Months();
    Type(*Solar().txtBats, "0");
    EXPECT_EQ(Prompts(), std::vector<std::string>{refusal});
    EXPECT_EQ(host.Messages().back().Buttons(), forms::vbOKOnly);
    EXPECT_EQ(Solar().txtBats->Text(), "0");
    EXPECT_EQ(Priced().first, 24);
    EXPECT_EQ(Months(), months);

    host.ClearMessages();
    Type(*Solar().txtBats, "");
    EXPECT_EQ(Prompts(), std::vector<std::string>{refusal});
    EXPECT_EQ(Solar().txtBats->Text(), "1");
    EXPECT_EQ(Priced().first, 1);
    EXPECT_NE(Months(), months);

    for (std::string text : {"many", "2x", "40000"}) {
        host.ClearMessages();
        Type(*Solar().txtBats, "3");
        Type(*Solar().txtBats, text);
        EXPECT_EQ(Prompts(), std::vector<std::string>{refusal}) << text;
        EXPECT_EQ(Solar().txtBats->Text(), "1") << text;
        EXPECT_EQ(Priced().first, 1) << text;
    }
}

TEST_F(SolarWindowTest, BatteryAndPanelCountsRoundHalvesToEven) {
    UseSign(20, 6, false);
    Open();
    Type(*Solar().txtBats, "2.5");
    Type(*Solar().txtPanels, "3.5");
    EXPECT_EQ(Priced(), (std::pair<vb::Long, vb::Long>{2, 4}));
    Type(*Solar().txtBats, "7.5");
    EXPECT_EQ(Priced().first, 8);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(SolarWindowTest, APanelCountThatIsNoCountBecomesZero) {
    UseSign(20, 6, false);
    Open();
    auto months = Months();
    Type(*Solar().txtPanels, "-3");
    EXPECT_EQ(Solar().txtPanels->Text(), "-3");
    EXPECT_EQ(Priced().second, 12);
    EXPECT_EQ(Months(), months);

    for (std::string text : {"", "some", "99999"}) {
        Type(*Solar().txtPanels, "5");
        Type(*Solar().txtPanels, text);
        EXPECT_EQ(Solar().txtPanels->Text(), "0") << text;
        EXPECT_EQ(Priced().second, 0) << text;
    }
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(SolarWindowTest, TheCurrentTextChoiceTakesTheMeasuredShare) {
    UseSign(20, 6, false);
    Main().MeasuredPercent = 30.4f;
    Open();
    Solar().optPower(3).Click();
    EXPECT_EQ(Main().SolarPercent, 30);
    // 30 is a fixed choice: the next opening selects it.
    Close();
    Open();
    EXPECT_EQ(ChosenPower(), 1);

    Main().MeasuredPercent = 42.5f;
    Solar().optPower(3).Click();
    EXPECT_EQ(Main().SolarPercent, 42);  // halves to even
    Close();
    Main().MeasuredPercent = 45.6f;
    Open();
    EXPECT_EQ(ChosenPower(), 3);
    EXPECT_EQ(Main().SolarPercent, 46);
}

TEST_F(SolarWindowTest, AltSTogglesTheExtraControls) {
    UseSign(20, 6, false);
    Main().MeasuredPercent = 12.5f;
    Open();
    Solar().KeyUp(kKeyS, kAlt);
    EXPECT_EQ(Main().SolarUnlocked, vb::True);
    EXPECT_TRUE(Solar().UpDownDays->Visible());
    EXPECT_TRUE(Solar().UpDownHours->Visible());
    EXPECT_TRUE(Solar().UpDownRecharge->Visible());
    EXPECT_EQ(Solar().lblDays->Caption(), "21 days");
    EXPECT_EQ(Solar().lblHours->Caption(), "18 hours");
    EXPECT_EQ(Solar().lblRecharge->Caption(), "Recharge at 25%");
    EXPECT_EQ(Solar().optPower(0).Caption(), "General text or 25%");
    EXPECT_EQ(Solar().optPower(1).Caption(), "Many pixels on or 30%");
    EXPECT_EQ(Solar().optPower(2).Caption(), "Power to spare or 37%");
    EXPECT_EQ(Solar().optPower(3).Caption(), "Current text has 12%");

    for (vb::Integer shift : {kShiftAlt, kCtrlAlt, vb::Integer{0}})
        Solar().KeyUp(kKeyS, shift);
    EXPECT_EQ(Main().SolarUnlocked, vb::True);

    Solar().KeyUp(kKeyS, kAlt);
    EXPECT_EQ(Main().SolarUnlocked, vb::False);
    EXPECT_FALSE(Solar().UpDownDays->Visible());
    EXPECT_EQ(Solar().lblDays->Caption(), "");
    EXPECT_EQ(Solar().lblHours->Caption(), "");
    EXPECT_EQ(Solar().lblRecharge->Caption(), "");
    EXPECT_EQ(Solar().optPower(1).Caption(), "Many pixels on");
    EXPECT_EQ(Solar().optPower(3).Caption(), "Current text");
}

TEST_F(SolarWindowTest, F12ShowsTheWindowsNumber) {
    Open();
    Solar().KeyUp(forms::vbKeyF12, 0);
    EXPECT_EQ(Prompts(), std::vector<std::string>{"Solar Panels and Batteries 18  hour days #112"});
}

// With the days needed at 31, November decides: 13 panels give 136.5 and 26 batteries hold
// 2392 for 30.8 days; 14 and 28 hold 2576 for 38.3 days.
TEST_F(SolarWindowTest, TheDaysFigureTakesEffectAtTheNextBalance) {
    UseSign(20, 6, false);
    Open();
    Solar().KeyUp(kKeyS, kAlt);
    auto months = Months();
    Solar().UpDownDays->SetValue(31);
    EXPECT_EQ(Solar().lblDays->Caption(), "31 days");
    EXPECT_EQ(Months(), months);
    Solar().cmdSuggest->Click();
    EXPECT_EQ(Boxes(), (std::pair<std::string, std::string>{"28", "14"}));

    // Hiding the extra controls keeps the figure.
    Solar().KeyUp(kKeyS, kAlt);
    Solar().cmdSuggest->Click();
    EXPECT_EQ(Boxes(), (std::pair<std::string, std::string>{"28", "14"}));
    // An opening with them hidden starts from 21.4 days again.
    Close();
    Open();
    EXPECT_EQ(Boxes(), (std::pair<std::string, std::string>{"24", "12"}));
}

TEST_F(SolarWindowTest, TheHoursFigureNamesTheWindowAndWaitsForTheNextBalance) {
    UseSign(20, 6, false);
    Open();
    Solar().KeyUp(kKeyS, kAlt);
    auto months = Months();
    Solar().UpDownHours->SetValue(20);
    EXPECT_EQ(Solar().lblHours->Caption(), "20 hours");
    EXPECT_EQ(Solar().Caption(), "Solar Panels and Batteries 20 hour days");
    EXPECT_EQ(Months(), months);
    Solar().cmdSuggest->Click();
    EXPECT_NE(Months(), months);
}

// At 30 % the threshold is level 10: January's 4.74 is below it; the bank is recharged on
// day (80 - 10) / 2.42774 = 28.8, day 29, and ends at 4.74 + 70 = 74.74 (95 %).
TEST_F(SolarWindowTest, TheRechargeLevelRedrawsTheReportAtOnce) {
    UseSign(1, 1, false);
    Open();
    Solar().KeyUp(kKeyS, kAlt);
    Type(*Solar().txtPanels, "0");
    Type(*Solar().txtBats, "1");
    Solar().UpDownRecharge->SetValue(30);
    EXPECT_EQ(Solar().lblRecharge->Caption(), "Recharge at 30%");
    EXPECT_EQ(Solar().lblOut(0).Caption(), "Start at 100% end at 95% recharge at 30% on 29 start");
}

TEST_F(SolarWindowTest, AnOpeningWithTheExtraControlsShownShowsTheFiguresInForce) {
    UseSign(20, 6, false);
    Open();
    Solar().KeyUp(kKeyS, kAlt);
    Solar().UpDownDays->SetValue(31);
    Solar().UpDownHours->SetValue(20);
    Solar().UpDownRecharge->SetValue(40);
    Close();

    Open();
    EXPECT_TRUE(Solar().UpDownDays->Visible());
    EXPECT_EQ(Solar().UpDownDays->Value(), 31);
    EXPECT_EQ(Solar().lblDays->Caption(), "31 days");
    EXPECT_EQ(Solar().lblHours->Caption(), "20 hours");
    EXPECT_EQ(Solar().Caption(), "Solar Panels and Batteries 20 hour days");
    EXPECT_EQ(Solar().lblRecharge->Caption(), "Recharge at 40%");
    EXPECT_EQ(Solar().optPower(0).Caption(), "General text or 25%");
    for (const std::string& caption : Months())
        EXPECT_EQ(caption.find("at 25%"), std::string::npos) << caption;
}

// 4 x 5 standard modules at 30 % in Seattle: 210 lit pixels, base 0.06 x 20 + 0.84 = 2.04.
// December: a pixel draws (18 - 8.67) x 0.001 + 0.02 x 8.67 = 0.18273, the sign 2.04 + 38.37
// = 40.41 a day; 3 panels give 14.4, 6 batteries hold 552 for 552 / 26.01 = 21.2 days: enough
// for 21 days, short of 21.4; 4 panels and 8 batteries hold 736 for 34.7 days.
TEST_F(SolarWindowTest, TheStartingDaysFigureIsKeptWhenTheControlsAppear) {
    UseSign(4, 5, false);
    Main().SolarCity = 3;
    Main().SolarPercent = 30;
    Main().SolarUnlocked = vb::True;
    Open();
    EXPECT_EQ(Solar().lblDays->Caption(), "21 days");
    EXPECT_EQ(Boxes(), (std::pair<std::string, std::string>{"8", "4"}));
    Solar().UpDownDays->SetValue(22);
    Solar().UpDownDays->SetValue(21);
    Solar().cmdSuggest->Click();
    EXPECT_EQ(Boxes(), (std::pair<std::string, std::string>{"6", "3"}));
}

// The month results show whole in the face the window's font resolves to on a desktop: the
// longest a month can read is seven recharges on two-digit days in the month the report starts.
class SolarMonthsFit : public SolarWindowTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(SolarMonthsFit, EveryMonthsResultFitsItsLabelInsideTheFrameAndTheWindow) {
    PinnedFace face(GetParam());
    if (!face.Installed()) GTEST_SKIP() << GetParam() << " is not installed here";
    UseSign(8, 5, false);
    Main().SolarCity = 2;
    Open();
    Type(*Solar().txtPanels, "0");
    Type(*Solar().txtBats, "8");
    std::vector<std::string> captions = Months();
    ASSERT_EQ(captions[4], "Start at 70% end at 87% recharge 5x at 25% on 4, 10, 16, 22, 28");
    captions.push_back(
        "Start at 100% end at 100% recharge 7x at 25% on 2, 6, 10, 14, 18, 22, 26 start");

    auto& months = Solar().ControlAs<forms::Frame>("frmMonths");
    for (vb::Integer m = 0; m < 12; ++m) {
        const forms::Control& label = Solar().lblOut(m);
        for (const std::string& caption : captions)
            EXPECT_LE(forms::TextWidthIn(*label.Font(), caption), label.Width())
                << caption << " in lblOut(" << m << ")";
        EXPECT_LE(label.Left() + label.Width(), months.Width() - 60) << m;
        EXPECT_LE(label.Top() + label.Height(), months.Height() - 60) << m;
    }
    EXPECT_LE(months.Left() + months.Width(), Solar().ScaleWidth());
    EXPECT_LE(months.Top() + months.Height(), Solar().ScaleHeight());
    for (const auto& control : Solar().Controls()) {
        if (!control->Container().empty()) continue;
        EXPECT_LE(control->Left() + control->Width(), Solar().ScaleWidth()) << control->Name();
    }
}

INSTANTIATE_TEST_SUITE_P(DesktopFaces, SolarMonthsFit,
                         ::testing::Values("DejaVu Sans", "Liberation Sans", "FreeSans",
                                           "Nimbus Sans"),
                         FaceTestName);

}  // namespace
