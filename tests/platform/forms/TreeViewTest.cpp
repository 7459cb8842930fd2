#include <gtest/gtest.h>

#include "platform/forms/TreeView.h"
#include "tests/platform/forms/TestWindows.h"
#include "tests/support/ErrorNumber.h"

using namespace forms;

namespace {

// A window with a tree that records the tree's events as its handlers see them.
class TreeWindow : public Form {
public:
    TreeWindow() : Form("frmTree") {
        for (const char* event : {"NodeCheck", "NodeClick", "Collapse", "Expand"}) {
            On("tvTree", event, [this, event](Control&, EventArgs& args) {
                auto node = args.at(0).As<Node>();
                events.push_back(std::string(event) + " " + node->Key() + " " +
                                 (node->Checked() ? "checked" : "clear"));
            });
        }
        On("tvTree", "DblClick", [this](Control&, EventArgs&) { events.push_back("DblClick"); });
    }
    TreeView& Tree() { return ControlAs<TreeView>("tvTree"); }
    std::vector<std::string> events;
};

const char* const kTreeWindow = R"({
  "Name": "frmTree", "Caption": "Tree", "Width": 6000, "Height": 4000,
  "Controls": [ { "Type": "TreeView", "Name": "tvTree", "Checkboxes": true,
                  "Left": 120, "Top": 120, "Width": 5000, "Height": 3000 } ]
})";

class TreeViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Describe("frmTree", kTreeWindow);
        window.Load();
    }
    // The keys of `nodes`, in order.
    static std::vector<std::string> Keys(const std::vector<Node*>& nodes) {
        std::vector<std::string> keys;
        for (const Node* node : nodes)
            keys.push_back(node->Key());
        return keys;
    }
    using Keyed = std::vector<std::string>;

    FormsFixture fx;
    TreeWindow& window = Instance<TreeWindow>();
};

TEST_F(TreeViewTest, NodesArePlacedByTheirRelationshipAndIndexedInOrderOfAddition) {
    TreeView& tree = window.Tree();
    tree.Add("", tvwLast, "A", "first");
    tree.Add("", tvwLast, "B", "second");
    tree.Add("A", tvwChild, "A1", "a one");
    tree.Add("A", tvwChild, "A2", "a two");
    tree.Add("A2", tvwPrevious, "A15", "between");
    tree.Add("A1", tvwFirst, "A0", "before all");
    tree.Add("A1", tvwNext, "A12", "after one");
    tree.Add("A1", tvwLast, "A3", "last");
    tree.Add("", tvwFirst, "Z", "top");

    EXPECT_EQ(tree.Count(), 9);
    EXPECT_EQ(Keys(tree.Roots()), (Keyed{"Z", "A", "B"}));
    Node& a = tree.Item("A");
    EXPECT_EQ(Keys(a.ChildNodes()), (Keyed{"A0", "A1", "A12", "A15", "A2", "A3"}));
    EXPECT_EQ(tree.Item(5).Key(), "A15");  // by index, in order of addition
    EXPECT_EQ(tree.Item("A15").Index(), 5);
    EXPECT_EQ(a.Child()->Key(), "A0");
    EXPECT_EQ(tree.Item("A12").FirstSibling()->Key(), "A0");
    EXPECT_EQ(tree.Item("A12").LastSibling()->Key(), "A3");
    EXPECT_EQ(tree.Item("A12").Parent(), &a);
    EXPECT_EQ(tree.Item("A12").Next()->Key(), "A15");
    EXPECT_EQ(tree.Item("A12").Previous()->Key(), "A1");
    EXPECT_EQ(tree.Item("A0").Previous(), nullptr);
    EXPECT_EQ(tree.Item("A3").Next(), nullptr);
    EXPECT_EQ(tree.Item("B").Parent(), nullptr);
    EXPECT_EQ(tree.Item("B").Child(), nullptr);
    EXPECT_EQ(tree.Item("B").FirstSibling()->Key(), "Z");
    EXPECT_EQ(a.Children(), 6);
}

TEST_F(TreeViewTest, BadKeysAndIndexesRaiseTheControlsErrors) {
    TreeView& tree = window.Tree();
    tree.Add("", tvwLast, "OPT1", "one");
    EXPECT_EQ(ErrorNumber([&] { tree.Add("", tvwLast, "OPT1", "again"); }), 35602);
    EXPECT_EQ(ErrorNumber([&] { tree.Add("SET9", tvwChild, "OPT2", "two"); }), 35601);
    EXPECT_EQ(tree.Count(), 1);  // a refused node is not added
    EXPECT_EQ(ErrorNumber([&] { tree.Item("OPT9"); }), 35601);
    EXPECT_EQ(ErrorNumber([&] { tree.Item(0); }), 35600);
    EXPECT_EQ(ErrorNumber([&] { tree.Item(2); }), 35600);
    EXPECT_EQ(tree.Find("opt1"), nullptr);  // keys are compared exactly
    // Nodes without a key may be many.
    tree.Add("", tvwLast, "", "a");
    tree.Add("", tvwLast, "", "b");
    EXPECT_EQ(tree.Count(), 3);
}

TEST_F(TreeViewTest, CodeChangesRaiseNothingAndAPersonsClicksRaiseTheEvents) {
    TreeView& tree = window.Tree();
    Node& set = tree.Add("", tvwLast, "SET1", "Cable");
    Node& member = tree.Add("SET1", tvwChild, "OPT7", "25 ft");
    member.SetTag(vb::Integer{7});
    member.SetChecked(true);
    set.SetExpanded(true);
    EXPECT_TRUE(window.events.empty());

    tree.ClickCheckBox(member);  // the box is already changed when the handler runs
    EXPECT_FALSE(member.Checked());
    tree.ClickCheckBox(set);
    tree.ExpandByPerson(set, false);
    tree.ExpandByPerson(set, false);  // already collapsed: nothing
    tree.ClickNode(member);
    tree.DoubleClickNode(set);
    EXPECT_EQ(window.events, (std::vector<std::string>{
                                 "NodeCheck OPT7 clear", "NodeCheck SET1 checked",
                                 "Collapse SET1 checked", "NodeClick OPT7 clear", "DblClick"}));
    EXPECT_EQ(tree.SelectedItem(), &set);
    EXPECT_EQ(member.Tag().ToInteger(), 7);

    tree.Clear();
    EXPECT_EQ(tree.Count(), 0);
    EXPECT_EQ(tree.SelectedItem(), nullptr);
    EXPECT_TRUE(tree.Roots().empty());
    // Keys are free again after a clear.
    tree.Add("", tvwLast, "SET1", "again");
    EXPECT_EQ(tree.Item("SET1").Index(), 1);
}

TEST_F(TreeViewTest, AnUnloadedWindowsNodesGoWithItsControls) {
    window.Tree().Add("", tvwLast, "A", "a");
    window.Unload();
    window.Load();
    EXPECT_EQ(window.Tree().Count(), 0);
    EXPECT_TRUE(window.Tree().Get("Checkboxes").ToBool());
}

}  // namespace
