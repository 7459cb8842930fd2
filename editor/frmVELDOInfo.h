#pragma once

#include "platform/forms/Form.h"

namespace zomel {

// The maker's contact window: address, telephone and fax, e-mail, web site and logo.
class frmVELDOInfo : public forms::Form {
public:
    frmVELDOInfo();

protected:
    void Form_Load() override;
    void Form_KeyDown(vb::Integer& KeyCode, vb::Integer& Shift) override;
    void Form_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) override;
    void Form_Unload(vb::Integer& Cancel) override;
};

}  // namespace zomel
