#include "core/Diagnostics.h"
#include "core/FlagScope.h"
#include "core/FontTable.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "editor/LinePlacement.h"
#include "editor/frmMain.h"
#include "platform/forms/StringTable.h"

namespace zomel {
namespace {

constexpr vb::Long kVersionLog = 10927;
constexpr vb::Long kFullMatrixLog = 10933;
const char* const kPlacementTools[] = {"id_FormatTop", "id_FormatMiddle", "id_FormatBottom"};

}  // namespace

// Full matrix: no gaps between modules.  During start-up only the tools and the model
// change; the relayout comes later.
void frmMain::mnuSignFull_Click() {
    ViewSign->SetVisible(false);
    for (const char* id :
         {"id_SignVertical", "id_SignStandard", "id_Bold", "id_Italic", "id_Underline"})
        SetToolEnabled(id, true);
    TheSign().SetSegmentType(LayoutKind::FullMatrix);
    ViewSign->Let("SegSepX", 0);
    ViewSign->Let("SegSepY", 0);
    if (SkipSizeCheck) return;
    VScrLineSpacing->SetValue(0);
    SetAllLineHeights(kStartFont);
    txtZomelText_Change(0);
    LogLine(forms::LoadResString(kFullMatrixLog));
    if (TheSign().XZomelCount() >= 1) ViewSign->SetVisible(true);
}

// Switches between the two module generations and shows the tool that offers the other.
void frmMain::SetZomelVersion() {
    if (!SkipSizeCheck) {
        Zomel2Mode = vb::Flag(!Zomel2Mode);
        TheSign().SetZomel2(Zomel2Mode);
        CalculateSize();
    }
    SetToolVisible("id_Sign2", Zomel2Mode);
    SetToolVisible("id_Sign1", !Zomel2Mode);
    LogLine(forms::LoadResString(kVersionLog) + TrueFalse(Zomel2Mode));
}

void frmMain::mnuFormatCenter_Click() {
    FormatOf(CurrentLine).Align = kAlignCentre;
    if (!SkipSizeCheck) txtZomelText_Change(CurrentLine);
}

// 0 top, 1 middle, 2 bottom.
void frmMain::SetVerticalPlacement(vb::Integer placement) {
    SetToolState(kPlacementTools[placement], forms::kToolDown);
    VerticalPlacement = placement;
    if (!SkipSizeCheck) txtZomelText_Change(CurrentLine);
}

void frmMain::SetHoldSize(forms::Tool& tool) {
    if (HoldBusy) return;
    if (!HoldSize) {
        HeldColumns = TheSign().XZomelCount();
        HeldRows = TheSign().YZomelCount();
        // Nothing typed, or only blanks (a sign of no modules): nothing to hold, and a held
        // empty sign could not be released (the tool is off without modules).
        if (LongestLineLength() == 0 || HeldColumns < 1 || HeldRows < 1) {
            tool.SetState(forms::kToolUp);
            return;
        }
        HoldSize = vb::True;
        tool.SetState(forms::kToolDown);
    } else {
        HeldColumns = HeldRows = -1;
        HoldSize = vb::False;
        tool.SetState(forms::kToolUp);
    }
    FlagScope busy(HoldBusy);
    txtZomelText_Change(0);
}

// Back to the start-up design.  While the density changes only the sign is emptied: the
// hold, the tools and the line formats stay.
void frmMain::mnuSignStartOver_Click() {
    ViewSign->Call("ClearSign");
    for (vb::Integer i = kLastMessageLine; i >= 0; --i)
        txtZomelText(i).SetText("");
    TheSign().SetYZomelCount(0);
    TheSign().SetXZomelCount(0);
    if (!DensityChanging) {
        HoldSize = vb::True;
        SetHoldSize(SSBars->ToolById("id_SignHold"));
        CurrentLine = 1;
        for (const char* id : {"id_FormatCenter", "id_FormatMiddle"})
            if (ToolState(id) == forms::kToolUp) SetToolState(id, forms::kToolDown);
        if (!HighDensity) SetToolState("id_SignHigh", forms::kToolDown);
        if (TheSign().Vertical()) SetToolState("id_SignVertical", forms::kToolDown);
        if (Zomel2Mode) SetZomelVersion();
        VScrLineSpacing->SetValue(0);
        const FontRecord& font = FontTable(kStartFont);
        for (vb::Integer i = kLastMessageLine; i >= 0; --i) {
            if (i <= kLastSizedLine) {
                HSLine(i).SetMin(kFirstBlockFont);
                HSLine(i).SetMax(kLastBlockFont);
                HSLine(i).SetValue(kStartFont);
            }
            FormatOf(i) = LineFormat{vb::True,  font.DefaultAlign, vb::False,   vb::False,
                                     font.Name, font.Size,         font.Height, vb::False};
        }
        for (const char* id : {"id_Bold", "id_Italic", "id_Underline"})
            SetToolState(id, forms::kToolUp);
        // The full-matrix command itself, not only its tool: layout, gaps, tools and model
        // number then agree.
        if (ToolState("id_SignFull") == forms::kToolUp)
            SetToolState("id_SignFull", forms::kToolDown);
        mnuSignFull_Click();
    }
    txtZomelText_Change(0);
    txtZomelText(0).SetFocus();
    ViewSign->SetVisible(false);
}

}  // namespace zomel
