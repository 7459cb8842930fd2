// Line heights: the height bars of the message lines, the character height each shows, and
// the line matrix's limits on them.
#include "core/Diagnostics.h"
#include "core/FlagScope.h"
#include "core/FontTable.h"
#include "core/Globals.h"
#include "core/ModuleFigures.h"
#include "core/ModulePitch.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Host.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Error.h"
#include "platform/vb/Format.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

constexpr vb::Long kLineMatrixWarning = 10919;
constexpr vb::Long kHeightChangeLabel = 10920;
constexpr vb::Long kBlockFontWord = 10951;
constexpr vb::Long kFontSizeWord = 10960;

}  // namespace

void frmMain::HSLine_Change(vb::Integer Index) {
    vb::OnError step([] { ReportError(forms::LoadResString(kHeightChangeLabel)); });
    step([this] { SetWarningPanel(" "); });
    step([&] { KeepLineMatrixLimit(Index); });
    double factor = 1;
    std::string unitName;
    step([&] {
        const std::string& unit = TheSign().CharSizeUnit();
        unitName = unit == "pix" ? "in" : unit;
        if (unit == "cm") factor = 2.54;
    });
    step([&] {
        if (FormatOf(Index).PixelFont)
            ShowBlockFontHeight(Index, factor, unitName);
        else
            ShowInstalledFontHeight(Index, factor);
    });
    step([&] { SyncLineMatrixHeights(Index); });
    step([&] {
        if (!road_.LayoutBusy && !model_.ApplyingModel && !running_.SkipSizeCheck)
            txtZomelText_Change(Index);
    });
}

// A line matrix shows one text line per module row: the font may not be taller than the
// module.  High density with vertical modules has room for every font.
void frmMain::KeepLineMatrixLimit(vb::Integer Index) {
    if (!FormatOf(Index).PixelFont || TheSign().SegmentType() != LayoutKind::LineMatrix) return;
    vb::Integer highest = 0;
    if (!HighDensity)
        highest = kTallestLineMatrixHeight;
    else if (ChkVertical->Value() != forms::vbChecked)
        highest = kTallestFlatHighDensityLineMatrixHeight;
    else
        return;
    if (HSLine(Index).Value() <= highest) return;
    forms::CurrentHost().Beep();
    HSLine(Index).SetValue(highest);
    SetWarningPanel(forms::LoadResString(kLineMatrixWarning));
}

void frmMain::ShowBlockFontHeight(vb::Integer Index, double factor, const std::string& unitName) {
    const FontRecord& font = FontTable(HSLine(Index).Value());
    LineFormat& format = FormatOf(Index);
    format.FontName = font.Name;
    format.FontSize = font.Size;
    format.FontRows = font.Height;
    const double pitch = PixelPitchOf(HighDensity != 0, ChkVertical->Value() == forms::vbChecked);
    // Five rows and the rows beyond them, as the height has always been summed.
    const double rows = format.FontRows - 5;
    const double inches = pitch * rows + pitch * 5;
    LblCharHeight(Index).SetCaption(font.Cols + "x" + font.Rows +
                                    forms::LoadResString(kBlockFontWord) +
                                    vb::Format(inches * factor, "#0.00") + " " + unitName);
}

void frmMain::ShowInstalledFontHeight(vb::Integer Index, double factor) {
    const vb::Integer size = HSLine(Index).Value();
    const Sign& sign = TheSign();
    if (sign.CharSizeUnit() == "pix") {
        LblCharHeight(Index).SetCaption(std::to_string(size) + forms::LoadResString(kFontSizeWord));
    } else {
        double height = (size - 2) * sign.CharHeightCust1() + sign.CharHeightCust2();
        if (HighDensity)
            height += (ChkVertical->Value() == forms::vbChecked ? 1 : 2) * factor;
        else
            height += 11 * factor;
        LblCharHeight(Index).SetCaption(vb::Format(height, "#,##0.00") + " " + sign.CharSizeUnit());
    }
    FormatOf(Index).FontSize = size;
}

// In a line matrix every sized line has the height of the line just changed.
void frmMain::SyncLineMatrixHeights(vb::Integer Index) {
    if (lines_.SyncingHeights || TheSign().SegmentType() != LayoutKind::LineMatrix) return;
    FlagScope syncing(lines_.SyncingHeights);
    const vb::Integer value = HSLine(Index).Value();
    for (vb::Integer i = kLastSizedLine; i >= 0; --i)
        if (i != Index) HSLine(i).SetValue(value);
}

void frmMain::SetWarningPanel(const std::string& text) {
    forms::Item& panel = sbStatusBar->Panels()(kWarningPanel);
    panel.Let("Text", text);
    panel.Let("ToolTipText", text);
}

void frmMain::HSLine_GotFocus(vb::Integer Index) {
    txtZomelText_GotFocus(Index);
}

}  // namespace zomel
