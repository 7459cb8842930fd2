#pragma once

#include <string>

#include "platform/forms/ActiveToolBars.h"
#include "platform/forms/BasicControls.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/Form.h"
#include "platform/forms/ItemControls.h"
#include "platform/forms/ListControl.h"
#include "platform/forms/Ref.h"
#include "platform/forms/TextBox.h"
#include "platform/vb/Types.h"

namespace zomel {

// The main window: the hub of the program.  What it holds so far is what start-up and the
// sign model reach; its commands and the layout road grow here.
class frmMain : public forms::Form {
public:
    frmMain();

    // Path of the open log file, set by start-up.
    std::string LogPath;
    // The main window's copy of the sign's density.
    vb::Integer HighDensity = vb::True;

    forms::Ref<forms::TextBox> txtModel{*this, "txtModel"};

    // The orientation command: vertical (True) or horizontal modules.
    virtual void mnuSignVertical_Click(vb::Integer vertical);
    // The density command: switches between high and standard density.
    void mnuSignDensity_Click();

    // Model number box and candidate layouts
    vb::Integer SelectedCandidate = 0;  // LayoutCandidates index of the candidate picked
    vb::Integer CharGap = 1;            // LEDs between characters
    forms::Ref<forms::CommandButton> cmdShow{*this, "cmdShow"};
    forms::Ref<forms::TextBox> txtLines{*this, "txtLines"};
    forms::Ref<forms::TextBox> txtChars{*this, "txtChars"};
    forms::Ref<forms::ComboBox> cbbHigh{*this, "cbbHigh"};
    forms::Ref<forms::ComboBox> cbbWide{*this, "cbbWide"};
    forms::Ref<forms::ComboBox> cbbCharGap{*this, "cbbCharGap"};
    forms::Ref<forms::ComboBox> cbbLineGap{*this, "cbbLineGap"};
    forms::Ref<forms::CheckBox> chkHigh{*this, "chkHigh"};
    forms::Ref<forms::CheckBox> chkWide{*this, "chkWide"};
    forms::Ref<forms::CommandButton> cmdList{*this, "cmdList"};
    forms::Ref<forms::ListBox> lstSigns{*this, "lstSigns"};
    forms::Ref<forms::Label> lblLineError{*this, "lblLineError"};
    forms::Ref<forms::Label> lblClick{*this, "lblClick"};
    forms::Ref<forms::Label> lblWarn{*this, "lblWarn"};
    forms::Ref<forms::StatusBar> sbStatusBar{*this, "sbStatusBar"};
    forms::Ref<forms::ActiveToolBars> SSBars{*this, "SSBars"};
    void txtModel_Change();
    void cmdShow_Click();
    void ApplyModelNumber(const vb::Integer& Candidate);
    void cbbHigh_Click();
    void cbbWide_Click();
    void cbbHigh_DropDown();
    void cbbWide_DropDown();
    void cbbHigh_Validate(vb::Integer& Cancel);
    void cbbWide_Validate(vb::Integer& Cancel);
    void chkHigh_Click();
    void cmdList_Click();
    void lstSigns_Click();
    void lstSigns_KeyDown(vb::Integer& KeyCode, vb::Integer& Shift);
    // End of model number box and candidate layouts

protected:
    void Form_Load() override;
    void Form_Unload(vb::Integer& Cancel) override;
    void Form_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) override;

private:
    // Model number box and candidate layouts
    void BindModelNumberEvents();
    void ShowSizeMessage(const std::string& message);
    void ClearSizeMessage();
    void ShowModelWarning(const std::string& message);
    void ViewSignVisible(bool visible);
    vb::Integer ApplyingModel = vb::False;    // a model number or candidate is being applied
    vb::Integer SizeNotSelected = vb::False;  // a size list had no selection at the last check
    // End of model number box and candidate layouts
};

}  // namespace zomel
