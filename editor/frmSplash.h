#pragma once

#include "platform/forms/Form.h"

namespace zomel {

// The splash window, shown while the main window loads.
class frmSplash : public forms::Form {
public:
    frmSplash();

protected:
    void Form_Load() override;
    void Form_Unload(vb::Integer& Cancel) override;
    void Form_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) override;
};

}  // namespace zomel
