#include "platform/qtview/ListViewView.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "platform/forms/ItemControls.h"
#include "platform/qtview/Convert.h"

namespace qtview {

ListViewView::ListViewView(forms::Control& control, FormWindow& window)
    : ViewBase(control, window) {
    auto* list = new QTreeWidget;
    list->setRootIsDecorated(false);
    SetWidget(list);
}

void ListViewView::Sync(std::string_view) {
    auto& list = static_cast<QTreeWidget&>(*Widget());
    auto& columns = static_cast<forms::ListView&>(Model()).ColumnHeaders();
    QStringList headers;
    for (const auto& column : columns)
        headers.push_back(ToQt(column->Get("Text").ToString()));
    list.setColumnCount(static_cast<int>(headers.size()));
    list.setHeaderLabels(headers);
    int i = 0;
    for (const auto& column : columns)
        list.setColumnWidth(i++, TwipsToPixelsX(column->Get("Width").ToDouble()));
}

}  // namespace qtview
