#include "platform/qtview/FlexGridView.h"

#include <QHeaderView>
#include <QTableWidget>

#include "platform/forms/FlexGrid.h"
#include "platform/qtview/Convert.h"
#include "platform/qtview/CurrentOnFocus.h"

namespace qtview {
namespace {

const forms::FlexGrid& GridOf(const forms::Control& control) {
    return static_cast<const forms::FlexGrid&>(control);
}

Qt::Alignment ToQtAlignment(vb::Integer alignment) {
    static const Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static const Qt::Alignment vertical[] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    // General: text to the left, vertically centred.
    if (alignment < 0 || alignment >= forms::flexAlignGeneral)
        return Qt::AlignLeft | Qt::AlignVCenter;
    return horizontal[alignment / 3] | vertical[alignment % 3];
}

}  // namespace

FlexGridView::FlexGridView(forms::Control& control, FormWindow& window)
    : ViewBase(control, window) {
    auto* grid = new QTableWidget;
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    // The grid shows; it has no selection of its own for a person to make.
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    SetWidget(grid);
    ShowCurrentOnFocus(*grid, [this] { ShowCurrentCell(); });
}

void FlexGridView::Sync(std::string_view name) {
    const bool all = name.empty() || name == "Redraw";
    if (!GridOf(Model()).Redraw()) return;
    if (all || name == "Rows" || name == "Cols" || name == "FixedRows" || name == "FixedCols" ||
        name == "Cells" || name == "Font")
        ShowCells();
    if (all || name == "Cols" || name == "ColWidth") ShowColumnWidths();
}

void FlexGridView::ShowCells() {
    auto& grid = static_cast<QTableWidget&>(*Widget());
    const forms::FlexGrid& model = GridOf(Model());
    const int rows = static_cast<int>(model.Rows());
    const int cols = static_cast<int>(model.Cols());
    grid.setRowCount(rows);
    grid.setColumnCount(cols);
    const QBrush fixed = grid.palette().button();
    const QBrush plain = grid.palette().base();
    const forms::StdFont& gridFont = *model.Font();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const forms::FlexGrid::Cell& cell = model.CellAt(r, c);
            QTableWidgetItem* item = grid.item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                grid.setItem(r, c, item);
            }
            forms::StdFont font = gridFont;
            font.Bold = cell.bold;
            if (cell.fontSize > 0) font.Size = cell.fontSize;
            item->setFont(ToQFont(font));
            item->setText(ToQt(cell.text));
            item->setTextAlignment(ToQtAlignment(cell.alignment));
            const bool isFixed = r < model.FixedRows() || c < model.FixedCols();
            item->setBackground(isFixed ? fixed : plain);
        }
    }
    grid.setCurrentCell(-1, -1);
    grid.resizeRowsToContents();
}

void FlexGridView::ShowCurrentCell() {
    auto& grid = static_cast<QTableWidget&>(*Widget());
    const forms::FlexGrid& model = GridOf(Model());
    const auto row = static_cast<int>(model.Row());
    const auto col = static_cast<int>(model.Col());
    if (row >= grid.rowCount() || col >= grid.columnCount()) return;
    Quietly([&] { grid.setCurrentCell(row, col, QItemSelectionModel::NoUpdate); });
}

void FlexGridView::ShowColumnWidths() {
    auto& grid = static_cast<QTableWidget&>(*Widget());
    const forms::FlexGrid& model = GridOf(Model());
    for (int c = 0; c < static_cast<int>(model.Cols()); ++c)
        grid.setColumnWidth(c, TwipsToPixelsX(static_cast<double>(model.ColWidth(c))));
}

}  // namespace qtview
