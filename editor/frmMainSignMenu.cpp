// The Sign menu: the three layouts, the module generation, density and orientation, holding
// the size, start over and clear, the module outline, the price, the specification and the
// stock messages and clip art.
#include <utility>

#include "core/Catalogue.h"
#include "core/Diagnostics.h"
#include "core/FlagScope.h"
#include "core/FontTable.h"
#include "core/Globals.h"
#include "core/ModuleFigures.h"
#include "core/ModulePitch.h"
#include "core/Sign.h"
#include "editor/frmClipArt.h"
#include "editor/frmClipList.h"
#include "editor/frmMain.h"
#include "estimate/frmOrder.h"
#include "modelspec/frmSpecChoose.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Instance.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Error.h"

namespace zomel {
namespace {

constexpr vb::Long kVerticalLog = 10917;
constexpr vb::Long kVerticalLabel = 10918;
constexpr vb::Long kVersionLog = 10927;
constexpr vb::Long kOutlineLabelId = 10928;
constexpr vb::Long kCharLayoutLog = 10929;
constexpr vb::Long kOnlyHighIsCE = 10930;
constexpr vb::Long kEuropeanTitle = 10931;
constexpr vb::Long kDensityLog = 10932;
constexpr vb::Long kFullMatrixLog = 10933;
constexpr vb::Long kLineLayoutLog = 10934;
constexpr vb::Long kNoTextId = 10935;
constexpr vb::Long kLineMatrixTitle = 10982;
constexpr vb::Long kLineMatrixRefusal = 10983;
constexpr vb::Long kModelMismatchId = 10984;
constexpr vb::Long kTooBigId = 11659;
constexpr vb::Long kInId = 11662;
constexpr vb::Long kOutlineGrey = 0x808080;
const char* const kStyleTools[] = {"id_Bold", "id_Italic", "id_Underline"};

}  // namespace

void frmMain::RefuseLineMatrixChange() {
    forms::MsgBox(forms::LoadResString(kLineMatrixRefusal), forms::vbOKOnly,
                  forms::LoadResString(kLineMatrixTitle));
}

// High and standard density.  The design starts over but keeps the typed lines and, while
// the size is held, at least the held module counts.
void frmMain::mnuSignDensity_Click() {
    Sign& sign = TheSign();
    if (!running_.SkipSizeCheck && CEOption) {
        forms::MsgBox(forms::LoadResString(kOnlyHighIsCE), forms::vbOKOnly,
                      forms::LoadResString(kEuropeanTitle));
        return;
    }
    if (sign.HighDensity() && !sign.Vertical() && sign.SegmentType() == LayoutKind::LineMatrix) {
        RefuseLineMatrixChange();
        return;
    }
    std::array<std::string, kMessageLineCount> savedText;
    HighDensity = vb::Flag(!HighDensity);
    sign.SetHighDensity(HighDensity);
    sign.SetMaxColumns(kStartMaxColumns);
    ViewSign->Call("ClearSign");
    ShowDensityTools();
    if (sign.SegmentType() == LayoutKind::LineMatrix) {
        SetAllLineHeights(HighDensity ? kLastBlockFont : kTallestLineMatrixHeight);
        VScrLineSpacing->SetValue(-1);
    }
    if (!txtZomelText(0).Text().empty())
        for (vb::Integer i = 0; i <= kLastMessageLine; ++i)
            savedText[static_cast<size_t>(i)] = txtZomelText(i).Text();
    if (!running_.SkipSizeCheck) {
        {
            FlagScope changing(running_.DensityChanging);
            mnuSignStartOver_Click();
            size_.QuietSize = vb::True;
        }
        size_.BeyondMaxRows = vb::False;
        RetypeLines(savedText);
        if (sign.SegmentType() == LayoutKind::LineMatrix) VScrLineSpacing->SetValue(-1);
    }
    LogLine(forms::LoadResString(kDensityLog) + TrueFalse(HighDensity));
}

void frmMain::ShowDensityTools() {
    const bool vertical = ChkVertical->Value() == forms::vbChecked;
    SetToolVisible("id_SignHigh", HighDensity);
    SetToolVisible("id_SignStandard", !HighDensity);
    if (HighDensity) {
        if (TheSign().SegmentType() == LayoutKind::LineMatrix)
            SetToolEnabled("id_SignVertical", true);
    }
    SetModuleGeometry(vertical, false);
}

// The lines typed again after the start over; the size messages stay quiet until the last.
void frmMain::RetypeLines(const std::array<std::string, kMessageLineCount>& texts) {
    Sign& sign = TheSign();
    for (vb::Integer i = 0; i <= kLastMessageLine; ++i) {
        if (HoldSize) {
            if (sign.XZomelCount() < hold_.HeldColumns) sign.SetXZomelCount(hold_.HeldColumns);
            if (sign.YZomelCount() < hold_.HeldRows) sign.SetYZomelCount(hold_.HeldRows);
        }
        if (i == kLastMessageLine) size_.QuietSize = vb::False;
        txtZomelText(i).SetText(texts[static_cast<size_t>(i)]);
        HSLine_Change(i);
    }
}

// LEDs across and down one module, on the display control and, when asked, on the clip.
void frmMain::SetModuleGeometry(bool vertical, bool onClip) {
    const ModuleLeds leds = LedsPerModule(HighDensity != 0, vertical);
    if (onClip) {
        PicClip->SetClipWidth(leds.across);
        PicClip->SetClipHeight(leds.down);
    }
    ViewSign->Let("PixPerSegX", leds.across);
    ViewSign->Let("PixPerSegY", leds.down);
}

// Vertical (True) or horizontal modules; the lines and the layout stay.
void frmMain::mnuSignVertical_Click(vb::Integer toVertical) {
    // A window not loaded yet has nothing to keep in step; the sign must not load it.
    if (!IsLoaded()) return;
    Sign& sign = TheSign();
    if (sign.Vertical() && sign.SegmentType() == LayoutKind::LineMatrix && !sign.HighDensity()) {
        RefuseLineMatrixChange();
        return;
    }
    const bool wasVisible = ViewSign->Visible();
    ViewSign->SetVisible(false);
    if (ChkVertical->Value() == forms::vbUnchecked && toVertical) {
        ChkVertical->SetValue(forms::vbChecked);
        SetToolVisible("id_SignVertical", true);
        SetToolVisible("id_SignHorizontal", false);
    } else if (ChkVertical->Value() == forms::vbChecked && !toVertical) {
        ChkVertical->SetValue(forms::vbUnchecked);
        SetToolVisible("id_SignVertical", false);
        SetToolVisible("id_SignHorizontal", true);
        if (sign.SegmentType() == LayoutKind::LineMatrix)
            SetAllLineHeights(kTallestLineMatrixHeight);
    }
    CalculateSize();
    for (vb::Integer i = kLastSizedLine; i >= 0; --i)
        HSLine_Change(i);
    ViewSign->SetVisible(wasVisible);
}

void frmMain::ChkVertical_Click() {
    vb::OnError step([] { ReportError(forms::LoadResString(kVerticalLabel)); });
    const vb::Integer pointer = forms::Screen().MousePointer();
    step([] { forms::Screen().SetMousePointer(forms::vbHourglass); });
    step([this] {
        if (HoldSize) SetHoldSize(SSBars->ToolById("id_SignHold"));
    });
    step([this] { ViewSign->Call("ClearSign"); });
    step([this] {
        const vb::Integer value = ChkVertical->Value();
        if (value != 0 && value != 1) return;
        TheSign().SetVertical(vb::Flag(value == 1));
        SetModuleGeometry(value == 1, true);
    });
    step([this] {
        if (!running_.SkipSizeCheck && !road_.LayoutBusy && !model_.ApplyingModel)
            txtZomelText_Change(CurrentLine);
    });
    step([this] { LogLine(forms::LoadResString(kVerticalLog) + TrueFalse(TheSign().Vertical())); });
    forms::Screen().SetMousePointer(pointer);
}

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
    if (running_.SkipSizeCheck) return;
    VScrLineSpacing->SetValue(0);
    SetAllLineHeights(kStartFont);
    txtZomelText_Change(0);
    LogLine(forms::LoadResString(kFullMatrixLog));
    if (TheSign().XZomelCount() >= 1) ViewSign->SetVisible(true);
}

// Back to the start-up design.  While the density changes only the sign is emptied: the
// hold, the tools and the line formats stay.
void frmMain::mnuSignStartOver_Click() {
    ViewSign->Call("ClearSign");
    for (vb::Integer i = kLastMessageLine; i >= 0; --i)
        txtZomelText(i).SetText("");
    TheSign().SetYZomelCount(0);
    TheSign().SetXZomelCount(0);
    if (!running_.DensityChanging) {
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

// Switches between the two module generations and shows the tool that offers the other.
void frmMain::SetZomelVersion() {
    if (!running_.SkipSizeCheck) {
        Zomel2Mode = vb::Flag(!Zomel2Mode);
        TheSign().SetZomel2(Zomel2Mode);
        CalculateSize();
    }
    SetToolVisible("id_Sign2", Zomel2Mode);
    SetToolVisible("id_Sign1", !Zomel2Mode);
    LogLine(forms::LoadResString(kVersionLog) + TrueFalse(Zomel2Mode));
}

void frmMain::SetHoldSize(forms::Tool& tool) {
    if (hold_.HoldBusy) return;
    if (!HoldSize) {
        hold_.HeldColumns = TheSign().XZomelCount();
        hold_.HeldRows = TheSign().YZomelCount();
        // Nothing typed, or only blanks (a sign of no modules): nothing to hold, and a held
        // empty sign could not be released (the tool is off without modules).
        if (LongestLineLength() == 0 || hold_.HeldColumns < 1 || hold_.HeldRows < 1) {
            tool.SetState(forms::kToolUp);
            return;
        }
        HoldSize = vb::True;
        tool.SetState(forms::kToolDown);
    } else {
        hold_.HeldColumns = hold_.HeldRows = -1;
        HoldSize = vb::False;
        tool.SetState(forms::kToolUp);
    }
    FlagScope busy(hold_.HoldBusy);
    txtZomelText_Change(0);
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
    if (estimate_.EstimateShown &&
        (modules != estimate_.EstimateCount || estimate_.EstimateHighDensity != HighDensity))
        SignChanged = vb::True;
    ShowOwned<frmOrder>(forms::ShowStyle::Modal);
    estimate_.EstimateShown = vb::True;
    estimate_.EstimateHighDensity = HighDensity;
    estimate_.EstimateCount = static_cast<vb::Integer>(modules);
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
            running_.SavedBackColor = ViewSign->Get("BackColor").ToLong();
            ViewSign->Let("BackColor", kOutlineGrey);
        } else {
            ViewSign->Let("BackColor", running_.SavedBackColor);
        }
    });
    step([&] { ViewSign->Let("ZomelOutline", on); });
}

void frmMain::mnuSignSpec_Click() {
    ShowOwned<frmSpecChoose>(forms::ShowStyle::Modal);
    txtZomelText_Change(0);
}

void frmMain::mnuSignClipList_Click() {
    ShowOwned<frmClipList>(forms::ShowStyle::Modal);
}

void frmMain::mnuSignClipArt_Click() {
    ShowOwned<frmClipArt>(forms::ShowStyle::Modal);
}

}  // namespace zomel
