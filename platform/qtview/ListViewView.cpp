#include "platform/qtview/ListViewView.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "platform/forms/ListView.h"
#include "platform/qtview/Convert.h"
#include "platform/qtview/CurrentOnFocus.h"

namespace qtview {
namespace {

forms::ListView& ListOf(forms::Control& control) {
    return static_cast<forms::ListView&>(control);
}

}  // namespace

ListViewView::ListViewView(forms::Control& control, FormWindow& window)
    : ViewBase(control, window) {
    auto* list = new QTreeWidget;
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSortingEnabled(false);
    list->header()->setSectionsClickable(true);
    list->header()->setSortIndicatorShown(false);
    list->header()->setStretchLastSection(false);
    SetWidget(list);
    // Its first row carries the mark, unselected.
    ShowCurrentOnFocus(*list, [list] {
        if (QTreeWidgetItem* first = list->topLevelItem(0))
            list->setCurrentItem(first, 0, QItemSelectionModel::NoUpdate);
    });
    QObject::connect(list->header(), &QHeaderView::sectionClicked, [this](int section) {
        if (!Syncing()) ListOf(Model()).ClickColumn(section + 1);
    });
}

void ListViewView::ShowColumns() {
    auto& list = static_cast<QTreeWidget&>(*Widget());
    auto& columns = ListOf(Model()).ColumnHeaders();
    QStringList headers;
    for (const auto& column : columns)
        headers.push_back(ToQt(column->Get("Text").ToString()));
    list.setColumnCount(static_cast<int>(headers.size()));
    list.setHeaderLabels(headers);
    int i = 0;
    for (const auto& column : columns)
        list.setColumnWidth(i++, TwipsToPixelsX(column->Get("Width").ToDouble()));
}

void ListViewView::ShowRows() {
    auto& list = static_cast<QTreeWidget&>(*Widget());
    const forms::ListView& model = ListOf(Model());
    const int columns = std::max(1, list.columnCount());
    list.clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(model.ListItems().Count()));
    for (const auto& item : model.ListItems()) {
        QStringList texts{ToQt(item->Text())};
        for (int c = 1; c < columns; ++c)
            texts.push_back(ToQt(item->SubItems(c)));
        rows.push_back(new QTreeWidgetItem(texts));
    }
    list.addTopLevelItems(rows);
}

void ListViewView::Sync(std::string_view name) {
    const bool all = name.empty();
    // A header's own change arrives under its property's name.
    if (all || name == "ColumnHeaders" || name == "Text" || name == "Width") ShowColumns();
    if (all || name == "ListItems" || name == "SubItems" || name == "Text") ShowRows();
}

}  // namespace qtview
