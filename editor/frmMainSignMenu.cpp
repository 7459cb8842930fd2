#include <utility>

#include "core/Catalogue.h"
#include "core/Diagnostics.h"
#include "core/FlagScope.h"
#include "core/Globals.h"
#include "core/ModulePitch.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"

namespace zomel {
namespace {

constexpr vb::Long kVerticalLog = 10917;
constexpr vb::Long kVerticalLabel = 10918;
constexpr vb::Long kOnlyHighIsCE = 10930;
constexpr vb::Long kEuropeanTitle = 10931;
constexpr vb::Long kDensityLog = 10932;
constexpr vb::Long kLineMatrixTitle = 10982;
constexpr vb::Long kLineMatrixRefusal = 10983;

}  // namespace

void frmMain::RefuseLineMatrixChange() {
    forms::MsgBox(forms::LoadResString(kLineMatrixRefusal), forms::vbOKOnly,
                  forms::LoadResString(kLineMatrixTitle));
}

// High and standard density.  The design starts over but keeps the typed lines and, while
// the size is held, at least the held module counts.
void frmMain::mnuSignDensity_Click() {
    Sign& sign = TheSign();
    if (!SkipSizeCheck && CEOption) {
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
    if (!SkipSizeCheck) {
        {
            FlagScope changing(DensityChanging);
            mnuSignStartOver_Click();
            QuietSize = vb::True;
        }
        BeyondMaxRows = vb::False;
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
            if (sign.XZomelCount() < HeldColumns) sign.SetXZomelCount(HeldColumns);
            if (sign.YZomelCount() < HeldRows) sign.SetYZomelCount(HeldRows);
        }
        if (i == kLastMessageLine) QuietSize = vb::False;
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
        if (!SkipSizeCheck && !LayoutBusy && !ApplyingModel) txtZomelText_Change(CurrentLine);
    });
    step([this] { LogLine(forms::LoadResString(kVerticalLog) + TrueFalse(TheSign().Vertical())); });
    forms::Screen().SetMousePointer(pointer);
}

}  // namespace zomel
