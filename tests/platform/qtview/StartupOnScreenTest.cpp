#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QTimer>

#include "core/Globals.h"
#include "core/LogChannel.h"
#include "core/Main.h"
#include "editor/frmMain.h"
#include "editor/frmSplash.h"
#include "platform/com/ServerLibrary.h"
#include "tests/platform/qtview/QtFixture.h"

using namespace forms;

namespace {

// The Qt host, noting whether the splash is on screen while the main window loads.
class WatchingHost : public qtview::QtHost {
public:
    bool splashShownDuringMainLoad = false;

    void WindowLoaded(Form& form) override {
        if (form.Name() == "frmMain") {
            qtview::FormWindow* splash = WindowOf(Instance<zomel::frmSplash>());
            splashShownDuringMainLoad = splash && splash->isVisible();
        }
        QtHost::WindowLoaded(form);
    }
};

}  // namespace

class StartupOnScreen : public ::testing::Test {
protected:
    void SetUp() override {
        forms::ResetInstances();
        forms::SetHost(&host);
        // The main window hosts the display control, created by class id from this run's
        // registry.
        com::RegisterServer(VELDOSIGN_LIBRARY);
    }
    void TearDown() override {
        forms::ResetInstances();
        forms::SetHost(nullptr);
        zomel::CloseLog();
        zomel::MainForm = nullptr;
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QApplication& app = TestApplication();
    TestEnvironment env;
    WatchingHost host;
};

TEST_F(StartupOnScreen, TheSplashShowsWhileTheMainWindowLoadsThenTheMainWindowIsUp) {
    zomel::Main();
    ASSERT_NE(zomel::MainForm, nullptr);
    EXPECT_TRUE(host.splashShownDuringMainLoad);
    EXPECT_EQ(host.WindowOf(Instance<zomel::frmSplash>()), nullptr);
    qtview::FormWindow* main = host.WindowOf(*zomel::MainForm);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->windowTitle(), "VELDO ZOMELBuilder");

    // A person types a model number into the window's box.
    auto* model = qobject_cast<QLineEdit*>(host.WidgetOf(*zomel::MainForm->txtModel));
    ASSERT_NE(model, nullptr);
    main->activateWindow();
    QApplication::setActiveWindow(main);
    model->setFocus();
    model->selectAll();  // the box shows the sign's number; the person types over it
    QTest::keyClicks(model, "AF1-2H2A4-0000H");
    EXPECT_EQ(zomel::MainForm->txtModel->Text(), "AF1-2H2A4-0000H");
    QDir().mkpath(ZOMEL_ARTIFACT_DIR);
    EXPECT_TRUE(main->grab().save(QStringLiteral(ZOMEL_ARTIFACT_DIR "/qtview-main-window.png")));
}

TEST_F(StartupOnScreen, ClosingTheMainWindowEndsTheProgram) {
    zomel::Main();
    ASSERT_TRUE(host.HasVisibleWindow());
    host.SetEndWhenNoWindows(true);
    bool ended = true;
    QTimer::singleShot(0, [&] { host.WindowOf(*zomel::MainForm)->close(); });
    // Should the loop not end, this ends it and says so.
    QTimer::singleShot(5000, [&] {
        ended = false;
        QCoreApplication::quit();
    });
    QApplication::exec();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(zomel::MainForm->IsLoaded());
    EXPECT_FALSE(host.HasVisibleWindow());
}
