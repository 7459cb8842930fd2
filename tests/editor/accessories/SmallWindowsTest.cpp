#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "core/LogChannel.h"
#include "editor/frmAbout.h"
#include "editor/frmSplash.h"
#include "editor/frmVELDOInfo.h"
#include "platform/forms/Interaction.h"
#include "tests/editor/accessories/AccessoryFixture.h"

namespace {

using zomel::frmAbout;
using zomel::frmVELDOInfo;

class SmallWindowsTest : public AccessoryTest {
protected:
    void PressKey(forms::Form& form, vb::Integer key, vb::Integer shift = 0) {
        form.KeyUp(key, shift);
    }
};

TEST_F(SmallWindowsTest, AboutShowsTheVersionAndTitleAndClosesWithOk) {
    host.OnModal("frmAbout", [](forms::Form& form) {
        auto& about = static_cast<frmAbout&>(form);
        EXPECT_EQ(about.Caption(), "About VELDO ZOMELBuilder");
        EXPECT_EQ(about.lblVersion->Caption(), "Version 1.0.0");
        EXPECT_EQ(about.lblTitle->Caption(), forms::App().Title);
        about.cmdOk->Click();
        EXPECT_FALSE(about.IsLoaded());
    });
    Main().mnuHelpAbout_Click();
    EXPECT_EQ(host.Journal().back(), "unload frmAbout");
}

TEST_F(SmallWindowsTest, AboutAnswersCtrlAltWithTheCreditAndF12WithItsNumber) {
    frmAbout& about = forms::Instance<frmAbout>();
    about.Load();
    PressKey(about, 65, forms::vbCtrlMask | forms::vbAltMask);
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(LastPrompt(), "ZomelBuilder was designed and written by the VELDO engineering team.");
    EXPECT_EQ(host.Messages().back().Icon(), 0);
    PressKey(about, 65, forms::vbCtrlMask);
    EXPECT_EQ(host.Messages().size(), 1u);
    PressKey(about, forms::vbKeyF12);
    EXPECT_EQ(LastPrompt(), "About VELDO ZOMELBuilder #101");
}

TEST_F(SmallWindowsTest, SystemInfoStartsAnInstalledProgramElseSaysItIsUnavailable) {
    std::string saved = std::getenv("PATH") ? std::getenv("PATH") : "";
    std::string bin = env.Root() + "bin";
    std::filesystem::create_directories(bin);
    ::setenv("PATH", bin.c_str(), 1);
    frmAbout& about = forms::Instance<frmAbout>();
    about.cmdSysInfo->Click();
    EXPECT_EQ(LastPrompt(), "System Information Is Unavailable At This Time");

    std::string marker = env.Root() + "started";
    env.WriteFile("bin/hardinfo", "#!/bin/sh\n: > '" + marker + "'\n");
    std::filesystem::permissions(bin + "/hardinfo", std::filesystem::perms::owner_all);
    host.ClearMessages();
    about.cmdSysInfo->Click();
    ::setenv("PATH", saved.c_str(), 1);
    EXPECT_TRUE(host.Messages().empty());
    for (int i = 0; i < 200 && !std::filesystem::exists(marker); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(std::filesystem::exists(marker));
}

TEST_F(SmallWindowsTest, ContactWindowTracesItsVisitAndShowsTheMakersLines) {
    std::string log = env.Root() + "run.log";
    ASSERT_TRUE(zomel::OpenLog(log));
    zomel::DebugLevel = 2;
    host.OnModal("frmVELDOInfo", [](forms::Form& form) {
        EXPECT_EQ(form.Caption(), "Contacting VELDO, Inc.");
        EXPECT_NE(form.ControlAs<forms::Label>("Label6").Caption().find("@"), std::string::npos);
        EXPECT_FALSE(form.ControlAs<forms::Image>("Image1").Get("Picture").ToString().empty());
    });
    Main().mnuHelpContact_Click();
    zomel::CloseLog();
    std::string text = TestEnvironment::ReadFile(log);
    EXPECT_NE(text.find(" Enter form -> VELDO Info translated as 'Contacting VELDO, Inc.'"),
              std::string::npos);
    EXPECT_NE(text.find(" Exit form -> VELDO Info translated as 'Contacting VELDO, Inc.'"),
              std::string::npos);
    PressKey(forms::Instance<frmVELDOInfo>(), forms::vbKeyF12);
    EXPECT_EQ(LastPrompt(), "Contacting VELDO, Inc. #102");
}

TEST_F(SmallWindowsTest, EscapeClosesTheContactAboutClipListAndSpecificationWindows) {
    int closed = 0;
    for (const char* name : {"frmVELDOInfo", "frmAbout", "frmClipList", "frmSpecChoose"})
        host.OnModal(name, [&closed](forms::Form& form) {
            form.KeyDown(forms::vbKeyEscape, 0);
            EXPECT_FALSE(form.IsLoaded()) << form.Name();
            closed += form.IsLoaded() ? 0 : 1;
        });
    Main().mnuHelpContact_Click();
    Main().mnuHelpAbout_Click();
    Main().mnuSignClipList_Click();
    Main().mnuSignSpec_Click();
    EXPECT_EQ(closed, 4);
    // The closed choice made no document.
    const auto& journal = host.Journal();
    EXPECT_EQ(std::find(journal.begin(), journal.end(), "unload FrmGenSpec"), journal.end());
}

TEST_F(SmallWindowsTest, SplashShowsTheProgramItsVersionAndItsPicture) {
    auto& splash = forms::Instance<zomel::frmSplash>();
    splash.Show();
    EXPECT_EQ(splash.ControlAs<forms::Label>("lblVersion").Caption(), "Version 1.0.0");
    EXPECT_EQ(splash.ControlAs<forms::Label>("lblProductName").Caption(), forms::App().Title);
    std::string picture = splash.ControlAs<forms::Image>("Image1").Get("Picture").ToString();
    EXPECT_TRUE(std::filesystem::exists(picture)) << picture;
    PressKey(splash, forms::vbKeyF12);
    EXPECT_EQ(LastPrompt(), "Splash #115");
}

// The splash's frame shows all four edges: it lies inside the window's inner area, and what it
// holds lies inside it.
TEST_F(SmallWindowsTest, TheSplashsFrameLiesInsideTheWindowAndHoldsItsControls) {
    auto& splash = forms::Instance<zomel::frmSplash>();
    splash.Show();
    const forms::Control& frame = splash.ControlNamed("fraMainFrame");
    EXPECT_GE(frame.Left(), 0);
    EXPECT_GE(frame.Top(), 0);
    EXPECT_LE(frame.Left() + frame.Width(), splash.ScaleWidth());
    EXPECT_LE(frame.Top() + frame.Height(), splash.ScaleHeight());
    for (const auto& control : splash.Controls()) {
        if (control->Container() != "fraMainFrame") continue;
        EXPECT_LE(control->Left() + control->Width(), frame.Width()) << control->Name();
        EXPECT_LE(control->Top() + control->Height(), frame.Height()) << control->Name();
    }
}

}  // namespace
