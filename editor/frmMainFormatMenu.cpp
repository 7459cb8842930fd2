// The Format menu: alignment and vertical placement of the lines, shrink to fit, and the
// lines' fonts.
#include <algorithm>

#include "core/Diagnostics.h"
#include "core/FontTable.h"
#include "core/Globals.h"
#include "editor/LinePlacement.h"
#include "editor/frmMain.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

constexpr vb::Long kAskBlockFonts = 10922;
constexpr vb::Long kBlockFontNotice = 10923;
constexpr vb::Long kFontCommandLabel = 10924;
constexpr vb::Long kScreenAndPrinterFontsWithEffects = 259;
const char* const kPlacementTools[] = {"id_FormatTop", "id_FormatMiddle", "id_FormatBottom"};

bool IsBlockFontName(const std::string& name) {
    if (!name.starts_with("VELDO")) return false;
    for (vb::Integer i = kFirstBlockFont; i <= kLastBlockFont; ++i)
        if (FontTable(i).Name == name) return true;
    return false;
}

}  // namespace

void frmMain::mnuFormatCenter_Click() {
    FormatOf(CurrentLine).Align = kAlignCentre;
    if (!running_.SkipSizeCheck) txtZomelText_Change(CurrentLine);
}

// 0 top, 1 middle, 2 bottom.
void frmMain::SetVerticalPlacement(vb::Integer placement) {
    SetToolState(kPlacementTools[placement], forms::kToolDown);
    lines_.VerticalPlacement = placement;
    if (!running_.SkipSizeCheck) txtZomelText_Change(CurrentLine);
}

void frmMain::mnuFormatLeft_Click() {
    FormatOf(CurrentLine).Align = kAlignLeft;
    txtZomelText_Change(CurrentLine);
}

void frmMain::mnuFormatRight_Click() {
    FormatOf(CurrentLine).Align = kAlignRight;
    txtZomelText_Change(CurrentLine);
}

// Empties lines from the bottom while the message is too tall, then trims the longest lines
// one character a pass while it is too wide; a pass that trims nothing ends it.
void frmMain::mnuFormatShrink_Click() {
    // Every trim lays the sign out again; its size messages would greet each one.
    const vb::Integer quiet = size_.QuietSize;
    size_.QuietSize = vb::True;
    running_.BeepOnWarning = vb::False;
    vb::Long longest = 0;
    for (vb::Integer i = kLastMessageLine; i >= 0; --i) {
        if (size_.BeyondMaxRows || size_.TooTall) {
            txtZomelText(i).SetText("");
            if (i <= kLastSizedLine) HSLine_Change(i);
        }
        longest = std::max(longest, vb::Len(txtZomelText(i).Text()));
    }
    while (size_.BeyondMaxColumns || size_.TooWide) {
        bool trimmed = false;
        for (vb::Integer i = kLastMessageLine; i >= 0; --i) {
            const std::string text = txtZomelText(i).Text();
            if (longest == 0 || vb::Len(text) != longest) continue;
            txtZomelText(i).SetText(vb::Left(text, longest - 1));
            if (i <= kLastSizedLine) HSLine_Change(i);
            trimmed = true;
        }
        if (!trimmed) break;
        if (longest > 0) --longest;
    }
    running_.BeepOnWarning = vb::True;
    size_.QuietSize = quiet;
}

void frmMain::mnuFormatFont_Click() {
    vb::OnError step([] { ReportError(forms::LoadResString(kFontCommandLabel)); });
    bool blockFont = false;
    bool chosen = true;
    step([&] {
        blockFont =
            forms::MsgBox(forms::LoadResString(kAskBlockFonts), forms::vbYesNo) == forms::vbYes;
    });
    if (!blockFont) step([&] { chosen = ChooseFontInDialog(blockFont); });
    if (chosen) {
        const vb::Integer first =
            CurrentLine == 0 ? (blockFont ? kLastMessageLine : kLastSizedLine) : CurrentLine;
        const vb::Integer last = CurrentLine == 0 ? 0 : CurrentLine;
        for (vb::Integer i = first; i >= last; --i)
            step([&] { blockFont ? UseBlockFont(i) : UseInstalledFont(i); });
    }
    step([this] { txtZomelText(CurrentLine).SetFocus(); });
}

// False when the person cancels: then no line changes.  Choosing one of the LED block fonts
// in the dialog is answering Yes.
bool frmMain::ChooseFontInDialog(bool& blockFont) {
    forms::CommonDialog& dialog = *dlgCommonDialog;
    dialog.Let("Flags", kScreenAndPrinterFontsWithEffects);
    dialog.Let("CancelError", true);
    try {
        dialog.ShowFont();
    } catch (const vb::VbError& e) {
        if (e.Number() == vb::err::kDialogCancelled) return false;
        throw;
    }
    if (IsBlockFontName(dialog.Get("FontName").ToString())) {
        forms::MsgBox(forms::LoadResString(kBlockFontNotice));
        blockFont = true;
    }
    return true;
}

// The dialog's font on line Index; the size is brought into the bar's range.
void frmMain::UseInstalledFont(vb::Integer Index) {
    forms::CommonDialog& dialog = *dlgCommonDialog;
    forms::HScrollBar& bar = HSLine(Index);
    LineFormat& format = FormatOf(Index);
    // The LED font to give back later is the one the line has now, before the new range
    // moves the bar; a line already in an installed font keeps the one it saved.
    if (format.PixelFont) lines_.SavedLineHeight[static_cast<size_t>(Index)] = bar.Value();
    bar.SetMin(kInstalledFontSmallest);
    bar.SetMax(kInstalledFontLargest);
    double size = dialog.Get("FontSize").ToDouble();
    if (size < bar.Min()) size = bar.Min();
    if (size > bar.Max()) size = bar.Max();
    dialog.Let("FontSize", size);
    format.PixelFont = vb::False;
    format.FontName = dialog.Get("FontName").ToString();
    format.FontSize = vb::CInt(size);
    bar.SetValue(format.FontSize);
    HSLine_Change(Index);
}

// Back to the LED block font the line had; a line already in one keeps it.
void frmMain::UseBlockFont(vb::Integer Index) {
    LineFormat& format = FormatOf(Index);
    if (format.PixelFont) return;
    format.PixelFont = vb::True;
    if (Index > kLastSizedLine) return;
    forms::HScrollBar& bar = HSLine(Index);
    bar.SetMin(kFirstBlockFont);
    bar.SetMax(kLastBlockFont);
    bar.SetValue(lines_.SavedLineHeight[static_cast<size_t>(Index)]);
    HSLine_Change(Index);
}

}  // namespace zomel
