#pragma once

#include <string>

#include "core/ProgramForm.h"
#include "platform/forms/BasicControls.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/ListControl.h"
#include "platform/forms/Ref.h"
#include "platform/forms/TextBox.h"

namespace zomel {

// The stock message list: built-in messages and those of "ClipText.txt", put into the main
// window's first lines spread over one to four lines.
class frmClipList : public ProgramForm {
public:
    frmClipList();

    // Empties the main window's lines, fills lines 0 to 3 and closes this window.
    void UpdateText(const std::string& L1, const std::string& L2, const std::string& L3,
                    const std::string& L4);

    forms::Ref<forms::ListBox> LstClipText{*this, "LstClipText"};
    forms::Ref<forms::TextBox> TxtNewMessage{*this, "TxtNewMessage"};
    forms::Ref<forms::CommandButton> CmdAdd{*this, "CmdAdd"};
    forms::Ref<forms::CommandButton> CmdRemove{*this, "CmdRemove"};
    forms::Ref<forms::CommandButton> CmdUpdate{*this, "CmdUpdate"};
    forms::ArrayRef<forms::OptionButton> Option1{*this, "Option1"};

protected:
    void Window_Load() override;

private:
    void CmdAdd_Click();
    void CmdRemove_Click();
    void CmdUpdate_Click();
    void LoadClipText();
    vb::Integer SpanChosen();
};

}  // namespace zomel
