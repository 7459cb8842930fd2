#pragma once

#include <string>
#include <vector>

#include "platform/forms/Control.h"

namespace forms {

// Cell alignments of the flexible grid (CellAlignment).
inline constexpr vb::Integer flexAlignLeftTop = 0;
inline constexpr vb::Integer flexAlignLeftCenter = 1;
inline constexpr vb::Integer flexAlignCenterCenter = 4;
inline constexpr vb::Integer flexAlignRightCenter = 7;
inline constexpr vb::Integer flexAlignGeneral = 9;

// A flexible grid: Rows by Cols cells of text, the first FixedRows rows and FixedCols columns
// fixed (headers).  The current cell (Row, Col) is what Text and the Cell... properties read
// and write; TextMatrix reaches any cell.  A cell keeps its own alignment, bold and font size;
// a size of 0 means the grid's font.  With Redraw off the view does not follow until it is
// switched on again.
class FlexGrid : public Control {
public:
    // Error numbers of the grid's refusals.
    static constexpr vb::Long kInvalidRowValue = 30009;
    static constexpr vb::Long kInvalidColValue = 30010;

    struct Cell {
        std::string text;
        vb::Integer alignment = flexAlignGeneral;
        bool bold = false;
        double fontSize = 0;
    };

    FlexGrid(Form& parent, std::string typeName, std::string name, vb::Integer index);
    bool TakesFocus() const override { return true; }

    vb::Long Rows() const { return static_cast<vb::Long>(cells_.size()); }
    void SetRows(vb::Long rows);
    vb::Long Cols() const { return cols_; }
    void SetCols(vb::Long cols);
    vb::Long FixedRows() const { return fixedRows_; }
    void SetFixedRows(vb::Long rows);
    vb::Long FixedCols() const { return fixedCols_; }
    void SetFixedCols(vb::Long cols);

    vb::Long Row() const { return row_; }
    void SetRow(vb::Long row);
    vb::Long Col() const { return col_; }
    void SetCol(vb::Long col);

    // The current cell.
    std::string Text() const { return CurrentCell().text; }
    void SetText(const std::string& text);
    vb::Integer CellAlignment() const { return CurrentCell().alignment; }
    void SetCellAlignment(vb::Integer alignment);
    bool CellFontBold() const { return CurrentCell().bold; }
    void SetCellFontBold(bool bold);
    // The current cell's font size; the grid's when the cell has none of its own.
    double CellFontSize() const;
    void SetCellFontSize(double size);

    std::string TextMatrix(vb::Long row, vb::Long col) const { return At(row, col).text; }
    void SetTextMatrix(vb::Long row, vb::Long col, const std::string& text);
    const Cell& CellAt(vb::Long row, vb::Long col) const { return At(row, col); }

    // Column widths in twips; a column not given one has the grid's default width.
    vb::Long ColWidth(vb::Long col) const;
    void SetColWidth(vb::Long col, vb::Long width);

    bool Redraw() const { return redraw_; }
    void SetRedraw(bool redraw);

    // Appends a row (or inserts it before row `index`), its cells taken from `item`, split at
    // tabs, from column 0 on.
    void AddItem(const std::string& item, vb::Long index = -1);
    // Removes a row that is not fixed; error 30015 for a fixed row or one past the end.
    void RemoveItem(vb::Long index);

    static constexpr vb::Long kDefaultColWidth = 960;
    static constexpr vb::Long kCannotRemoveRow = 30015;

    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }

protected:
    // "ColWidth": the designed widths of the first columns, in twips.
    void LoadItems(std::string_view key, const nlohmann::json& items) override;

private:
    const Cell& At(vb::Long row, vb::Long col) const;
    Cell& At(vb::Long row, vb::Long col);
    const Cell& CurrentCell() const { return At(row_, col_); }
    Cell& CurrentCell() { return At(row_, col_); }
    // Tells the view, unless redrawing is off.
    void Changed(std::string_view what);

    std::vector<std::vector<Cell>> cells_;
    vb::Long cols_ = 2;
    vb::Long fixedRows_ = 1;
    vb::Long fixedCols_ = 1;
    vb::Long row_ = 1;
    vb::Long col_ = 1;
    std::vector<vb::Long> colWidths_;  // -1: the default width
    bool redraw_ = true;
};

}  // namespace forms
