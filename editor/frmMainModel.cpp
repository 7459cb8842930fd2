// The main window's model number box, its character size lists and its candidate list.
#include <algorithm>

#include "catalogue/frmOptions.h"
#include "core/Diagnostics.h"
#include "core/FlagScope.h"
#include "core/FontTable.h"
#include "core/Globals.h"
#include "core/LayoutCandidate.h"
#include "core/ModulePitch.h"
#include "core/Sign.h"
#include "editor/LinePlacement.h"
#include "editor/SizeListChecks.h"
#include "editor/frmMain.h"
#include "modelspec/frmModelNum.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Host.h"
#include "platform/forms/Instance.h"
#include "platform/forms/StdFont.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

constexpr vb::Integer kKeyUp = 38;
constexpr vb::Integer kKeyDown = 40;
constexpr vb::Integer kFont4x5 = 6;
constexpr vb::Integer kFont4x6 = 7;
constexpr vb::Long kFont4x5Rows = 5;
// Without a candidate the sample is set in the 5x7 font, a text row taking its seven rows and
// the blank row under them.
constexpr vb::Long kSampleFontColumns = 5;
constexpr vb::Long kSampleFontRows = 7;
constexpr vb::Long kSampleRowPitch = kSampleFontRows + 1;
constexpr vb::Integer kGapFontSize = 7;

void Beep() {
    forms::CurrentHost().Beep();
}

frmModelNum& ModelWindow() {
    return forms::Instance<frmModelNum>();
}

void SetPanelVisible(forms::StatusBar& bar, bool visible) {
    bar.Panels()(frmMain::kWarningPanel).Let("Visible", visible);
}

}  // namespace

void frmMain::BindModelNumberEvents() {
    On("txtModel", "Change", [this](auto&, auto&) { txtModel_Change(); });
    On("cmdShow", "Click", [this](auto&, auto&) { cmdShow_Click(); });
    On("cbbHigh", "Click", [this](auto&, auto&) { cbbHigh_Click(); });
    On("cbbWide", "Click", [this](auto&, auto&) { cbbWide_Click(); });
    On("cbbHigh", "DropDown", [this](auto&, auto&) { cbbHigh_DropDown(); });
    On("cbbWide", "DropDown", [this](auto&, auto&) { cbbWide_DropDown(); });
    On("cbbHigh", "Validate", [this](auto&, forms::EventArgs& args) {
        vb::Integer cancel = args.empty() ? vb::False : args[0].ToInteger();
        cbbHigh_Validate(cancel);
        if (!args.empty()) args[0] = cancel;
    });
    On("cbbWide", "Validate", [this](auto&, forms::EventArgs& args) {
        vb::Integer cancel = args.empty() ? vb::False : args[0].ToInteger();
        cbbWide_Validate(cancel);
        if (!args.empty()) args[0] = cancel;
    });
    On("chkHigh", "Click", [this](auto&, auto&) { chkHigh_Click(); });
    On("cmdList", "Click", [this](auto&, auto&) { cmdList_Click(); });
    On("lstSigns", "Click", [this](auto&, auto&) { lstSigns_Click(); });
    On("lstSigns", "KeyDown", [this](auto&, forms::EventArgs& args) {
        vb::Integer key = args.at(0).ToInteger();
        vb::Integer shift = args.size() > 1 ? args[1].ToInteger() : vb::Integer{0};
        lstSigns_KeyDown(key, shift);
    });
}

// ---- Model number box ----------------------------------------------------------------------

// Upper case as the person types, with the caret and selection where they were.
void frmMain::txtModel_Change() {
    forms::TextBox& box = *txtModel;
    const std::string upper = vb::UCase(box.Text());
    if (upper != box.Text()) {
        const vb::Long start = box.SelStart();
        const vb::Long length = box.SelLength();
        box.SetText(upper);
        box.SetSelStart(start);
        box.SetSelLength(length);
    }
    const vb::Long size = vb::Len(box.Text());
    if (size > kModelNumberLength) {
        ShowModelWarning(forms::LoadResString(kModelTooLong));
        Beep();
    } else if (size < kModelNumberLength) {
        ShowModelWarning(forms::LoadResString(kModelTooShort));
    } else {
        ClearModelWarning();
    }
}

void frmMain::ShowModelWarning(const std::string& message) {
    ShowWarningLabel(message);
    SetWarningPanel(message);
    SetPanelVisible(*sbStatusBar, true);
}

void frmMain::ClearModelWarning() {
    lblWarn->SetCaption("");
    lblWarn->SetVisible(false);
    SetWarningPanel(" ");
    SetPanelVisible(*sbStatusBar, false);
}

void frmMain::cmdShow_Click() {
    TheSign().SetModelNumber(txtModel->Text());
    ApplyModelNumber(0);
}

// Decodes the number in the box, applies it to the sign and the tools, and lays out a sample
// text of as many characters as fit.  Candidate 0 is the number alone; 1 or more is the
// entry of LayoutCandidates whose font and counts of lines and characters go with it.
void frmMain::ApplyModelNumber(const vb::Integer& Candidate) {
    vb::OnError report([] { ReportError("txtModel.LostFocus"); });
    FlagScope applying(model_.ApplyingModel);
    report([&] {
        SetToolState("id_FormatTop", forms::kToolDown);
        TheSign().SetModelNumber(txtModel->Text());
        frmModelNum& window = ModelWindow();
        window.cmdSpecs_Click();
        if (!window.Valid) {
            ShowModelWarning(window.Message);
            ViewSign->SetVisible(false);
            Beep();
            return;
        }
        ViewSign->SetVisible(false);
        ClearModelWarning();
        LayOutSample(Candidate);
    });
}

// Every line takes the candidate's LED block font, or the 5x7 font without a candidate; an
// LED font has one LED between characters, so a wider gap takes the "UK5x7" font.
void frmMain::SetSampleFonts(vb::Integer fontIndex) {
    const FontRecord& font = FontTable(fontIndex);
    if (CharGap != 1) {
        if (auto viewFont = ViewSign->Get("Font").As<forms::StdFont>())
            viewFont->Name = kGapFontName;
        for (vb::Integer i = kLastMessageLine; i >= 0; --i) {
            FormatOf(i) = LineFormat{vb::False,    kAlignCentre, vb::False,    vb::False,
                                     kGapFontName, kGapFontSize, kGapFontSize, vb::False};
            if (i > kLastSizedLine) continue;
            forms::HScrollBar& bar = HSLine(i);
            bar.SetMin(kInstalledFontSmallest);
            bar.SetMax(kInstalledFontLargest);
            lines_.SavedLineHeight[static_cast<size_t>(i)] = bar.Value();
            bar.SetValue(kGapFontSize);
            HSLine_Change(i);
        }
        return;
    }
    for (vb::Integer i = kLastMessageLine; i >= 0; --i) {
        if (i <= kLastSizedLine) {
            forms::HScrollBar& bar = HSLine(i);
            bar.SetMin(kFirstBlockFont);
            bar.SetMax(kLastBlockFont);
            bar.SetValue(fontIndex);
        }
        FormatOf(i) = LineFormat{vb::True,  font.DefaultAlign, vb::False,   vb::False,
                                 font.Name, font.Size,         font.Height, vb::False};
    }
}

void frmMain::LayOutSample(vb::Integer Candidate) {
    const bool fromList = Candidate != 0;
    const LayoutCandidate* candidate = fromList ? &LayoutCandidates(Candidate) : nullptr;
    SetSampleFonts(fromList ? candidate->FontIndex : kStartFont);
    Sign& sign = TheSign();
    const bool full = sign.SegmentType() == LayoutKind::FullMatrix;
    const vb::Long cols = fromList ? candidate->FontCols : kSampleFontColumns;
    const vb::Long rows = fromList ? candidate->FontRows : 0;
    vb::Long chars = 0;
    vb::Long width = 0;
    vb::Long height = 0;
    if (fromList) {
        chars = vb::CInt(vb::Variant(txtChars->Text()));
        const vb::Long lines = vb::CInt(vb::Variant(txtLines->Text()));
        width = chars == 1 ? cols : (cols + CharGap) * chars - 1;
        VScrLineSpacing->SetValue(full ? 0 : -1);
        height = lines == 1 ? rows : full ? (rows + 1) * lines - 1 : rows * lines;
    }
    const bool vertical = sign.Vertical() != 0;
    const ModuleLeds leds = LedsPerModule(HighDensity != 0, vertical);
    const vb::Long down = leds.down;
    const vb::Long across = leds.across;
    ViewSign->Let("PixPerSegY", static_cast<vb::Integer>(down));
    ViewSign->Let("PixPerSegX", static_cast<vb::Integer>(across));
    if (!fromList) {
        width = sign.XZomelCount() * across;
        height = sign.YZomelCount() * down;
    }

    // Characters across, and whether a last dot fits after them.
    const vb::Long cell = cols + CharGap;
    vb::Long perRow = width / cell;
    if (sign.SegmentType() == LayoutKind::CharacterSegmented) perRow = sign.XZomelCount();
    if (fromList && perRow < chars) perRow = chars;
    bool endDot = width == across + cell * perRow - 1;
    if (perRow == 0 && across == kStandardLedsShort) perRow = 1;
    endDot = endDot || width == across + cell * perRow;

    // Rows of text.
    vb::Long textRows = 0;
    if (fromList) {
        const vb::Long step = full ? rows + 1 : rows;
        textRows = height / step;
        if (textRows * step - 1 < height) ++textRows;
    } else {
        textRows = height / kSampleRowPitch;
        if (!full) textRows = sign.YZomelCount();
    }

    ViewSign->Let("SegCountX", sign.XZomelCount());
    ViewSign->Let("SegCountY", sign.YZomelCount());
    ViewSign->Let("SegSepX",
                  static_cast<vb::Integer>(
                      sign.SegmentType() == LayoutKind::CharacterSegmented ? kModuleGap : 0));
    ViewSign->Let("SegSepY", static_cast<vb::Integer>(full ? 0 : kModuleGap));
    textRows = std::min<vb::Long>(textRows, kMessageLineCount);
    if (!fromList && sign.YZomelCount() > textRows)
        FitShortLastLine(width, height, down, textRows, perRow);

    WriteSample(textRows, perRow, endDot);
    ViewSign->SetVisible(true);
    const vb::Integer shownX = ViewSign->Get("SegCountX").ToInteger();
    const vb::Integer shownY = ViewSign->Get("SegCountY").ToInteger();
    if (sign.XZomelCount() != shownX || sign.YZomelCount() != shownY) {
        sign.SetXZomelCount(shownX);
        sign.SetYZomelCount(shownY);
        CalculateSize();
    }
}

// A module row left below the last full text row takes a smaller font when it has room for
// one: the 4x6 or 4x5 font on standard density, the 4x6 font otherwise.
void frmMain::FitShortLastLine(vb::Long width, vb::Long height, vb::Long down, vb::Long& textRows,
                               vb::Long& perRow) {
    vb::Long spare =
        height == kStandardLedsShort ? kStandardLedsShort : height - kSampleRowPitch * textRows + 1;
    if (spare > kSampleFontRows) {
        ++textRows;
        spare = height - kSampleRowPitch * textRows + 1;
    }
    if (spare < down) return;
    ++textRows;
    if (down != kStandardLedsShort) {
        HSLine(static_cast<vb::Integer>(textRows - 1)).SetValue(kFont4x6);
        return;
    }
    if (textRows == 1) {
        HSLine(0).SetValue(kFont4x5);
        perRow = width / (CharGap + 4);
        return;
    }
    HSLine(static_cast<vb::Integer>(textRows - 2)).SetValue(kFont4x6);
    if (spare == kFont4x5Rows) HSLine(static_cast<vb::Integer>(textRows - 1)).SetValue(kFont4x5);
}

// Rows of "E", each followed by the gap in blanks when the gap is not one LED.
void frmMain::WriteSample(vb::Long textRows, vb::Long perRow, bool endDot) {
    for (vb::Integer i = kLastMessageLine; i >= 0; --i)
        txtZomelText(i).SetText("");
    std::string character = "E";
    if (CharGap != 1) character += std::string(static_cast<size_t>(CharGap), ' ');
    std::string row;
    for (vb::Long i = 0; i < perRow; ++i)
        row += character;
    if (endDot) row += ".";
    for (vb::Long r = 0; r < textRows; ++r)
        txtZomelText(static_cast<vb::Integer>(r)).SetText(row);
}

// ---- Character size lists and candidate list ----------------------------------------------

void frmMain::ShowSizeMessage(const std::string& message) {
    lblLineError->SetCaption(message);
    SetPanelVisible(*sbStatusBar, true);
    SetWarningPanel(message);
    lblLineError->SetVisible(true);
    lstSigns->SetVisible(false);
}

void frmMain::ClearSizeMessage() {
    lblLineError->SetVisible(false);
    SetWarningPanel(" ");
    lstSigns->SetVisible(true);
}

void frmMain::cbbHigh_Click() {
    forms::Instance<frmOptions>().LoadHighFilter();
    lstSigns->Clear();
    lblWarn->SetVisible(false);
}

void frmMain::cbbWide_Click() {
    lstSigns->Clear();
    lblWarn->SetVisible(false);
}

void frmMain::cbbHigh_DropDown() {
    lblClick->SetVisible(false);
    ValidateWidthHeight(model_.SizeNotSelected);
}

void frmMain::cbbWide_DropDown() {
    lblClick->SetVisible(false);
    ValidateHeightWidth(model_.SizeNotSelected);
}

void frmMain::cbbHigh_Validate(vb::Integer&) {
    const std::string message = ValidateHeightWidth(model_.SizeNotSelected);
    if (message.empty()) return ClearSizeMessage();
    ShowSizeMessage(message);
    model_.SizeNotSelected = vb::False;
}

void frmMain::cbbWide_Validate(vb::Integer&) {
    if (model_.SizeNotSelected) return;
    const std::string message = ValidateWidthHeight(model_.SizeNotSelected);
    if (message.empty()) return ClearSizeMessage();
    ShowSizeMessage(message);
}

void frmMain::chkHigh_Click() {
    if (chkHigh->Value() != forms::vbChecked) return;
    cbbHigh_Validate(model_.SizeNotSelected);
}

void frmMain::cmdList_Click() {
    ViewSign->SetVisible(false);
    lstSigns->Clear();
    frmModelNum& window = ModelWindow();
    window.cmdLines_Click();
    if (window.Valid) {
        ClearSizeMessage();
        SetPanelVisible(*sbStatusBar, false);
        lstSigns->SetVisible(true);
        lblClick->SetVisible(true);
    } else {
        ShowSizeMessage(window.Message);
    }
}

void frmMain::lstSigns_Click() {
    lblClick->SetVisible(false);
    forms::ListBox& list = *lstSigns;
    if (list.ListCount() == 0) return Beep();
    const std::string chosen = list.List(list.ListIndex());
    for (SelectedCandidate = 1; SelectedCandidate <= list.ListCount(); ++SelectedCandidate) {
        if (SelectedCandidate <= kMaxLayoutCandidates &&
            LayoutCandidates(SelectedCandidate).ListText == chosen)
            break;
    }
    if (SelectedCandidate > list.ListCount()) return;
    ViewSign->SetVisible(false);
    frmModelNum& window = ModelWindow();
    window.Valid = vb::True;
    window.GenerateRecomendedModel();
    window.FromList = vb::True;
    ApplyModelNumber(SelectedCandidate);
    window.FromList = vb::False;
    if (window.Valid) ViewSign->SetVisible(true);
}

void frmMain::lstSigns_KeyDown(vb::Integer& KeyCode, vb::Integer&) {
    forms::ListBox& list = *lstSigns;
    if (list.ListCount() != 2) return;
    if (KeyCode == kKeyDown) list.SetListIndex(1);
    if (KeyCode == kKeyUp) list.SetListIndex(0);
}

}  // namespace zomel
