#include <gtest/gtest.h>

#include <QTreeWidget>

#include "platform/forms/TreeView.h"
#include "tests/platform/qtview/QtFixture.h"

using namespace forms;

namespace {

// A window whose NodeCheck handler checks a node's first child with it, as the program's
// rules change other nodes while a person's tick is handled.
class TreeWindow : public Form {
public:
    TreeWindow() : Form("frmTreeView") {
        On("tvTree", "NodeCheck", [this](Control&, EventArgs& args) {
            auto node = args.at(0).As<Node>();
            events.push_back("NodeCheck " + node->Key());
            if (Node* child = node->Child()) child->SetChecked(node->Checked());
        });
        On("tvTree", "DblClick", [this](Control&, EventArgs&) {
            events.push_back("DblClick " + Tree().SelectedItem()->Key());
        });
        On("tvTree", "Collapse", [this](Control&, EventArgs& args) {
            events.push_back("Collapse " + args.at(0).As<Node>()->Key());
        });
    }
    TreeView& Tree() { return ControlAs<TreeView>("tvTree"); }
    std::vector<std::string> events;
};

const char* const kTreeWindow = R"({
  "Name": "frmTreeView", "Caption": "Tree", "Width": 6000, "Height": 4500,
  "Controls": [ { "Type": "TreeView", "Name": "tvTree", "Checkboxes": true,
                  "Left": 120, "Top": 120, "Width": 5400, "Height": 3600,
                  "Font": { "Name": "DejaVu Sans Mono", "Size": 9 } } ]
})";

class TreeViewView : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Describe("frmTreeView", kTreeWindow);
        fx.ShowActive(window);
        widget = &fx.WidgetOf<QTreeWidget>(window.Tree());
    }
    // Kit "K" with two contents and a top-level option "O" after it.
    void AddKit() {
        TreeView& tree = window.Tree();
        tree.Add("", tvwLast, "K", "Kit");
        tree.Add("K", tvwChild, "K1", "first part");
        tree.Add("K", tvwChild, "K2", "second part");
        tree.Add("", tvwLast, "O", "Option");
        tree.Item("K").SetExpanded(true);
    }
    QTreeWidgetItem* ItemOf(const std::string& key) {
        const Node& node = window.Tree().Item(key);
        QTreeWidgetItem* parent =
            node.Parent() ? ItemOf(node.Parent()->Key()) : widget->invisibleRootItem();
        return parent->child(static_cast<int>(node.Place()));
    }

    QtFixture fx;
    TreeWindow& window = Instance<TreeWindow>();
    QTreeWidget* widget = nullptr;
};

TEST_F(TreeViewView, ItemsFollowTheNodesAddedFromCode) {
    AddKit();
    window.Tree().Add("K1", tvwPrevious, "K0", "spare part");
    ASSERT_EQ(widget->topLevelItemCount(), 2);
    EXPECT_EQ(widget->topLevelItem(0)->text(0), "Kit");
    ASSERT_EQ(widget->topLevelItem(0)->childCount(), 3);
    EXPECT_EQ(widget->topLevelItem(0)->child(0)->text(0), "spare part");
    EXPECT_EQ(widget->topLevelItem(0)->child(2)->text(0), "second part");
    EXPECT_TRUE(widget->topLevelItem(0)->isExpanded());
    EXPECT_EQ(widget->topLevelItem(1)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(widget->topLevelItem(1)->flags() & Qt::ItemIsUserCheckable, Qt::ItemIsUserCheckable);
    // The columns of a fixed-pitch font line up.
    EXPECT_TRUE(QFontInfo(widget->font()).fixedPitch());

    window.Tree().Item("O").SetChecked(true);
    window.Tree().Item("K2").SetText("other part");
    EXPECT_EQ(ItemOf("O")->checkState(0), Qt::Checked);
    EXPECT_EQ(ItemOf("K2")->text(0), "other part");
    EXPECT_TRUE(window.events.empty());

    window.Tree().Clear();
    EXPECT_EQ(widget->topLevelItemCount(), 0);
    window.Tree().Add("", tvwLast, "N", "new");
    ASSERT_EQ(widget->topLevelItemCount(), 1);
    EXPECT_EQ(widget->topLevelItem(0)->text(0), "new");
}

TEST_F(TreeViewView, APersonsTickRunsTheHandlerAndShowsWhatItChanged) {
    AddKit();
    ItemOf("K")->setCheckState(0, Qt::Checked);  // as a click on the box does
    EXPECT_TRUE(window.Tree().Item("K").Checked());
    EXPECT_TRUE(window.Tree().Item("K1").Checked());
    EXPECT_EQ(ItemOf("K1")->checkState(0), Qt::Checked);
    EXPECT_EQ(window.events, (std::vector<std::string>{"NodeCheck K"}));

    ItemOf("K")->setCheckState(0, Qt::Unchecked);
    EXPECT_FALSE(window.Tree().Item("K1").Checked());
    EXPECT_EQ(ItemOf("K1")->checkState(0), Qt::Unchecked);
    EXPECT_EQ(window.events.size(), 2U);
}

TEST_F(TreeViewView, DoubleClickAndCollapseReachTheWindow) {
    AddKit();
    QTreeWidgetItem* option = ItemOf("O");
    const QPoint centre = widget->visualItemRect(option).center();
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(widget->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(window.Tree().SelectedItem(), &window.Tree().Item("O"));
    ASSERT_FALSE(window.events.empty());
    EXPECT_EQ(window.events.back(), "DblClick O");

    ItemOf("K")->setExpanded(false);
    EXPECT_FALSE(window.Tree().Item("K").Expanded());
    EXPECT_EQ(window.events.back(), "Collapse K");
    // A node selected from code is the widget's current item.
    window.Tree().SetSelectedItem(&window.Tree().Item("K"));
    EXPECT_EQ(widget->currentItem(), ItemOf("K"));
}

}  // namespace
