#include "platform/qtview/TreeViewView.h"

#include <QEvent>
#include <QTreeWidget>

#include "platform/forms/TreeView.h"
#include "platform/qtview/Convert.h"
#include "platform/qtview/CurrentOnFocus.h"

namespace qtview {
namespace {

constexpr int kIndexRole = Qt::UserRole;

// A tree comes on screen at its first row, its current row in view: filling and sizing it
// while hidden leaves it scrolled wherever the last change took it.
class OpensAtTop : public QObject {
public:
    explicit OpensAtTop(QTreeWidget* tree) : QObject(tree) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            auto* tree = static_cast<QTreeWidget*>(watched);
            tree->scrollToTop();
            if (QTreeWidgetItem* current = tree->currentItem()) tree->scrollToItem(current);
        }
        return false;
    }
};

}  // namespace

TreeViewView::TreeViewView(forms::Control& control, FormWindow& window)
    : ViewBase(control, window) {
    auto* tree = new QTreeWidget;
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setUniformRowHeights(true);
    tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    tree->installEventFilter(new OpensAtTop(tree));
    SetWidget(tree);
    // A tree without a selected node selects its first one as it takes the focus, and the
    // model's SelectedItem follows.
    ShowCurrentOnFocus(*tree, [tree] {
        if (QTreeWidgetItem* first = tree->topLevelItem(0)) tree->setCurrentItem(first);
    });
    QObject::connect(tree, &QTreeWidget::itemChanged, [this](QTreeWidgetItem* item, int) {
        forms::Node* node = NodeOf(item);
        if (Syncing() || !node) return;
        if ((item->checkState(0) == Qt::Checked) != node->Checked()) Tree().ClickCheckBox(*node);
    });
    QObject::connect(tree, &QTreeWidget::itemClicked, [this](QTreeWidgetItem* item, int) {
        if (forms::Node* node = NodeOf(item); node && !Syncing()) Tree().ClickNode(*node);
    });
    QObject::connect(tree, &QTreeWidget::itemDoubleClicked, [this](QTreeWidgetItem* item, int) {
        if (forms::Node* node = NodeOf(item); node && !Syncing()) Tree().DoubleClickNode(*node);
    });
    QObject::connect(tree, &QTreeWidget::currentItemChanged, [this](QTreeWidgetItem* item) {
        if (!Syncing()) Tree().SetSelectedItem(NodeOf(item));
    });
    QObject::connect(tree, &QTreeWidget::itemExpanded, [this](QTreeWidgetItem* item) {
        if (forms::Node* node = NodeOf(item); node && !Syncing())
            Tree().ExpandByPerson(*node, true);
    });
    QObject::connect(tree, &QTreeWidget::itemCollapsed, [this](QTreeWidgetItem* item) {
        if (forms::Node* node = NodeOf(item); node && !Syncing())
            Tree().ExpandByPerson(*node, false);
    });
}

forms::TreeView& TreeViewView::Tree() const {
    return static_cast<forms::TreeView&>(Model());
}

forms::Node* TreeViewView::NodeOf(const QTreeWidgetItem* item) const {
    if (!item) return nullptr;
    const vb::Long index = item->data(0, kIndexRole).toInt();
    if (index < 1 || index > Tree().Count()) return nullptr;
    return &Tree().Item(index);
}

void TreeViewView::Sync(std::string_view name) {
    auto& tree = static_cast<QTreeWidget&>(*Widget());
    if (name.empty() || name == "Indentation")
        tree.setIndentation(TwipsToPixelsX(Model().Get("Indentation").ToDouble()));
    if (name.empty() || name == "Nodes" || name == "Checkboxes") {
        MatchNodes();
        ShowNodeStates();
    }
}

void TreeViewView::MatchNodes() {
    auto& tree = static_cast<QTreeWidget&>(*Widget());
    const forms::TreeView& model = Tree();
    if (static_cast<size_t>(model.Count()) < items_.size()) {
        tree.clear();
        items_.clear();
    }
    for (auto index = static_cast<vb::Long>(items_.size()) + 1; index <= model.Count(); ++index) {
        const forms::Node& node = model.Item(index);
        QTreeWidgetItem* parent = node.Parent()
                                      ? items_[static_cast<size_t>(node.Parent()->Index() - 1)]
                                      : tree.invisibleRootItem();
        // Its place among the siblings the view already shows (those added before it).
        int place = 0;
        const auto& siblings = node.Parent() ? node.Parent()->ChildNodes() : model.Roots();
        for (const forms::Node* sibling : siblings) {
            if (sibling == &node) break;
            if (sibling->Index() < index) ++place;
        }
        auto* item = new QTreeWidgetItem;
        item->setData(0, kIndexRole, static_cast<int>(index));
        parent->insertChild(place, item);
        items_.push_back(item);
    }
}

void TreeViewView::ShowNodeStates() {
    auto& tree = static_cast<QTreeWidget&>(*Widget());
    const forms::TreeView& model = Tree();
    const bool boxes = model.Get("Checkboxes").ToBool();
    for (size_t i = 0; i < items_.size(); ++i) {
        const forms::Node& node = model.Item(static_cast<vb::Long>(i + 1));
        QTreeWidgetItem& item = *items_[i];
        const QString text = ToQt(node.Text());
        if (item.text(0) != text) item.setText(0, text);
        if (boxes) {
            const Qt::CheckState state = node.Checked() ? Qt::Checked : Qt::Unchecked;
            if (item.data(0, Qt::CheckStateRole).isNull() || item.checkState(0) != state)
                item.setCheckState(0, state);
        }
        if (item.isExpanded() != node.Expanded()) item.setExpanded(node.Expanded());
    }
    QTreeWidgetItem* selected = model.SelectedItem()
                                    ? items_[static_cast<size_t>(model.SelectedItem()->Index() - 1)]
                                    : nullptr;
    if (tree.currentItem() != selected) tree.setCurrentItem(selected);
}

}  // namespace qtview
