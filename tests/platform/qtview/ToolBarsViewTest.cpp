#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <algorithm>

#include "platform/forms/ActiveToolBars.h"
#include "platform/qtview/ToolRow.h"
#include "tests/platform/qtview/QtFixture.h"

using namespace forms;

namespace {

class ToolsWindow : public Form {
public:
    ToolsWindow() : Form("frmTools") {
        On("SSBars", "ToolClick", [this](Control&, EventArgs& args) {
            auto tool = args[0].As<Tool>();
            clicks.push_back(tool->ID() + " " + std::to_string(tool->State()));
            if (exitUnloads && tool->ID() == "id_FileExit") Unload();
        });
    }
    void Form_KeyPress(vb::Integer& KeyAscii) override { typed.push_back(KeyAscii); }
    std::vector<std::string> clicks;
    std::vector<vb::Integer> typed;  // what the window previewed
    bool exitUnloads = false;
};

const char* kToolsWindow = R"({
  "Name": "frmTools", "Caption": "Tools", "Width": 6120, "Height": 4000, "KeyPreview": true,
  "Controls": [
    { "Type": "SSActiveToolBars", "Name": "SSBars",
      "Tools": [
        { "ID": "id_File", "Name": "&File", "Type": 7 },
        { "ID": "id_FileExit", "Name": "E&xit" },
        { "ID": "id_FilePrint", "Name": "&Print Sign", "ToolTipText": "Print the sign" },
        { "ID": "id_Format", "Name": "&Format", "Type": 7 },
        { "ID": "id_FormatLeft", "Name": "&Left", "Type": 1, "Group": "Align" },
        { "ID": "id_FormatCenter", "Name": "&Center", "Type": 1, "Group": "Align", "State": 1 },
        { "ID": "id_Bold", "Name": "Bold", "Type": 1 }
      ],
      "ToolBars": [
        { "Name": "Menu", "IsMenuBar": true, "Tools": [
          { "ID": "id_File", "Name": "&File", "Type": 7, "Menu": [
            { "ID": "id_FileExit", "Name": "E&xit" },
            { "Type": 4 },
            { "ID": "id_FilePrint", "Name": "&Print Sign" } ] },
          { "ID": "id_Format", "Name": "&Format", "Type": 7, "Menu": [
            { "ID": "id_FormatLeft", "Name": "&Left", "Type": 1 },
            { "ID": "id_FormatCenter", "Name": "&Center", "Type": 1 } ] } ] },
        { "Name": "Standard", "Tools": [
          { "ID": "id_Bold", "Name": "Bold", "Type": 1 },
          { "ID": "id_FormatLeft", "Name": "Left", "Type": 1 } ] }
      ] },
    { "Type": "Label", "Name": "lblTop", "Left": 0, "Top": 0, "Width": 1500, "Height": 300,
      "Caption": "top" },
    { "Type": "TextBox", "Name": "txtLine", "Left": 0, "Top": 600, "Width": 1500, "Height": 300 }
  ]
})";

}  // namespace

class ToolBarsView : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Describe("frmTools", kToolsWindow);
        fx.ShowActive(window);
        bars = &window.ControlAs<ActiveToolBars>("SSBars");
    }
    QMenu* MenuTitled(const QString& title) const {
        for (QAction* action : fx.WindowOf(window).menuBar()->actions())
            if (action->text() == title) return action->menu();
        return nullptr;
    }
    QAction* ActionTitled(QWidget& owner, const QString& text) const {
        for (QAction* action : owner.actions())
            if (action->text() == text) return action;
        return nullptr;
    }
    qtview::ToolRow& Toolbar() const { return *FirstToolRow(fx.WindowOf(window)); }
    // A person opens the menu and clicks the item.
    void ChooseFromMenu(const QString& menuTitle, const QString& item) const {
        QMenu* menu = MenuTitled(menuTitle);
        ASSERT_NE(menu, nullptr);
        menu->popup(QPoint(0, 0));
        QAction* action = ActionTitled(*menu, item);
        ASSERT_NE(action, nullptr);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    }

    QtFixture fx;
    ToolsWindow& window = Instance<ToolsWindow>();
    ActiveToolBars* bars = nullptr;
};

TEST_F(ToolBarsView, TheMenuBarBarBecomesTheWindowsMenusWithSeparators) {
    QList<QAction*> titles = fx.WindowOf(window).menuBar()->actions();
    ASSERT_EQ(titles.size(), 2);
    EXPECT_EQ(titles[0]->text(), "&File");
    QList<QAction*> file = MenuTitled("&File")->actions();
    ASSERT_EQ(file.size(), 3);
    EXPECT_EQ(file[0]->text(), "E&xit");
    EXPECT_TRUE(file[1]->isSeparator());
    EXPECT_EQ(file[2]->toolTip(), "Print the sign");  // the control's tool has the tip
    EXPECT_FALSE(file[0]->isCheckable());
    // The controls keep the room the description gives them, below the bars->
    QWidget* label = fx.host.WidgetOf(window.ControlNamed("lblTop"));
    EXPECT_GE(label->mapTo(&fx.WindowOf(window), QPoint(0, 0)).y(),
              fx.WindowOf(window).menuBar()->height() + Toolbar().height());
    EXPECT_EQ(fx.WindowOf(window).Client()->size(), QSize(400, 236));
}

TEST_F(ToolBarsView, ChoosingToolsClicksThemOnTheControl) {
    ChooseFromMenu("&File", "E&xit");
    QTest::mouseClick(Toolbar().ButtonFor(ActionTitled(Toolbar(), "Bold")), Qt::LeftButton);
    QTest::mouseClick(Toolbar().ButtonFor(ActionTitled(Toolbar(), "Bold")), Qt::LeftButton);
    EXPECT_EQ(window.clicks, (std::vector<std::string>{"id_FileExit 0", "id_Bold 1", "id_Bold 0"}));
}

TEST_F(ToolBarsView, AToolThatUnloadsItsWindowEndsTheChoiceThere) {
    window.exitUnloads = true;
    ChooseFromMenu("&File", "E&xit");
    EXPECT_EQ(window.clicks, std::vector<std::string>{"id_FileExit 0"});
    EXPECT_FALSE(window.IsLoaded());
    EXPECT_EQ(fx.host.WindowOf(window), nullptr);
}

TEST_F(ToolBarsView, GroupedStateButtonsShowTheirGroupInEveryBar) {
    QAction* menuLeft = ActionTitled(*MenuTitled("&Format"), "&Left");
    QAction* menuCenter = ActionTitled(*MenuTitled("&Format"), "&Center");
    QAction* barLeft = ActionTitled(Toolbar(), "Left");
    EXPECT_TRUE(menuCenter->isChecked());
    QTest::mouseClick(Toolbar().ButtonFor(barLeft), Qt::LeftButton);
    EXPECT_EQ(bars->ToolById("id_FormatLeft").State(), 1);
    EXPECT_EQ(bars->ToolById("id_FormatCenter").State(), 0);
    EXPECT_TRUE(menuLeft->isChecked());
    EXPECT_TRUE(barLeft->isChecked());
    EXPECT_FALSE(menuCenter->isChecked());
    // A grouped tool clicked while down stays down.
    ChooseFromMenu("&Format", "&Left");
    EXPECT_TRUE(menuLeft->isChecked());
    EXPECT_TRUE(barLeft->isChecked());
    EXPECT_EQ(window.clicks, (std::vector<std::string>{"id_FormatLeft 1", "id_FormatLeft 1"}));
}

TEST_F(ToolBarsView, StatesCaptionsAndBarsSetFromCodeShow) {
    bars->ToolById("id_FormatCenter").SetState(1);
    bars->ToolById("id_FilePrint").Let("Enabled", false);
    bars->ToolById("id_FileExit").Let("Visible", false);
    bars->ToolBars()(1).Tools()(1).Menu()(3).Let("Name", "&Print");
    QMenu& file = *MenuTitled("&File");
    EXPECT_TRUE(ActionTitled(*MenuTitled("&Format"), "&Center")->isChecked());
    EXPECT_FALSE(ActionTitled(file, "&Print")->isEnabled());
    EXPECT_FALSE(ActionTitled(file, "E&xit")->isVisible());
    // A disabled tool does nothing when chosen.
    ActionTitled(file, "&Print")->trigger();
    EXPECT_TRUE(window.clicks.empty());

    QSize client = fx.WindowOf(window).Client()->size();
    int height = fx.WindowOf(window).height();
    bars->ToolBars()(2).Let("Visible", false);
    EXPECT_TRUE(Toolbar().isHidden());
    QApplication::processEvents();
    // The window keeps its size on the screen; its controls get the toolbar's room.
    EXPECT_EQ(fx.WindowOf(window).height(), height);
    EXPECT_GT(fx.WindowOf(window).Client()->height(), client.height());
}

TEST_F(ToolBarsView, TheKeyboardReachesTheToolbarAsOneStopAndPressesItsTools) {
    QToolButton* bold = Toolbar().ButtonFor(ActionTitled(Toolbar(), "Bold"));
    QToolButton* left = Toolbar().ButtonFor(ActionTitled(Toolbar(), "Left"));
    // From the line, Tab brings the keys to the toolbar's first tool.
    QWidget* line = fx.host.WidgetOf(window.ControlNamed("txtLine"));
    ASSERT_TRUE(line->hasFocus());
    QTest::keyClick(line, Qt::Key_Tab);
    EXPECT_TRUE(bold->hasFocus());
    EXPECT_EQ(window.ActiveControl(), bars);
    QTest::keyClick(bold, Qt::Key_Right);
    EXPECT_TRUE(left->hasFocus());
    QTest::keyClick(left, Qt::Key_Right);  // the last tool keeps it
    EXPECT_TRUE(left->hasFocus());
    QTest::keyClick(left, Qt::Key_Return);
    QApplication::processEvents();
    QTest::keyClick(left, Qt::Key_Home);
    EXPECT_TRUE(bold->hasFocus());
    QTest::keyClick(bold, Qt::Key_Space);
    EXPECT_EQ(window.clicks, (std::vector<std::string>{"id_FormatLeft 1", "id_Bold 1"}));
    // Enter pressed the tool and went no further: a window that reads Enter for itself
    // (the main window's next line) does not hear it as well.
    EXPECT_EQ(std::count(window.typed.begin(), window.typed.end(), vb::Integer{13}), 0);
    // The tool with the keys put away, they stay on the toolbar; Tab takes them on to the
    // line, and a click on a tool leaves them there.
    bars->ToolById("id_Bold").Let("Visible", false);
    EXPECT_TRUE(left->hasFocus());
    QTest::keyClick(left, Qt::Key_Tab);
    EXPECT_TRUE(line->hasFocus());
    QTest::mouseClick(left, Qt::LeftButton);
    EXPECT_TRUE(line->hasFocus());
}
