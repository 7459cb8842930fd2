#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/Control.h"
#include "platform/vb/Variant.h"

namespace forms {

// Where Nodes.Add places a node, relative to the node it names.
inline constexpr vb::Integer tvwFirst = 0;     // first sibling of the relative
inline constexpr vb::Integer tvwLast = 1;      // last sibling of the relative
inline constexpr vb::Integer tvwNext = 2;      // right after the relative
inline constexpr vb::Integer tvwPrevious = 3;  // right before the relative
inline constexpr vb::Integer tvwChild = 4;     // last child of the relative

class TreeView;

// One node of a tree view: its key, text, tag, check box and place among the others.  Changes
// made from code raise no event; the tree's view follows them.
class Node : public vb::Object {
public:
    Node(TreeView& tree, vb::Long index, std::string key, std::string text);

    // 1-based, in order of addition.
    vb::Long Index() const { return index_; }
    const std::string& Key() const { return key_; }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    const vb::Variant& Tag() const { return tag_; }
    void SetTag(const vb::Variant& tag) { tag_ = tag; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Expanded() const { return expanded_; }
    void SetExpanded(bool expanded);

    // nullptr where there is none.
    Node* Parent() const { return parent_; }
    Node* Child() const { return children_.empty() ? nullptr : children_.front(); }
    Node* FirstSibling() const { return Siblings().front(); }
    Node* LastSibling() const { return Siblings().back(); }
    Node* Next() const;
    Node* Previous() const;
    vb::Long Children() const { return static_cast<vb::Long>(children_.size()); }
    // 0-based place among its siblings.
    size_t Place() const;
    const std::vector<Node*>& ChildNodes() const { return children_; }

private:
    friend class TreeView;
    const std::vector<Node*>& Siblings() const;

    TreeView* tree_;
    vb::Long index_;
    std::string key_;
    std::string text_;
    vb::Variant tag_;
    bool checked_ = false;
    bool expanded_ = false;
    Node* parent_ = nullptr;
    std::vector<Node*> children_;
};

// A tree view with check boxes: its nodes, found by Index or Key, the selected node and a
// person's clicks, which raise NodeCheck, NodeClick, DblClick, Expand and Collapse.
class TreeView : public Control {
public:
    bool TakesFocus() const override { return true; }
    using Control::Control;

    // Adds a node placed by `relationship` to the node keyed `relative`; with no relative the
    // node goes to the top level (tvwFirst before the others, anything else after them).
    // Error 35602 for a key already used, 35601 for a relative that does not exist.
    Node& Add(std::string_view relative, vb::Integer relationship, const std::string& key,
              const std::string& text);
    void Clear();
    vb::Long Count() const { return static_cast<vb::Long>(nodes_.size()); }
    // Error 35600 for an index out of range, 35601 for a key no node has.
    Node& Item(vb::Long index) const;
    Node& Item(std::string_view key) const;
    Node* Find(std::string_view key) const;
    const std::vector<Node*>& Roots() const { return roots_; }

    Node* SelectedItem() const { return selected_; }
    void SetSelectedItem(Node* node);

    // A person's actions.
    // Toggles the node's check box, then raises NodeCheck with the node.
    void ClickCheckBox(Node& node);
    void ClickNode(Node& node);
    void DoubleClickNode(Node& node);
    void ExpandByPerson(Node& node, bool expanded);

    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }

private:
    friend class Node;
    void RaiseNodeEvent(std::string_view event, Node& node);
    // The view follows every change of the nodes through this one property.
    void NodesChanged() { PropertyChanged("Nodes"); }
    std::vector<Node*>& SiblingsAt(Node* parent) { return parent ? parent->children_ : roots_; }

    std::vector<std::shared_ptr<Node>> nodes_;  // in order of addition
    std::vector<Node*> roots_;
    Node* selected_ = nullptr;
};

}  // namespace forms
