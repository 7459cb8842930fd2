#pragma once

#include <vector>

#include "platform/qtview/ViewBase.h"

class QTreeWidgetItem;

namespace forms {
class Node;
class TreeView;
}  // namespace forms

namespace qtview {

// A tree view.  Its items follow the runtime's nodes; a person's tick in a check box, click,
// double click and expanding or collapsing a node reach the runtime as the tree view's events.
class TreeViewView : public ViewBase {
public:
    TreeViewView(forms::Control& control, FormWindow& window);

protected:
    void Sync(std::string_view name) override;

private:
    forms::TreeView& Tree() const;
    forms::Node* NodeOf(const QTreeWidgetItem* item) const;
    // Items for the nodes added since the last look; all anew after the nodes were cleared.
    void MatchNodes();
    void ShowNodeStates();

    std::vector<QTreeWidgetItem*> items_;  // by node index - 1
};

}  // namespace qtview
