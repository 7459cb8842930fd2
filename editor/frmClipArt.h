#pragma once

#include <string>

#include "core/ProgramForm.h"
#include "platform/forms/BasicControls.h"
#include "platform/forms/HostedControl.h"
#include "platform/forms/Ref.h"

namespace zomel {

// The clip-art window: seven stock pictures; a click puts one on the window's own display
// control, F2 to F8 save them as bitmap files.
class frmClipArt : public ProgramForm {
public:
    frmClipArt();

    forms::ArrayRef<forms::Image> Img{*this, "Img"};
    forms::Ref<forms::HostedControl> ViewSign{*this, "ViewSign"};
    forms::Ref<forms::CommandButton> cmdCancel{*this, "cmdCancel"};

protected:
    void Window_Load() override;
    void Window_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) override;

private:
    void Img_Click(vb::Integer Index);
    void SavePicture(vb::Integer Index);
};

}  // namespace zomel
