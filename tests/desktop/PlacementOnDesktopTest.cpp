#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "platform/com/ServerLibrary.h"
#include "platform/os/Ini.h"
#include "tests/desktop/PrivateDesktop.h"
#include "tests/support/TestEnvironment.h"

// The program on an X screen, with openbox and without, driven as a person drives it: what
// the window manager does to the windows (frames, placement, maximising, closing) takes part.
namespace {

const char* const kMainTitle = "VELDO ZOMELBuilder";
constexpr int kMainMinWidth = 300;
constexpr double kStartSeconds = 30;

}  // namespace

class PlacementOnDesktop : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (std::string missing = PrivateDesktop::MissingTool(WindowManager()); !missing.empty())
            GTEST_SKIP() << missing << " is not installed (apt-get install xvfb openbox xdotool "
                         << "x11-utils wmctrl): the tests on a private X screen are skipped";
        desktop_ = std::make_unique<PrivateDesktop>(WindowManager());
        if (!desktop_->Ready()) GTEST_SKIP() << "no private X screen could be started";
        com::RegisterServer(VELDOSIGN_LIBRARY);
    }
    bool WindowManager() const { return GetParam(); }

    ScreenWindow StartProgram() {
        program_ = desktop_->Start({ZOMEL_PROGRAM}, Errors());
        auto main = FindWindow(*desktop_, kMainTitle, kMainMinWidth, kStartSeconds);
        if (!main)
            throw std::runtime_error("the main window did not come up; the program said:\n" +
                                     TestEnvironment::ReadFile(Errors()));
        // Let the window manager settle the frame.
        Settle();
        return Describe(*desktop_, main->id);
    }
    void Settle() const { desktop_->Run("sleep 0.4"); }
    // Keys typed into a window; without a window manager nothing activates windows, the
    // window takes the focus itself.
    void Keys(const ScreenWindow& window, const std::string& keys) const {
        std::string focus = WindowManager() ? "windowactivate" : "windowfocus";
        desktop_->Run("xdotool " + focus + " --sync " + std::to_string(window.id) +
                      " key --clearmodifiers " + keys);
    }
    // What the program said on its standard error: a sanitizer's report, Qt's complaints.
    std::string Errors() const { return env_.Root() + "program-errors.txt"; }
    // Waits for the program to end, as a program closed by a person does: with status 0 (under
    // the sanitizers a finding ends it otherwise, and its report is shown).
    bool Ended(double seconds) const {
        int status = 0;
        if (!desktop_->WaitForExit(program_, seconds, &status)) return false;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << "the program ended with wait status " << status << "; it said:\n"
            << TestEnvironment::ReadFile(Errors());
        return true;
    }
    // The window manager's close (the close box); without one, File > Exit.  Once more should
    // a busy machine have let the key reach the window manager before the activation.
    bool CloseBox(const ScreenWindow& window) {
        if (!WindowManager()) return Exit(window);
        for (int attempt = 0; attempt < 3; ++attempt) {
            Keys(window, "alt+F4");
            if (Ended(8)) return true;
        }
        return false;
    }
    // File > Exit from the keyboard, with time for the menu to open; once more should a
    // busy machine have let the keys overtake the menu.
    bool Exit(const ScreenWindow& window) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            Keys(window, "--delay 400 alt+f x");
            if (Ended(5)) return true;
            Keys(window, "Escape");
        }
        return false;
    }
    std::string Stored(const std::string& key) const {
        return os::GetPrivateProfileString("ZomelBuilder\\Settings", key, "",
                                           env_.ConfigFolder() + "settings.ini");
    }
    static std::string Twips(int pixels) { return std::to_string(pixels * 15); }
    // The settings hold the window's frame, in twips.
    void ExpectStored(const ScreenWindow& window) const {
        EXPECT_EQ(Stored("MainLeft"), Twips(window.FrameX()));
        EXPECT_EQ(Stored("MainTop"), Twips(window.FrameY()));
        EXPECT_EQ(Stored("MainWidth"), Twips(window.FrameWidth()));
        EXPECT_EQ(Stored("MainHeight"), Twips(window.FrameHeight()));
    }
    static void ExpectSamePlace(const ScreenWindow& now, const ScreenWindow& before) {
        EXPECT_EQ(now.x, before.x);
        EXPECT_EQ(now.y, before.y);
        EXPECT_EQ(now.width, before.width);
        EXPECT_EQ(now.height, before.height);
    }

    TestEnvironment env_;
    std::unique_ptr<PrivateDesktop> desktop_;
    pid_t program_ = -1;
};

TEST_P(PlacementOnDesktop, ASizeAndPlaceAreKeptAndComeBackAfterEitherWayOfClosing) {
    ScreenWindow first = StartProgram();
    // The first run fills the screen with its caption on it.
    EXPECT_GE(first.FrameY(), 0);
    EXPECT_GE(first.FrameX(), 0);
    EXPECT_LE(first.FrameY() + first.FrameHeight(), PrivateDesktop::kHeight);

    // A person makes it 800 x 600 and puts it elsewhere: it stays so.
    desktop_->Run("xdotool windowsize --sync " + std::to_string(first.id) + " 800 600");
    desktop_->Run("xdotool windowmove --sync " + std::to_string(first.id) + " 200 150");
    Settle();
    ScreenWindow placed = Describe(*desktop_, first.id);
    EXPECT_EQ(placed.width, 800);
    EXPECT_EQ(placed.height, 600);
    ASSERT_TRUE(CloseBox(placed));
    ExpectStored(placed);

    ScreenWindow again = StartProgram();
    ExpectSamePlace(again, placed);
    // Moved once more and closed with File > Exit.
    desktop_->Run("xdotool windowmove --sync " + std::to_string(again.id) + " 300 220");
    Settle();
    ScreenWindow moved = Describe(*desktop_, again.id);
    ASSERT_TRUE(Exit(moved));
    ExpectStored(moved);

    ScreenWindow third = StartProgram();
    ExpectSamePlace(third, moved);
    EXPECT_TRUE(Exit(third));
}

// Maximised with the window manager's button and restored again, the window has the size and
// place it had before, and keeps them at the close.
TEST_P(PlacementOnDesktop, AMaximisedWindowRestoredHasItsSizeAndPlaceAgain) {
    if (!WindowManager()) GTEST_SKIP() << "only a window manager maximises a window";
    ScreenWindow first = StartProgram();
    const std::string id = std::to_string(first.id);
    desktop_->Run("xdotool windowsize --sync " + id + " 800 600");
    desktop_->Run("xdotool windowmove --sync " + id + " 200 150");
    Settle();
    ScreenWindow placed = Describe(*desktop_, first.id);
    // The window manager takes its time on a busy machine: a few looks before judging.
    const auto describedOnceIt = [&](const auto& done) {
        ScreenWindow now = Describe(*desktop_, first.id);
        for (int look = 0; look < 10 && !done(now); ++look) {
            Settle();
            now = Describe(*desktop_, first.id);
        }
        return now;
    };
    desktop_->Run("wmctrl -i -r " + id + " -b add,maximized_vert,maximized_horz");
    ScreenWindow maximised =
        describedOnceIt([&](const ScreenWindow& w) { return w.width > placed.width; });
    EXPECT_GT(maximised.width, placed.width);
    desktop_->Run("wmctrl -i -r " + id + " -b remove,maximized_vert,maximized_horz");
    ScreenWindow restored =
        describedOnceIt([&](const ScreenWindow& w) { return w.width < maximised.width; });
    Settle();
    restored = Describe(*desktop_, first.id);
    ExpectSamePlace(restored, placed);
    ASSERT_TRUE(CloseBox(restored));
    ExpectStored(placed);
}

TEST_P(PlacementOnDesktop, AStoredPlaceOffTheScreenComesBackOntoIt) {
    std::filesystem::create_directories(env_.ConfigFolder());
    env_.WriteFile("home/.config/zomelbuilder/settings.ini",
                   "[ZomelBuilder\\Settings]\nMainLeft=-30000\nMainTop=-600\nMainWidth=12000\n"
                   "MainHeight=9000\n");
    ScreenWindow main = StartProgram();
    EXPECT_GE(main.FrameX(), 0);
    EXPECT_GE(main.FrameY(), 0);
    EXPECT_EQ(main.FrameWidth(), 800);
    EXPECT_EQ(main.FrameHeight(), 600);
    EXPECT_TRUE(Exit(main));
}

TEST_P(PlacementOnDesktop, TheAboutWindowOpensCentredOnTheMainWindow) {
    ScreenWindow main = StartProgram();
    desktop_->Run("xdotool windowsize --sync " + std::to_string(main.id) + " 900 700");
    desktop_->Run("xdotool windowmove --sync " + std::to_string(main.id) + " 100 80");
    Settle();
    main = Describe(*desktop_, main.id);
    Keys(main, "alt+h a");
    auto about = FindWindow(*desktop_, "About VELDO ZOMELBuilder", 100, 10);
    ASSERT_TRUE(about.has_value());
    int ownerCentreX = main.FrameX() + main.FrameWidth() / 2;
    int ownerCentreY = main.FrameY() + main.FrameHeight() / 2;
    EXPECT_NEAR(about->FrameX() + about->FrameWidth() / 2, ownerCentreX, 2);
    EXPECT_NEAR(about->FrameY() + about->FrameHeight() / 2, ownerCentreY, 2);
    // A click on its OK button (4560, 2520, 1605 x 405 twips in the window) closes it.
    desktop_->Run("xdotool mousemove --sync " + std::to_string(about->x + 357) + " " +
                  std::to_string(about->y + 181) + " click 1");
    EXPECT_TRUE(WindowGone(*desktop_, "About VELDO ZOMELBuilder", 5));
    EXPECT_TRUE(Exit(main));
}

TEST_P(PlacementOnDesktop, TheFirstWindowOfARunStaysWhereItCameUp) {
    // Centred, as the splash is, before the window manager has framed any window of the run.
    env_.UseProgramFolder();
    env_.WriteFile("app/forms/frmFirst.json",
                   R"({"Name": "frmFirst", "Caption": "First", "Width": 7380, "Height": 4395,
                       "BorderStyle": 3, "ControlBox": false, "StartUpPosition": 2})");
    std::istringstream said(desktop_->Run("QT_QPA_PLATFORM=xcb " FIRST_WINDOW));
    std::string what;
    int x = 0, y = 0;
    ASSERT_TRUE(said >> what >> x && said >> what >> x >> y) << "the window did not come up";
    ASSERT_EQ(what, "shown");
    const int shownX = x, shownY = y;
    while (said >> what && what == "moved" && said >> x >> y) {
        EXPECT_EQ(x, shownX);
        EXPECT_EQ(y, shownY);
    }
    EXPECT_EQ(what, "frame");
}

TEST_P(PlacementOnDesktop, TheSplashIsDrawnOnTheScreenBeforeTheLoadGoesOn) {
    // As the splash: no caption and no control box, refreshed at once, then the long load of
    // the main window, in which no event is handled.
    env_.UseProgramFolder();
    env_.WriteFile("app/forms/frmFirst.json",
                   R"({"Name": "frmFirst", "Caption": "", "Width": 7380, "Height": 4395,
                       "BorderStyle": 3, "ControlBox": false, "StartUpPosition": 2,
                       "Controls": [{"Type": "Label", "Name": "lblProductName", "Left": 600,
                                     "Top": 600, "Width": 5000, "Height": 1200,
                                     "Caption": "ZomelBuilder",
                                     "Font": {"Name": "DejaVu Sans", "Size": 24}}]})");
    std::istringstream said(desktop_->Run("QT_QPA_PLATFORM=xcb " FIRST_WINDOW));
    std::string what;
    size_t colours = 0;
    ASSERT_TRUE(said >> what >> colours) << "the window did not come up";
    ASSERT_EQ(what, "drawn");
    // The window's ground and its label's letters, smoothed: not the screen's black.
    EXPECT_GT(colours, 3u);
    std::string line;
    int top = -1;
    while (said >> what && std::getline(said, line))
        if (what == "frame") top = std::stoi(line);
    // A border, and no title bar that would show the program's file name.
    ASSERT_GE(top, 0) << "the window went before its frame was known";
    if (WindowManager()) {
        EXPECT_LT(top, 10);
    }
}

// What a window asks of the window manager's title bar and what the window manager lets a
// person do with it: whether it offers minimising and maximising, and resizing.
namespace {

struct TitleBarOffer {
    bool minimise = false, maximise = false, resize = false;
};

TitleBarOffer OfferOf(const PrivateDesktop& desktop, unsigned long id) {
    constexpr unsigned long kFunctions = 1, kDecorations = 2;
    constexpr unsigned long kAll = 1, kFuncMinimise = 8, kFuncMaximise = 16;
    constexpr unsigned long kDecorMinimise = 32, kDecorMaximise = 64;
    const std::string said =
        desktop.Run("xprop -id " + std::to_string(id) + " _MOTIF_WM_HINTS _NET_WM_ALLOWED_ACTIONS");
    TitleBarOffer offer{true, true, said.find("_NET_WM_ACTION_RESIZE") != std::string::npos};
    const std::string motif = "_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = ";
    const size_t hints = said.find(motif);
    if (hints == std::string::npos) return offer;  // no wish: the window manager offers all
    unsigned long flags = 0, functions = 0, decorations = 0;
    std::sscanf(said.c_str() + hints + motif.size(), "%lx, %lx, %lx", &flags, &functions,
                &decorations);
    // A hint names what is offered, or with its "all" bit what is not.
    const auto offered = [](unsigned long hint, unsigned long bit) {
        return (hint & kAll) ? !(hint & bit) : (hint & bit) != 0;
    };
    if (flags & kFunctions) {
        offer.minimise = offered(functions, kFuncMinimise);
        offer.maximise = offered(functions, kFuncMaximise);
    }
    if (flags & kDecorations) {
        offer.minimise = offer.minimise && offered(decorations, kDecorMinimise);
        offer.maximise = offer.maximise && offered(decorations, kDecorMaximise);
    }
    if (said.find("_NET_WM_ACTION_MAXIMIZE") == std::string::npos) offer.maximise = false;
    return offer;
}

}  // namespace

// A message box and a fixed dialog (the about window) have a close box alone and keep their
// size; the main window, sizable, offers all.
TEST_P(PlacementOnDesktop, MessageBoxesAndFixedDialogsOfferOnlyTheirCloseBox) {
    if (!WindowManager()) GTEST_SKIP() << "only a window manager draws title bars";
    ScreenWindow main = StartProgram();
    TitleBarOffer offer = OfferOf(*desktop_, main.id);
    EXPECT_TRUE(offer.minimise && offer.maximise && offer.resize);

    // Opened with `keys`, the window titled `title` offers no more; `closing` closes it.
    const auto expectCloseBoxAlone = [&](const std::string& keys, const std::string& title,
                                         const std::string& closing) {
        Keys(main, keys);
        auto window = FindWindow(*desktop_, title, 100, 10);
        ASSERT_TRUE(window.has_value()) << title;
        offer = OfferOf(*desktop_, window->id);
        EXPECT_FALSE(offer.minimise || offer.maximise || offer.resize) << title;
        Keys(*window, closing);
        EXPECT_TRUE(WindowGone(*desktop_, title, 5)) << title;
    };
    // Pricing without a message says so in a message box.
    expectCloseBoxAlone("--delay 300 alt+s p", "ZomelBuilder", "Return");
    expectCloseBoxAlone("alt+h a", "About VELDO ZOMELBuilder", "Escape");
    EXPECT_TRUE(Exit(main));
}

INSTANTIATE_TEST_SUITE_P(WindowManager, PlacementOnDesktop, ::testing::Values(true, false),
                         [](const auto& info) {
                             return std::string(info.param ? "Openbox" : "NoWindowManager");
                         });
