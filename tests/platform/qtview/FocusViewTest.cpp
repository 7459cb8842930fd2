#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>

#include "platform/forms/BasicControls.h"
#include "platform/forms/FlexGrid.h"
#include "platform/forms/ListView.h"
#include "platform/forms/TreeView.h"
#include "tests/platform/forms/FocusWindow.h"
#include "tests/platform/qtview/QtFixture.h"

using namespace forms;

namespace {

using Events = std::vector<std::string>;

// A person's focus moves on screen: Tab and clicks between the widgets of one window, and the
// arrow of a drop-down list.
class FocusView : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Describe("frmFocus", kFocusWindow);
        fx.ShowActive(window);
        window.events.clear();
    }
    QWidget& WidgetNamed(const char* name) { return *fx.host.WidgetOf(window.ControlNamed(name)); }
    std::string Active() { return window.ActiveControl() ? window.ActiveControl()->Name() : ""; }

    QtFixture fx;
    FocusWindow& window = Instance<FocusWindow>();
};

}  // namespace

TEST_F(FocusView, TabValidatesTheControlItLeaves) {
    ASSERT_TRUE(WidgetNamed("txtFirst").hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(WidgetNamed("cboSize").hasFocus());
    EXPECT_EQ(window.events,
              (Events{"Validate txtFirst", "LostFocus txtFirst", "GotFocus cboSize"}));
}

TEST_F(FocusView, ACancelledValidateTakesTheFocusBackAndEatsTheClick) {
    window.refuse = "txtFirst";
    QTest::mouseClick(&WidgetNamed("cmdOk"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(window.events, Events{"Validate txtFirst"});  // no Click cmdOk
    EXPECT_TRUE(WidgetNamed("txtFirst").hasFocus());
    EXPECT_EQ(Active(), "txtFirst");
    // Tab is refused the same way; once the box lets go, the click goes through.
    QTest::keyClick(&WidgetNamed("txtFirst"), Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_TRUE(WidgetNamed("txtFirst").hasFocus());
    window.refuse.clear();
    window.events.clear();
    QTest::mouseClick(&WidgetNamed("cmdOk"), Qt::LeftButton);
    EXPECT_EQ(window.events,
              (Events{"Validate txtFirst", "LostFocus txtFirst", "GotFocus cmdOk", "Click cmdOk"}));
}

TEST_F(FocusView, AButtonThatCausesNoValidationIsReachedWithoutIt) {
    window.refuse = "txtFirst";
    QTest::mouseClick(&WidgetNamed("cmdHelp"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(WidgetNamed("cmdHelp").hasFocus());
    EXPECT_EQ(window.events, (Events{"LostFocus txtFirst", "GotFocus cmdHelp"}));
}

TEST_F(FocusView, TheListOpensWithWhatDropDownPutInIt) {
    auto& combo = static_cast<QComboBox&>(WidgetNamed("cboSize"));
    QTest::mouseClick(&combo, Qt::LeftButton);
    EXPECT_EQ(window.events, (Events{"Validate txtFirst", "LostFocus txtFirst", "GotFocus cboSize",
                                     "DropDown cboSize"}));
    ASSERT_TRUE(combo.view()->isVisible());
    ASSERT_EQ(combo.view()->model()->rowCount(), 2);
    EXPECT_EQ(combo.itemText(1), "13.75 inches");
    combo.hidePopup();
    // A refused move leaves the list shut and the handler unheard.
    QTest::mouseClick(&WidgetNamed("cmdOk"), Qt::LeftButton);
    window.refuse = "cmdOk";
    window.events.clear();
    QTest::mouseClick(&combo, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(window.events, Events{"Validate cmdOk"});
    EXPECT_FALSE(combo.view()->isVisible());
}

namespace {

// A button, then a grid, a list box, a list view and a tree, each filled.
const char* const kItemViewsWindow = R"json({
  "Name": "frmItemViews", "Caption": "Item views", "Width": 9000, "Height": 6000,
  "Controls": [
    { "Type": "CommandButton", "Name": "cmdStart", "Caption": "Start", "TabIndex": 0,
      "Left": 120, "Top": 120, "Width": 1200, "Height": 375 },
    { "Type": "MSFlexGrid", "Name": "fgGrid", "TabIndex": 1, "Rows": 3, "Cols": 2,
      "FixedCols": 0, "Left": 120, "Top": 600, "Width": 4000, "Height": 2000 },
    { "Type": "ListBox", "Name": "lstList", "TabIndex": 2, "List": ["first", "second"],
      "Left": 4500, "Top": 600, "Width": 4000, "Height": 2000 },
    { "Type": "ListView", "Name": "lvList", "TabIndex": 3,
      "ColumnHeaders": [ { "Text": "Name", "Width": 2000 } ],
      "Left": 120, "Top": 2800, "Width": 4000, "Height": 2000 },
    { "Type": "TreeView", "Name": "tvTree", "TabIndex": 4,
      "Left": 4500, "Top": 2800, "Width": 4000, "Height": 2000 }
  ]
})json";

class ItemViewsWindow : public Form {
public:
    ItemViewsWindow() : Form("frmItemViews") {}
};

// Pixels of `view` that differ between two pictures of it, inside `area`.
int ChangedPixels(const QImage& before, const QImage& after, const QRect& area) {
    int changed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (before.valid(x, y) && before.pixel(x, y) != after.pixel(x, y)) ++changed;
    return changed;
}

}  // namespace

// Tab into a grid, a list box, a list view and a tree: each marks its current cell or row at
// once, where a person looks for the focus, without choosing anything in the list box.
TEST(FocusMark, GridsListsAndTreesShowTheirCurrentRowAsTheyTakeTheFocus) {
    QtFixture fx;
    fx.Describe("frmItemViews", kItemViewsWindow);
    auto& window = Instance<ItemViewsWindow>();
    window.Load();
    window.ControlAs<FlexGrid>("fgGrid").SetTextMatrix(1, 0, "cell");
    auto& listView = window.ControlAs<ListView>("lvList");
    listView.AddItem("a", "first row");
    listView.AddItem("b", "second row");
    auto& tree = window.ControlAs<TreeView>("tvTree");
    tree.Add("", tvwLast, "A", "first node");
    tree.Add("", tvwLast, "B", "second node");
    fx.ShowActive(window);
    ASSERT_TRUE(fx.host.WidgetOf(window.ControlNamed("cmdStart"))->hasFocus());

    for (const char* name : {"fgGrid", "lstList", "lvList", "tvTree"}) {
        auto& view = fx.WidgetOf<QAbstractItemView>(window.ControlNamed(name));
        const QImage before = view.viewport()->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_TRUE(view.hasFocus()) << name;
        ASSERT_TRUE(view.currentIndex().isValid()) << name;
        const QImage after = view.viewport()->grab().toImage();
        EXPECT_GT(ChangedPixels(before, after, view.visualRect(view.currentIndex())), 0) << name;
    }
    // The grid marks the model's current cell; the list box chose nothing.
    const auto& grid = fx.WidgetOf<QAbstractItemView>(window.ControlNamed("fgGrid"));
    EXPECT_EQ(grid.currentIndex().row(), 1);
    EXPECT_EQ(grid.currentIndex().column(), 1);
    EXPECT_EQ(window.ControlAs<ListBox>("lstList").ListIndex(), -1);
    EXPECT_EQ(tree.SelectedItem(), &tree.Item("A"));
}

namespace {

// One button in sight; a box put aside off the window, as a window keeps its hidden pane.
const char* const kOneStopWindow = R"json({
  "Name": "frmOneStop", "Caption": "One stop", "Width": 6000, "Height": 3000,
  "Controls": [
    { "Type": "TextBox", "Name": "txtAside", "TabIndex": 0,
      "Left": -20000, "Top": 120, "Width": 1200, "Height": 315 },
    { "Type": "CommandButton", "Name": "cmdExit", "Caption": "Exit", "TabIndex": 1,
      "Left": 120, "Top": 1200, "Width": 1200, "Height": 375 }
  ]
})json";

class OneStopWindow : public Form {
public:
    OneStopWindow() : Form("frmOneStop") {}
};

}  // namespace

// Tab on a window whose only stop already has the focus leaves it there and shows it, as a
// person pressing Tab looks for where the focus is.
TEST(FocusMark, TabShowsTheFocusOnAWindowsOnlyStop) {
    QtFixture fx;
    fx.Describe("frmOneStop", kOneStopWindow);
    auto& window = Instance<OneStopWindow>();
    fx.ShowActive(window);
    auto& button = fx.WidgetOf<QPushButton>(window.ControlNamed("cmdExit"));
    ASSERT_TRUE(button.hasFocus());
    const QImage before = button.grab().toImage();
    QTest::keyClick(&button, Qt::Key_Tab);
    EXPECT_TRUE(button.hasFocus());
    EXPECT_EQ(window.ActiveControl(), &window.ControlNamed("cmdExit"));
    EXPECT_TRUE(button.grab().toImage() != before) << "no focus mark after Tab";
}
