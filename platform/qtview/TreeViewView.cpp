#include "platform/qtview/TreeViewView.h"

#include <QTreeWidget>

#include "platform/qtview/Convert.h"

namespace qtview {

TreeViewView::TreeViewView(forms::Control& control, FormWindow& window)
    : ViewBase(control, window) {
    auto* tree = new QTreeWidget;
    tree->setHeaderHidden(true);
    SetWidget(tree);
}

void TreeViewView::Sync(std::string_view name) {
    auto& tree = static_cast<QTreeWidget&>(*Widget());
    if (name.empty() || name == "Indentation")
        tree.setIndentation(TwipsToPixelsX(Model().Get("Indentation").ToDouble()));
}

}  // namespace qtview
