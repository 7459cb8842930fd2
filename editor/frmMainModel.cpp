// The main window's model number box, its character size lists and its candidate list.
#include "catalogue/frmOptions.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "core/SizeValidation.h"
#include "editor/frmMain.h"
#include "modelspec/LayoutCandidate.h"
#include "modelspec/frmModelNum.h"
#include "platform/forms/Host.h"
#include "platform/forms/Instance.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

constexpr vb::Long kModelTooLong = 11640;
constexpr vb::Long kModelTooShort = 11641;
constexpr vb::Long kWarningPanel = 5;
constexpr vb::Integer kKeyUp = 38;
constexpr vb::Integer kKeyDown = 40;

void Beep() {
    forms::CurrentHost().Beep();
}

frmModelNum& ModelWindow() {
    return forms::Instance<frmModelNum>();
}

void SetPanel(forms::StatusBar& bar, const std::string& text, bool visible) {
    forms::Item& panel = bar.Panels()(kWarningPanel);
    panel.Let("Visible", visible);
    panel.Let("Text", text);
    panel.Let("ToolTipText", text);
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
    });
    On("cbbWide", "Validate", [this](auto&, forms::EventArgs& args) {
        vb::Integer cancel = args.empty() ? vb::False : args[0].ToInteger();
        cbbWide_Validate(cancel);
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
    const vb::Long start = box.SelStart();
    const vb::Long length = box.SelLength();
    box.SetText(vb::UCase(box.Text()));
    box.SetSelStart(start);
    box.SetSelLength(length);
    const vb::Long size = vb::Len(box.Text());
    if (size > 15) {
        ShowModelWarning(forms::LoadResString(kModelTooLong));
        Beep();
    } else if (size < 15) {
        ShowModelWarning(forms::LoadResString(kModelTooShort));
    } else {
        lblWarn->SetCaption("");
        lblWarn->SetVisible(false);
        SetPanel(*sbStatusBar, " ", false);
    }
}

void frmMain::ShowModelWarning(const std::string& message) {
    lblWarn->SetCaption(message);
    lblWarn->SetVisible(true);
    SetPanel(*sbStatusBar, message, true);
}

void frmMain::cmdShow_Click() {
    TheSign().SetModelNumber(txtModel->Text());
    ApplyModelNumber(0);
}

// Decodes the number in the box, applies it to the sign and the tools, and lays out a sample
// text of as many characters as fit.
void frmMain::ApplyModelNumber(const vb::Integer& Candidate) {
    (void)Candidate;
    ApplyingModel = vb::True;
    if (forms::Tool* top = SSBars->FindTool("id_FormatTop")) top->SetState(1);
    TheSign().SetModelNumber(txtModel->Text());
    frmModelNum& window = ModelWindow();
    window.cmdSpecs_Click();
    if (!window.Valid) {
        ShowModelWarning(window.Message);
        ViewSign->SetVisible(false);
        Beep();
    } else {
        ViewSign->SetVisible(false);
        lblWarn->SetCaption("");
        lblWarn->SetVisible(false);
        SetPanel(*sbStatusBar, " ", false);
    }
    ApplyingModel = vb::False;
}

// ---- Character size lists and candidate list ----------------------------------------------

void frmMain::ShowSizeMessage(const std::string& message) {
    lblLineError->SetCaption(message);
    SetPanel(*sbStatusBar, message, true);
    lblLineError->SetVisible(true);
    lstSigns->SetVisible(false);
}

void frmMain::ClearSizeMessage() {
    lblLineError->SetVisible(false);
    forms::Item& panel = sbStatusBar->Panels()(kWarningPanel);
    panel.Let("Text", " ");
    panel.Let("ToolTipText", " ");
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
    ValidateWidthHeight(SizeNotSelected);
}

void frmMain::cbbWide_DropDown() {
    lblClick->SetVisible(false);
    ValidateHeightWidth(SizeNotSelected);
}

void frmMain::cbbHigh_Validate(vb::Integer&) {
    const std::string message = ValidateHeightWidth(SizeNotSelected);
    if (message.empty()) return ClearSizeMessage();
    ShowSizeMessage(message);
    SizeNotSelected = vb::False;
}

void frmMain::cbbWide_Validate(vb::Integer&) {
    if (SizeNotSelected) return;
    const std::string message = ValidateWidthHeight(SizeNotSelected);
    if (message.empty()) return ClearSizeMessage();
    ShowSizeMessage(message);
}

void frmMain::chkHigh_Click() {
    if (chkHigh->Value() != 1) return;
    cbbHigh_Validate(SizeNotSelected);
}

void frmMain::cmdList_Click() {
    ViewSign->SetVisible(false);
    lstSigns->Clear();
    frmModelNum& window = ModelWindow();
    window.cmdLines_Click();
    if (window.Valid) {
        ClearSizeMessage();
        sbStatusBar->Panels()(kWarningPanel).Let("Visible", false);
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
        if (SelectedCandidate <= MaxLayoutCandidates &&
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
