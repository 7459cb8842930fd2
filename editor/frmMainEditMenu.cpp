// Commands: clipboard editing, alignment, shrink to fit, the line-matrix and character
// layouts, the price command's checks, clear and the module outline.
#include "core/Diagnostics.h"
#include "core/FontTable.h"
#include "core/Globals.h"
#include "core/ModuleFigures.h"
#include "core/Sign.h"
#include "editor/LinePlacement.h"
#include "editor/frmMain.h"
#include "estimate/frmOrder.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Instance.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

constexpr vb::Long kOutlineLabelId = 10928;
constexpr vb::Long kCharLayoutLog = 10929;
constexpr vb::Long kLineLayoutLog = 10934;
constexpr vb::Long kNoTextId = 10935;
constexpr vb::Long kModelMismatchId = 10984;
constexpr vb::Long kTooBigId = 11659;
constexpr vb::Long kInId = 11662;
constexpr vb::Long kOutlineGrey = 0x808080;
const char* const kStyleTools[] = {"id_Bold", "id_Italic", "id_Underline"};

}  // namespace

void frmMain::mnuEditCopy_Click() {
    forms::Clipboard().SetText(txtZomelText(CurrentLine).SelText());
}

// The selection goes to the clipboard and leaves the line.
void frmMain::mnuEditCut_Click() {
    forms::TextBox& box = txtZomelText(CurrentLine);
    const std::string text = box.Text();
    const vb::Long n = vb::Len(text), s = box.SelStart(), k = box.SelLength();
    forms::Clipboard().SetText(box.SelText());
    if (k >= n)
        box.SetText("");
    else if (k > 0)
        box.SetText(vb::Left(text, s) + vb::Right(text, n - k - s));
}

// The clipboard's text goes in at the selection's start; the selection stays.
void frmMain::mnuEditPaste_Click() {
    const std::string clip = forms::Clipboard().GetText();
    if (clip.empty()) return;
    forms::TextBox& box = txtZomelText(CurrentLine);
    const std::string text = box.Text();
    const vb::Long n = vb::Len(text), s = box.SelStart();
    box.SetText(vb::Left(text, s) + clip + vb::Right(text, n - s));
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
    const vb::Integer quiet = QuietSize;
    QuietSize = vb::True;
    BeepOnWarning = vb::False;
    vb::Long longest = 0;
    for (vb::Integer i = kLastMessageLine; i >= 0; --i) {
        if (BeyondMaxRows || TooTall) {
            txtZomelText(i).SetText("");
            if (i <= kLastSizedLine) HSLine_Change(i);
        }
        longest = std::max(longest, vb::Len(txtZomelText(i).Text()));
    }
    while (BeyondMaxColumns || TooWide) {
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
    BeepOnWarning = vb::True;
    QuietSize = quiet;
}

// A gap between module rows: one text line per row of modules, at most five lines.
void frmMain::mnuSignLine_Click() {
    ViewSign->SetVisible(false);
    if (!TheSign().HighDensity() && ChkVertical->Value() == forms::vbUnchecked)
        mnuSignVertical_Click(vb::True);
    TheSign().SetSegmentType(LayoutKind::LineMatrix);
    ViewSign->Let("SegSepX", 0);
    ViewSign->Let("SegSepY", kModuleGap);
    for (const char* id : {"id_SignStandard", "id_Bold", "id_Italic", "id_Underline"})
        SetToolEnabled(id, true);
    SetAllLineHeights(kStartFont);
    SetVerticalPlacement(1);
    VScrLineSpacing->SetValue(-1);
    if (!txtZomelText(kLastLineMatrixLine + 1).Text().empty())
        for (vb::Integer i = kLastMessageLine; i > kLastLineMatrixLine; --i)
            txtZomelText(i).SetText("");
    txtZomelText_Change(0);
    if (TheSign().XZomelCount() >= 1) ViewSign->SetVisible(true);
    LogLine(forms::LoadResString(kLineLayoutLog));
}

// One character per module: gaps both ways, vertical standard-density modules, plain text.
void frmMain::mnuSignChar_Click() {
    ViewSign->SetVisible(false);
    TheSign().SetSegmentType(LayoutKind::CharacterSegmented);
    SetToolEnabled("id_SignStandard", false);
    if (ChkVertical->Value() == forms::vbUnchecked) mnuSignVertical_Click(vb::True);
    if (HighDensity) mnuSignDensity_Click();
    SetToolEnabled("id_SignVertical", false);
    for (const char* id : kStyleTools)
        SetToolEnabled(id, false);
    ViewSign->Let("SegSepX", kModuleGap);
    ViewSign->Let("SegSepY", kModuleGap);
    SetAllLineHeights(kStartFont);
    txtZomelText_Change(0);
    if (TheSign().XZomelCount() >= 1) ViewSign->SetVisible(true);
    LogLine(forms::LoadResString(kCharLayoutLog));
}

// The estimate needs text, a model number that matches the sign, and at most 60 modules.  It
// opens the solar window again when the sign changed since the last estimate.
void frmMain::mnuSignPrice_Click() {
    const Sign& sign = TheSign();
    const vb::Long modules = vb::Long{sign.XZomelCount()} * sign.YZomelCount();
    if (modules == 0) {
        forms::MsgBox(forms::LoadResString(kNoTextId), forms::vbInformation);
        return;
    }
    if (sign.ModelNumber() != txtModel->Text()) {
        forms::MsgBox(forms::LoadResString(kModelMismatchId), forms::vbInformation);
        return;
    }
    if (modules > kMostOrderedModules) {
        forms::MsgBox(
            forms::LoadResString(kTooBigId) + forms::LoadResString(kInId) + sign.ModelNumber(),
            forms::vbInformation);
        return;
    }
    forms::Screen().SetMousePointer(forms::vbHourglass);
    if (EstimateShown && (modules != EstimateCount || EstimateHighDensity != HighDensity))
        SignChanged = vb::True;
    forms::Instance<frmOrder>().Show(forms::ShowStyle::Modal, this);
    EstimateShown = vb::True;
    EstimateHighDensity = HighDensity;
    EstimateCount = static_cast<vb::Integer>(modules);
}

// Empties the text but holds the size it had.
void frmMain::mnuSignClear_Click() {
    HoldSize = vb::False;
    SetHoldSize(SSBars->ToolById("id_SignHold"));
    ViewSign->Call("ClearSign");
    for (vb::Integer i = kLastMessageLine; i >= 0; --i)
        txtZomelText(i).SetText("");
    txtZomelText(0).SetFocus();
}

// Module outlines show on grey; the display's own background comes back with them off.
void frmMain::mnuSignShow_Click() {
    bool on = false;
    vb::OnError step([&on] {
        if (vb::Err().Number != vb::err::kControlArrayElementMissing)
            ReportError(forms::LoadResString(kOutlineLabelId) + TrueFalse(vb::Flag(on)));
        vb::Err().Clear();
    });
    step([&] { on = !ViewSign->Get("ZomelOutline").ToBool(); });
    step([&] {
        if (ColorDepth <= 8) return;
        if (on) {
            SavedBackColor = ViewSign->Get("BackColor").ToLong();
            ViewSign->Let("BackColor", kOutlineGrey);
        } else {
            ViewSign->Let("BackColor", SavedBackColor);
        }
    });
    step([&] { ViewSign->Let("ZomelOutline", on); });
}

}  // namespace zomel
