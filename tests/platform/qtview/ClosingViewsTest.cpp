#include <gtest/gtest.h>

#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>

#include "tests/platform/qtview/QtFixture.h"

using namespace forms;

namespace {

// A window that goes away with whatever a person does to one of its controls, as a dialog's
// Exit item or a choice that settles the dialog does.
class ClosingWindow : public Form {
public:
    ClosingWindow() : Form("frmClosing") {
        for (const char* name : {"mnuFileExit", "chkDone", "optDone"})
            On(name, "Click", [this](Control&, EventArgs&) { Unload(); });
        On("hsbDone", "Change", [this](Control&, EventArgs&) { Unload(); });
    }
};

const char* kClosingWindow = R"({
  "Name": "frmClosing", "Caption": "Closing", "Width": 4800, "Height": 3600,
  "Controls": [
    { "Type": "Menu", "Name": "mnuFile", "Caption": "&File" },
    { "Type": "Menu", "Name": "mnuFileExit", "Caption": "E&xit", "Container": "mnuFile" },
    { "Type": "CheckBox", "Name": "chkDone", "Caption": "&Done", "Left": 120, "Top": 120,
      "Width": 1500, "Height": 285 },
    { "Type": "OptionButton", "Name": "optDone", "Caption": "D&one", "Left": 120, "Top": 600,
      "Width": 1500, "Height": 285 },
    { "Type": "HScrollBar", "Name": "hsbDone", "Left": 120, "Top": 1100, "Width": 2500,
      "Height": 255, "Min": 0, "Max": 10 }
  ]
})";

void ClickBox(QWidget& widget) {
    QTest::mouseClick(&widget, Qt::LeftButton, {}, QPoint(6, widget.height() / 2));
}

}  // namespace

class ClosingViews : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Describe("frmClosing", kClosingWindow);
        fx.ShowActive(window);
    }
    void ExpectGone() const {
        EXPECT_FALSE(window.IsLoaded());
        EXPECT_EQ(fx.host.WindowOf(window), nullptr);
    }
    QtFixture fx;
    ClosingWindow& window = Instance<ClosingWindow>();
};

TEST_F(ClosingViews, AMenuItemThatUnloadsItsWindow) {
    QMenu* file = fx.WindowOf(window).menuBar()->actions().value(0)->menu();
    ASSERT_NE(file, nullptr);
    file->popup(QPoint(0, 0));
    QAction* exit = file->actions().value(0);
    ASSERT_NE(exit, nullptr);
    QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(exit).center());
    ExpectGone();
    // Shown again, the window has its one menu, not the one that went as well.
    fx.ShowActive(window);
    EXPECT_EQ(fx.WindowOf(window).menuBar()->actions().size(), 1);
}

TEST_F(ClosingViews, ACheckBoxOrOptionButtonThatUnloadsItsWindow) {
    ClickBox(fx.WidgetOf<QCheckBox>(window.ControlNamed("chkDone")));
    ExpectGone();
    fx.ShowActive(window);
    ClickBox(fx.WidgetOf<QRadioButton>(window.ControlNamed("optDone")));
    ExpectGone();
}

TEST_F(ClosingViews, AScrollBarThatUnloadsItsWindow) {
    fx.WidgetOf<QScrollBar>(window.ControlNamed("hsbDone"))
        .triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ExpectGone();
}
