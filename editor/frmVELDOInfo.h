#pragma once

#include "core/ProgramForm.h"

namespace zomel {

// The maker's contact window: address, telephone and fax, e-mail, web site and logo.
class frmVELDOInfo : public ProgramForm {
public:
    frmVELDOInfo();

protected:
    void Window_Load() override;
};

}  // namespace zomel
