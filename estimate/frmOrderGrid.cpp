#include <array>

#include <algorithm>

#include "core/Globals.h"
#include "estimate/frmOrder.h"
#include "platform/vb/Conversion.h"

// The price grid: a header row, a row per line of the estimate, the totals last.
namespace zomel {
namespace {

constexpr double kBigFont = 12;
constexpr double kDescriptionFont = 8;
// Column widths in tenths of the first column's designed width; further columns as the last.
constexpr std::array<vb::Long, PriceLine::kColumnCount> kWidthTenths = {52, 20, 13, 16, 20};

struct CellLook {
    vb::Integer alignment;
    bool bold;
    double size;  // 0: the grid's font
};

constexpr CellLook kPlain = {forms::flexAlignGeneral, false, 0};
constexpr CellLook kRight = {forms::flexAlignRightCenter, false, 0};
constexpr CellLook kRightBig = {forms::flexAlignRightCenter, true, kBigFont};

// Descriptions small; sub totals and the totals line large and bold; numbers to the right.
// Every part number alike, the assembled sign's model number too: one column reads as one.
CellLook LookOf(int column, bool totals) {
    if (column == PriceLine::kDescription) {
        if (totals) return kRightBig;
        return {forms::flexAlignRightCenter, false, kDescriptionFont};
    }
    if (column == PriceLine::kSubTotal) return kRightBig;
    if (column == PriceLine::kPartNumber) return kPlain;
    return totals ? kPlain : kRight;
}

void Paint(forms::FlexGrid& grid, const CellLook& look) {
    grid.SetCellAlignment(look.alignment);
    grid.SetCellFontBold(look.bold);
    grid.SetCellFontSize(look.size > 0 ? look.size : grid.Font()->Size);
}

}  // namespace

void frmOrder::SetUpHeaders() {
    forms::FlexGrid& grid = *fgPrices;
    const std::array<const std::string*, PriceLine::kColumnCount> headers = {
        &HdrDescription, &HdrSellingPrice, &HdrQuantity, &HdrSubTotal, &HdrPartNumber};
    grid.SetRow(0);
    for (int c = 0; c < PriceLine::kColumnCount; ++c) {
        grid.SetCol(c);
        grid.SetText(*headers[static_cast<size_t>(c)]);
        Paint(grid, kRightBig);
    }
}

// The rows are built afresh, so no cell keeps the text or look of an earlier estimate.
void frmOrder::ShowLines(const std::vector<PriceLine>& lines) {
    forms::FlexGrid& grid = *fgPrices;
    grid.SetRedraw(false);
    grid.SetRows(1);
    grid.SetRows(static_cast<vb::Long>(lines.size()) + 1);
    partNumbers_.assign(lines.size() + 1, std::string());
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto row = static_cast<vb::Long>(i + 1);
        const bool totals = i + 1 == lines.size();
        grid.SetRow(row);
        for (int c = 0; c < PriceLine::kColumnCount; ++c) {
            grid.SetCol(c);
            grid.SetText(lines[i].Cells[static_cast<size_t>(c)]);
            Paint(grid, LookOf(c, totals));
        }
        if (!totals) partNumbers_[i + 1] = lines[i].CataloguePartNo;
    }
    grid.SetRedraw(true);
}

PriceLine frmOrder::GridLine(vb::Long row) const {
    const forms::FlexGrid& grid = *fgPrices;
    PriceLine line;
    for (int c = 0; c < PriceLine::kColumnCount && c < grid.Cols(); ++c)
        line.Cells[static_cast<size_t>(c)] = grid.TextMatrix(row, c);
    line.CataloguePartNo = PartNumber(row);
    return line;
}

void frmOrder::SetColumnWidths() {
    forms::FlexGrid& grid = *fgPrices;
    const double w = static_cast<double>(grid.ColWidth(PriceLine::kDescription));
    for (vb::Long c = 0; c < grid.Cols(); ++c) {
        const size_t factor = std::min<size_t>(static_cast<size_t>(c), kWidthTenths.size() - 1);
        grid.SetColWidth(c, vb::CLng(w * static_cast<double>(kWidthTenths[factor]) / 10.0));
    }
}

}  // namespace zomel
