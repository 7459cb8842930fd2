#pragma once

#include <string>

#include "platform/forms/Form.h"
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

protected:
    void Form_Load() override;
    void Form_Unload(vb::Integer& Cancel) override;
    void Form_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) override;
};

}  // namespace zomel
