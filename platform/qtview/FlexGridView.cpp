#include "platform/qtview/FlexGridView.h"

#include <QHeaderView>
#include <QTableWidget>

namespace qtview {

FlexGridView::FlexGridView(forms::Control& control, FormWindow& window)
    : ViewBase(control, window) {
    auto* grid = new QTableWidget;
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    SetWidget(grid);
}

void FlexGridView::Sync(std::string_view name) {
    if (!name.empty() && name != "Rows" && name != "Cols" && name != "FixedRows" &&
        name != "FixedCols")
        return;
    auto& grid = static_cast<QTableWidget&>(*Widget());
    const forms::Control& model = Model();
    auto rows = static_cast<int>(model.Get("Rows").ToLong());
    auto cols = static_cast<int>(model.Get("Cols").ToLong());
    auto fixedRows = static_cast<int>(model.Get("FixedRows").ToLong());
    auto fixedCols = static_cast<int>(model.Get("FixedCols").ToLong());
    grid.setRowCount(rows);
    grid.setColumnCount(cols);
    QBrush fixed = grid.palette().button();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            if (r >= fixedRows && c >= fixedCols) continue;
            if (!grid.item(r, c)) grid.setItem(r, c, new QTableWidgetItem);
            grid.item(r, c)->setBackground(fixed);
        }
    }
}

}  // namespace qtview
