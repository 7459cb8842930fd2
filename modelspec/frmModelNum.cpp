// The model number window itself: its panes, buttons and choices.  Decoding and building
// live beside it (frmModelNumDecode.cpp, frmModelNumBuild.cpp).
#include "modelspec/frmModelNum.h"

#include "core/FlagScope.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "modelspec/frmNumberPrompt.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Instance.h"

namespace zomel {
namespace {

constexpr vb::Single kPaneShown = 240;
constexpr vb::Single kPaneHidden = -20000;

}  // namespace

frmModelNum::frmModelNum() : ProgramForm("frmModelNum") {
    On("mnuEMNumber", "Click",
       [this](auto&, auto&) { ShowMeaningOf(forms::Instance<frmNumberPrompt>().Ask(*this)); });
    On("mnuBuild", "Click", [this](auto&, auto&) { mnuBuild_Click(); });
    On("mnuViewInfo", "Click", [this](auto&, auto&) { CreateModel(); });
    On("mnuExit", "Click", [this](auto&, auto&) { Unload(); });
    On("cmdModelNum", "Click", [this](auto&, auto&) { cmdModelNum_Click(); });
    On("cmdSpecs", "Click", [this](auto&, auto&) { cmdSpecs_Click(); });
    On("cmdBack", "Click", [this](auto&, auto&) { cmdBack_Click(); });
    On("cmdCancel", "Click", [this](auto&, auto&) { Unload(); });
    On("cmdLines", "Click", [this](auto&, auto&) { cmdLines_Click(); });
    On("chkCE", "Click", [this](auto&, auto&) { chkCE_Click(); });
    On("chkUL", "Click", [this](auto&, auto&) { chkUL_Click(); });
    On("comboColumns", "Validate", [this](auto&, auto&) { comboColumns_Validate(); });
    On("comboRows", "Validate", [this](auto&, auto&) { comboRows_Validate(); });
    On("optLEDPerPixel", "Click",
       [this](forms::Control& button, auto&) { LedsPerPixel = button.Index(); });
}

void frmModelNum::Window_Load() {
    InRowsValidate = vb::False;
    LedsPerPixel = 4;
    optZomel(2).SetValue(gSign->Zomel2() != 0);
    optHigh->SetValue(gSign->HighDensity() != 0);
    optVertical->SetValue(gSign->Vertical() != 0);
    optDegree(30).SetValue(true);
    ShowPane(*FrameChoices, false);
    ShowPane(*FrameMeaning, false);
    comboColumns->SetListIndex(0);
    comboRows->SetListIndex(0);
}

void frmModelNum::ShowPane(forms::Frame& pane, bool shown) {
    pane.SetLeft(shown ? kPaneShown : kPaneHidden);
}

void frmModelNum::mnuBuild_Click() {
    ShowPane(*FrameChoices, true);
    ShowPane(*FrameMeaning, false);
    cmdModelNum->SetVisible(true);
}

void frmModelNum::cmdModelNum_Click() {
    CreateModel();
    cmdSpecs->SetVisible(true);
}

void frmModelNum::cmdBack_Click() {
    cmdBack->SetVisible(false);
    ShowPane(*FrameMeaning, false);
    ShowPane(*FrameChoices, true);
    cmdModelNum->SetVisible(true);
}

void frmModelNum::chkCE_Click() {
    gSign->SetCE(vb::Flag(chkCE->Value() == forms::vbChecked));
}

void frmModelNum::chkUL_Click() {
    gSign->SetUL(vb::Flag(chkUL->Value() == forms::vbChecked));
}

void frmModelNum::comboColumns_Validate() {
    gSign->SetXZomelCount(static_cast<vb::Integer>(comboColumns->ListIndex() + 1));
    gSign->SetYZomelCount(static_cast<vb::Integer>(comboRows->ListIndex() + 1));
}

void frmModelNum::comboRows_Validate() {
    if (InRowsValidate) return;
    FlagScope validating(InRowsValidate);
    comboColumns_Validate();
}

}  // namespace zomel
