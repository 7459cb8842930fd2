#pragma once

#include "core/ProgramForm.h"

namespace zomel {

// The splash window, shown while the main window loads.
class frmSplash : public ProgramForm {
public:
    frmSplash();

protected:
    void Window_Load() override;
};

}  // namespace zomel
