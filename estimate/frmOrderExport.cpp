#include "core/Globals.h"
#include "estimate/XMLdetail.h"
#include "estimate/frmOrder.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Interaction.h"
#include "platform/vb/Strings.h"

// The estimate handed to other programs: tab-separated text on the clipboard for a
// spreadsheet (Ctrl+C), and an XML file for the quoting program (Alt+X).
namespace zomel {
namespace {

constexpr vb::Integer kKeyC = 67;
constexpr vb::Integer kKeyX = 88;
constexpr vb::Integer kPartNumberColumn = 4;

}  // namespace

void frmOrder::Window_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) {
    if (KeyCode == kKeyC && Shift == forms::vbCtrlMask) CopyToClipboard();
    if (KeyCode == kKeyX && Shift == forms::vbAltMask) ExportXml();
}

// What the grid shows in its part number column: the model number for the assembled sign,
// the part number of every other row.
std::string frmOrder::ShownPartNumber(vb::Long row) const {
    const forms::FlexGrid& grid = *fgPrices;
    return grid.Cols() > kPartNumberColumn ? vb::Trim(grid.TextMatrix(row, kPartNumberColumn))
                                           : std::string();
}

void frmOrder::CopyToClipboard() {
    forms::Clipboard().Clear();
    const forms::FlexGrid& grid = *fgPrices;
    const vb::Long rows = grid.Rows();
    std::string text;
    for (vb::Long r = 0; r < rows; ++r) {
        for (vb::Long c = 0; c < 4; ++c) {
            text += vb::Trim(grid.TextMatrix(r, c));
            if (c < 3) text += '\t';
        }
        if (r < rows - 1) text += '\t' + (r == 0 ? HdrPartNumber : ShownPartNumber(r));
        text += kCrLf;
    }
    forms::Clipboard().SetText(text);
    forms::MsgBox(
        "Control C key combination detected causing data suitable for Excel to be written to "
        "the clipboard.");
}

void frmOrder::ExportXml() {
    XMLdetail detail;
    detail.ExportStart();
    if (!detail.Ready()) return;
    const forms::FlexGrid& grid = *fgPrices;
    for (vb::Long r = 1; r <= grid.Rows() - 2; ++r) {
        detail.Item(static_cast<vb::Integer>(r));
        detail.Quantity(grid.TextMatrix(r, 2));
        detail.Desc(grid.TextMatrix(r, 0));
        detail.UnitPrice(grid.TextMatrix(r, 1));
        detail.LinePrice(grid.TextMatrix(r, 3));
        detail.Part(ShownPartNumber(r));
    }
    detail.ExportClose();
}

}  // namespace zomel
