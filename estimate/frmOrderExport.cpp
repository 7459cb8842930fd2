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

}  // namespace

void frmOrder::Window_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) {
    if (KeyCode == kKeyC && Shift == forms::vbCtrlMask) CopyToClipboard();
    if (KeyCode == kKeyX && Shift == forms::vbAltMask) ExportXml();
}

// Both give the part number the grid shows: the model number for the assembled sign.
void frmOrder::CopyToClipboard() {
    forms::Clipboard().Clear();
    const vb::Long rows = fgPrices->Rows();
    std::string text;
    for (vb::Long r = 0; r < rows; ++r) {
        const PriceLine line = GridLine(r);
        for (int c = 0; c < PriceLine::kPricedColumns; ++c) {
            if (c > 0) text += '\t';
            text += vb::Trim(line.Cells[static_cast<size_t>(c)]);
        }
        if (r < rows - 1)
            text += '\t' + (r == 0 ? HdrPartNumber : vb::Trim(line.Cells[PriceLine::kPartNumber]));
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
    for (vb::Long r = 1; r <= fgPrices->Rows() - 2; ++r) {
        const PriceLine line = GridLine(r);
        detail.Item(static_cast<vb::Integer>(r));
        detail.Quantity(line.Cells[PriceLine::kQuantity]);
        detail.Desc(line.Cells[PriceLine::kDescription]);
        detail.UnitPrice(line.Cells[PriceLine::kSellingPrice]);
        detail.LinePrice(line.Cells[PriceLine::kSubTotal]);
        detail.Part(vb::Trim(line.Cells[PriceLine::kPartNumber]));
    }
    detail.ExportClose();
}

}  // namespace zomel
