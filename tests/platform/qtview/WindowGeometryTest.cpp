#include <gtest/gtest.h>

#include <QMenuBar>
#include <QScreen>

#include "platform/forms/ActiveToolBars.h"
#include "platform/forms/Interaction.h"
#include "platform/qtview/ToolRow.h"
#include "tests/platform/qtview/QtFixture.h"

using namespace forms;

namespace {

class BarsWindow : public Form {
public:
    BarsWindow() : Form("frmBars") {}
    int resizes = 0;

protected:
    void Form_Resize() override { ++resizes; }
};

class OwnedDialog : public Form {
public:
    OwnedDialog() : Form("frmOwnedDialog") {}
};

const char* kBarsWindow = R"({
  "Name": "frmBars", "Caption": "Bars", "Left": 1500, "Top": 1200, "Width": 9000,
  "Height": 6000,
  "Controls": [
    { "Type": "SSActiveToolBars", "Name": "SSBars",
      "Tools": [
        { "ID": "id_File", "Name": "&File", "Type": 7 },
        { "ID": "id_FileExit", "Name": "E&xit" },
        { "ID": "id_Bold", "Name": "Bold", "Type": 1 }
      ],
      "ToolBars": [
        { "Name": "Menu", "IsMenuBar": true, "Tools": [
          { "ID": "id_File", "Name": "&File", "Type": 7, "Menu": [
            { "ID": "id_FileExit", "Name": "E&xit" } ] } ] },
        { "Name": "Standard", "Tools": [ { "ID": "id_Bold", "Name": "Bold", "Type": 1 } ] }
      ] },
    { "Type": "Label", "Name": "lblTop", "Left": 0, "Top": 0, "Width": 1500, "Height": 300,
      "Caption": "top" },
    { "Type": "StatusBar", "Name": "sbStatusBar", "Height": 315,
      "Panels": [ { "Text": "size", "Width": 1500 }, { "Text": "power", "AutoSize": 1 } ] }
  ]
})";

const char* kOwnedDialog = R"({
  "Name": "frmOwnedDialog", "Caption": "Dialog", "Width": 3000, "Height": 2000,
  "BorderStyle": 3, "StartUpPosition": 1,
  "Controls": [ { "Type": "Label", "Name": "lblText", "Caption": "owned" } ]
})";

QRect OuterOf(const Form& form) {
    return QRect(static_cast<int>(form.Left() / 15), static_cast<int>(form.Top() / 15),
                 static_cast<int>(form.Width() / 15), static_cast<int>(form.Height() / 15));
}

QSize InnerOf(const Form& form) {
    return QSize(static_cast<int>(form.ScaleWidth() / 15),
                 static_cast<int>(form.ScaleHeight() / 15));
}

QPoint CentreOf(const QRect& box) {
    return QPoint(box.left() + box.width() / 2, box.top() + box.height() / 2);
}

}  // namespace

class WindowGeometry : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Describe("frmBars", kBarsWindow);
        fx.Describe("frmOwnedDialog", kOwnedDialog);
    }
    // The window on screen and its form agree: the frame is the form's outer rectangle and
    // the area under the bars its inner one.
    void ExpectAgreement() const {
        const qtview::FormWindow& screen = fx.WindowOf(window);
        EXPECT_EQ(screen.frameGeometry(), OuterOf(window));
        EXPECT_EQ(screen.Client()->size(), InnerOf(window));
    }
    // The status bar lies along the bottom of the window, in sight.
    void ExpectStatusBarAtTheBottom() const {
        const qtview::FormWindow& screen = fx.WindowOf(window);
        QWidget* bar = fx.host.WidgetOf(window.ControlNamed("sbStatusBar"));
        ASSERT_NE(bar, nullptr);
        EXPECT_TRUE(bar->isVisible());
        EXPECT_EQ(bar->mapTo(&screen, QPoint(0, bar->height())).y(), screen.height());
        EXPECT_EQ(bar->width(), screen.width());
    }
    void PersonResizes(int width, int height) const {
        fx.WindowOf(window).resize(width, height);
        QApplication::processEvents();
    }

    QtFixture fx;
    BarsWindow& window = Instance<BarsWindow>();
    OwnedDialog& dialog = Instance<OwnedDialog>();
};

TEST_F(WindowGeometry, TheWindowAndItsFormAgreeAndControlsKeepTheirRoomUnderTheBars) {
    window.Load();
    // The description's inner room, with the bars on top of it.
    vb::Single designedInner = 6000 - kAssumedFrame.top - kAssumedFrame.bottom;
    EXPECT_EQ(window.ScaleHeight(), designedInner);
    fx.ShowActive(window);
    ExpectAgreement();
    qtview::FormWindow& screen = fx.WindowOf(window);
    QWidget* label = fx.host.WidgetOf(window.ControlNamed("lblTop"));
    EXPECT_GE(label->mapTo(&screen, QPoint(0, 0)).y(),
              screen.menuBar()->height() + FirstToolRow(screen)->height());
    ExpectStatusBarAtTheBottom();
}

TEST_F(WindowGeometry, ASizeThePersonGivesIsKeptAndTheFormFollows) {
    fx.ShowActive(window);
    qtview::FormWindow& screen = fx.WindowOf(window);
    for (QSize size : {QSize(800, 600), QSize(700, 500), QSize(640, 452), QSize(800, 600)}) {
        window.resizes = 0;
        PersonResizes(size.width(), size.height());
        EXPECT_EQ(screen.size(), size);
        EXPECT_EQ(window.resizes, 1);
        ExpectAgreement();
        ExpectStatusBarAtTheBottom();
    }
    screen.move(200, 150);
    QApplication::processEvents();
    EXPECT_EQ(screen.size(), QSize(800, 600));
    ExpectAgreement();
    // Code places it: the screen follows, and no resize comes back from it.
    window.resizes = 0;
    window.Move(1500, 1200, 9000, 7500);
    QApplication::processEvents();
    ExpectAgreement();
    EXPECT_EQ(screen.frameGeometry(), QRect(100, 80, 600, 500));
    EXPECT_EQ(window.resizes, 1);
}

TEST_F(WindowGeometry, MaximiseAndRestoreKeepTheStateAndGiveBackThePlace) {
    fx.ShowActive(window);
    qtview::FormWindow& screen = fx.WindowOf(window);
    QRect normal = screen.frameGeometry();
    screen.setWindowState(Qt::WindowMaximized);
    QApplication::processEvents();
    EXPECT_EQ(window.WindowState(), vbMaximized);
    EXPECT_TRUE(screen.windowState() & Qt::WindowMaximized);
    EXPECT_GT(screen.width(), normal.width());
    ExpectAgreement();
    ExpectStatusBarAtTheBottom();
    screen.setWindowState(Qt::WindowNoState);
    QApplication::processEvents();
    EXPECT_EQ(window.WindowState(), vbNormal);
    EXPECT_EQ(screen.frameGeometry(), normal);
    ExpectAgreement();
    // Code maximises it too.
    window.SetWindowState(vbMaximized);
    QApplication::processEvents();
    EXPECT_TRUE(screen.windowState() & Qt::WindowMaximized);
    ExpectAgreement();
}

TEST_F(WindowGeometry, HidingTheToolbarOrTheStatusBarKeepsTheWindowsSize) {
    fx.ShowActive(window);
    qtview::FormWindow& screen = fx.WindowOf(window);
    QRect frame = screen.frameGeometry();
    vb::Single inner = window.ScaleHeight();
    window.resizes = 0;
    window.ControlAs<ActiveToolBars>("SSBars").ToolBars()(2).Let("Visible", false);
    QApplication::processEvents();
    EXPECT_EQ(screen.frameGeometry(), frame);
    EXPECT_GT(window.ScaleHeight(), inner);
    EXPECT_EQ(window.resizes, 1);
    ExpectAgreement();
    ExpectStatusBarAtTheBottom();
    Control& status = window.ControlNamed("sbStatusBar");
    status.SetVisible(false);
    EXPECT_FALSE(fx.host.WidgetOf(status)->isVisible());
    status.SetVisible(true);
    ExpectStatusBarAtTheBottom();
}

TEST_F(WindowGeometry, APlaceWithTheCaptionOffEveryScreenIsMovedOntoTheScreen) {
    window.Load();
    window.Move(-30000, -600, 9000, 6000);
    fx.ShowActive(window);
    QRect room = fx.WindowOf(window).screen()->availableGeometry();
    QRect frame = fx.WindowOf(window).frameGeometry();
    EXPECT_TRUE(room.contains(frame)) << frame.x() << "," << frame.y();
    ExpectAgreement();
    // A window partly off the screen, its caption in reach, stays where it was put.
    window.Move(6000, 6000, 9000, 6000);
    QApplication::processEvents();
    EXPECT_EQ(fx.WindowOf(window).frameGeometry().topLeft(), QPoint(400, 400));
    ExpectAgreement();
}

TEST_F(WindowGeometry, DialogsOpenCentredOnTheirOwnerOrTheScreen) {
    fx.ShowActive(window);
    window.Move(1500, 1500, 9000, 6000);
    QApplication::processEvents();
    dialog.Show(ShowStyle::Modeless, &window);
    QApplication::processEvents();
    QPoint owner = CentreOf(fx.WindowOf(window).frameGeometry());
    QPoint own = CentreOf(fx.WindowOf(dialog).frameGeometry());
    // Within a pixel: the frame may be an odd number of pixels larger than assumed.
    EXPECT_LE((own - owner).manhattanLength(), 2) << own.x() << "," << own.y();
    EXPECT_EQ(fx.WindowOf(dialog).frameGeometry(), OuterOf(dialog));
    dialog.Unload();
    dialog.Show();
    QApplication::processEvents();
    QPoint screen = CentreOf(fx.WindowOf(dialog).screen()->availableGeometry());
    own = CentreOf(fx.WindowOf(dialog).frameGeometry());
    EXPECT_LE((own - screen).manhattanLength(), 2) << own.x() << "," << own.y();
}
