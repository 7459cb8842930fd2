#pragma once

#include "core/ProgramForm.h"
#include "platform/forms/BasicControls.h"
#include "platform/forms/Ref.h"

namespace zomel {

// The about window: the program's version and a way to the system's information program.
class frmAbout : public ProgramForm {
public:
    frmAbout();

    forms::Ref<forms::Label> lblTitle{*this, "lblTitle"};
    forms::Ref<forms::Label> lblVersion{*this, "lblVersion"};
    forms::Ref<forms::CommandButton> cmdOk{*this, "cmdOk"};
    forms::Ref<forms::CommandButton> cmdSysInfo{*this, "cmdSysInfo"};

protected:
    void Window_Load() override;
    void Window_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) override;

private:
    void StartSysInfo();
};

}  // namespace zomel
