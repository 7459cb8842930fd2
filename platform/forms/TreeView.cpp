#include "platform/forms/TreeView.h"

#include <algorithm>

#include "platform/forms/Item.h"
#include "platform/vb/Error.h"

namespace forms {

Node::Node(TreeView& tree, vb::Long index, std::string key, std::string text)
    : tree_(&tree), index_(index), key_(std::move(key)), text_(std::move(text)) {}

void Node::SetText(const std::string& text) {
    text_ = text;
    tree_->NodesChanged();
}

void Node::SetChecked(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    tree_->NodesChanged();
}

void Node::SetExpanded(bool expanded) {
    if (expanded_ == expanded) return;
    expanded_ = expanded;
    tree_->NodesChanged();
}

const std::vector<Node*>& Node::Siblings() const {
    return parent_ ? parent_->children_ : tree_->roots_;
}

size_t Node::Place() const {
    const auto& siblings = Siblings();
    return static_cast<size_t>(std::find(siblings.begin(), siblings.end(), this) -
                               siblings.begin());
}

Node* Node::Next() const {
    const auto& siblings = Siblings();
    const size_t place = Place();
    return place + 1 < siblings.size() ? siblings[place + 1] : nullptr;
}

Node* Node::Previous() const {
    const size_t place = Place();
    return place > 0 ? Siblings()[place - 1] : nullptr;
}

const PropertyTable& TreeView::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&Control::Table());
        t.Stored("Style", vb::Integer{7})
            .Stored("Checkboxes", false)
            .Stored("Indentation", 300.0)
            .Stored("LineStyle", vb::Integer{0});
        return t;
    }();
    return table;
}

Node& TreeView::Add(std::string_view relative, vb::Integer relationship, const std::string& key,
                    const std::string& text) {
    if (!key.empty() && Find(key))
        vb::Raise(vb::err::kKeyNotUnique, "Key is not unique in collection");
    Node* anchor = nullptr;
    if (!relative.empty()) anchor = &Item(relative);
    auto node = std::make_shared<Node>(*this, Count() + 1, key, text);
    Node* added = node.get();
    Node* parent = nullptr;
    size_t place = 0;
    if (anchor && relationship == tvwChild) {
        parent = anchor;
        place = anchor->children_.size();
    } else if (anchor) {
        parent = anchor->parent_;
        const size_t at = anchor->Place();
        if (relationship == tvwFirst) place = 0;
        if (relationship == tvwNext) place = at + 1;
        if (relationship == tvwPrevious) place = at;
        if (relationship != tvwFirst && relationship != tvwNext && relationship != tvwPrevious)
            place = SiblingsAt(parent).size();
    } else {
        place = relationship == tvwFirst ? 0 : roots_.size();
    }
    std::vector<Node*>& siblings = SiblingsAt(parent);
    siblings.insert(siblings.begin() + static_cast<std::ptrdiff_t>(place), added);
    added->parent_ = parent;
    nodes_.push_back(std::move(node));
    NodesChanged();
    return *added;
}

void TreeView::Clear() {
    selected_ = nullptr;
    roots_.clear();
    nodes_.clear();
    NodesChanged();
}

Node& TreeView::Item(vb::Long index) const {
    if (index < 1 || index > Count()) RaiseIndexOutOfBounds();
    return *nodes_[static_cast<size_t>(index - 1)];
}

Node& TreeView::Item(std::string_view key) const {
    if (Node* node = Find(key)) return *node;
    vb::Raise(vb::err::kElementNotFound, "Element not found");
}

Node* TreeView::Find(std::string_view key) const {
    if (key.empty()) return nullptr;
    for (const auto& node : nodes_)
        if (node->Key() == key) return node.get();
    return nullptr;
}

void TreeView::SetSelectedItem(Node* node) {
    if (selected_ == node) return;
    selected_ = node;
    NodesChanged();
}

void TreeView::RaiseNodeEvent(std::string_view event, Node& node) {
    EventArgs args{vb::Variant(vb::ObjectRef(nodes_[static_cast<size_t>(node.Index() - 1)]))};
    RaiseEvent(event, args);
}

void TreeView::ClickCheckBox(Node& node) {
    node.SetChecked(!node.Checked());
    RaiseNodeEvent("NodeCheck", node);
}

void TreeView::ClickNode(Node& node) {
    SetSelectedItem(&node);
    RaiseNodeEvent("NodeClick", node);
}

void TreeView::DoubleClickNode(Node& node) {
    SetSelectedItem(&node);
    RaiseEvent("DblClick");
}

void TreeView::ExpandByPerson(Node& node, bool expanded) {
    if (node.Expanded() == expanded) return;
    node.SetExpanded(expanded);
    RaiseNodeEvent(expanded ? "Expand" : "Collapse", node);
}

}  // namespace forms
