#include "platform/forms/FlexGrid.h"

#include <cstdint>
#include <nlohmann/json.hpp>

#include "platform/forms/Description.h"
#include "platform/gdi/SystemColors.h"
#include "platform/vb/Error.h"

namespace forms {

FlexGrid::FlexGrid(Form& parent, std::string typeName, std::string name, vb::Integer index)
    : Control(parent, std::move(typeName), std::move(name), index),
      cells_(2, std::vector<Cell>(2)) {}

const PropertyTable& FlexGrid::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&Control::Table());
        t.Typed("Rows", &FlexGrid::Rows, &FlexGrid::SetRows)
            .Typed("Cols", &FlexGrid::Cols, &FlexGrid::SetCols)
            .Typed("FixedRows", &FlexGrid::FixedRows, &FlexGrid::SetFixedRows)
            .Typed("FixedCols", &FlexGrid::FixedCols, &FlexGrid::SetFixedCols)
            .Typed("Row", &FlexGrid::Row, &FlexGrid::SetRow)
            .Typed("Col", &FlexGrid::Col, &FlexGrid::SetCol)
            .Typed("Text", &FlexGrid::Text, &FlexGrid::SetText)
            .Typed("CellAlignment", &FlexGrid::CellAlignment, &FlexGrid::SetCellAlignment)
            .Typed("CellFontBold", &FlexGrid::CellFontBold, &FlexGrid::SetCellFontBold)
            .Typed("CellFontSize", &FlexGrid::CellFontSize, &FlexGrid::SetCellFontSize)
            .Typed("Redraw", &FlexGrid::Redraw, &FlexGrid::SetRedraw)
            .Stored("BackColor", gdi::SystemColorValue(gdi::SystemColor::Window))
            .Stored("ForeColor", gdi::SystemColorValue(gdi::SystemColor::WindowText))
            .Stored("ScrollBars", vb::Integer{3});
        return t;
    }();
    return table;
}

const FlexGrid::Cell& FlexGrid::At(vb::Long row, vb::Long col) const {
    if (row < 0 || row >= Rows()) vb::Raise(kInvalidRowValue, "Invalid Row value");
    if (col < 0 || col >= cols_) vb::Raise(kInvalidColValue, "Invalid Col value");
    return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

FlexGrid::Cell& FlexGrid::At(vb::Long row, vb::Long col) {
    return const_cast<Cell&>(std::as_const(*this).At(row, col));
}

void FlexGrid::Changed(std::string_view what) {
    if (redraw_) PropertyChanged(what);
}

// The current cell stays inside the grid, below the fixed rows and right of the fixed
// columns where there are any.
void FlexGrid::SetRows(vb::Long rows) {
    if (rows < 0) vb::Raise(vb::err::kInvalidPropertyValue);
    cells_.resize(static_cast<size_t>(rows), std::vector<Cell>(static_cast<size_t>(cols_)));
    if (fixedRows_ > rows) fixedRows_ = rows;
    if (row_ >= rows) row_ = rows > fixedRows_ ? rows - 1 : 0;
    Changed("Rows");
}

void FlexGrid::SetCols(vb::Long cols) {
    if (cols < 0) vb::Raise(vb::err::kInvalidPropertyValue);
    cols_ = cols;
    for (auto& row : cells_)
        row.resize(static_cast<size_t>(cols));
    if (fixedCols_ > cols) fixedCols_ = cols;
    if (col_ >= cols) col_ = cols > fixedCols_ ? cols - 1 : 0;
    Changed("Cols");
}

void FlexGrid::SetFixedRows(vb::Long rows) {
    if (rows < 0 || rows > Rows()) vb::Raise(vb::err::kInvalidPropertyValue);
    fixedRows_ = rows;
    Changed("FixedRows");
}

void FlexGrid::SetFixedCols(vb::Long cols) {
    if (cols < 0 || cols > cols_) vb::Raise(vb::err::kInvalidPropertyValue);
    fixedCols_ = cols;
    Changed("FixedCols");
}

void FlexGrid::SetRow(vb::Long row) {
    if (row < 0 || row >= Rows()) vb::Raise(kInvalidRowValue, "Invalid Row value");
    row_ = row;
}

void FlexGrid::SetCol(vb::Long col) {
    if (col < 0 || col >= cols_) vb::Raise(kInvalidColValue, "Invalid Col value");
    col_ = col;
}

void FlexGrid::SetText(const std::string& text) {
    CurrentCell().text = text;
    Changed("Cells");
}

void FlexGrid::SetCellAlignment(vb::Integer alignment) {
    if (alignment < flexAlignLeftTop || alignment > flexAlignGeneral)
        vb::Raise(vb::err::kInvalidPropertyValue);
    CurrentCell().alignment = alignment;
    Changed("Cells");
}

void FlexGrid::SetCellFontBold(bool bold) {
    CurrentCell().bold = bold;
    Changed("Cells");
}

double FlexGrid::CellFontSize() const {
    const double own = CurrentCell().fontSize;
    return own > 0 ? own : Font()->Size;
}

void FlexGrid::SetCellFontSize(double size) {
    if (size <= 0 || size > 2048) vb::Raise(vb::err::kInvalidPropertyValue);
    CurrentCell().fontSize = size;
    Changed("Cells");
}

void FlexGrid::SetTextMatrix(vb::Long row, vb::Long col, const std::string& text) {
    At(row, col).text = text;
    Changed("Cells");
}

vb::Long FlexGrid::ColWidth(vb::Long col) const {
    if (col < 0 || col >= cols_) vb::Raise(vb::err::kSubscriptOutOfRange);
    const auto slot = static_cast<size_t>(col);
    return slot < colWidths_.size() && colWidths_[slot] >= 0 ? colWidths_[slot] : kDefaultColWidth;
}

void FlexGrid::SetColWidth(vb::Long col, vb::Long width) {
    if (col < 0 || col >= cols_) vb::Raise(vb::err::kSubscriptOutOfRange);
    if (width < -1) vb::Raise(vb::err::kInvalidPropertyValue);
    const auto slot = static_cast<size_t>(col);
    if (slot >= colWidths_.size()) colWidths_.resize(slot + 1, -1);
    colWidths_[slot] = width;
    Changed("ColWidth");
}

void FlexGrid::LoadItems(std::string_view key, const nlohmann::json& items) {
    if (key != "ColWidth") return Control::LoadItems(key, items);
    for (size_t c = 0; c < items.size(); ++c) {
        auto width = WholeNumberFromDescription(items[c], -1, INT32_MAX, "The column width");
        SetColWidth(static_cast<vb::Long>(c), static_cast<vb::Long>(width));
    }
}

void FlexGrid::SetRedraw(bool redraw) {
    redraw_ = redraw;
    if (redraw_) PropertyChanged("Redraw");
}

void FlexGrid::AddItem(const std::string& item, vb::Long index) {
    if (index > Rows()) vb::Raise(kInvalidRowValue, "Invalid Row value");
    std::vector<Cell> row(static_cast<size_t>(cols_));
    size_t start = 0;
    for (size_t c = 0; c < row.size(); ++c) {
        const size_t tab = item.find('\t', start);
        row[c].text = item.substr(start, tab - start);
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    const auto at = index < 0 ? cells_.end() : cells_.begin() + index;
    cells_.insert(at, std::move(row));
    Changed("Rows");
}

void FlexGrid::RemoveItem(vb::Long index) {
    if (index < fixedRows_ || index >= Rows() || Rows() <= fixedRows_ + 1)
        vb::Raise(kCannotRemoveRow, "Cannot remove last non-fixed row");
    cells_.erase(cells_.begin() + index);
    if (row_ >= Rows()) row_ = Rows() - 1;
    Changed("Rows");
}

}  // namespace forms
