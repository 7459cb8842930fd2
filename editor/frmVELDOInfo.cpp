#include "editor/frmVELDOInfo.h"

#include "core/TranslateForm.h"
#include "platform/forms/Constants.h"

namespace zomel {
frmVELDOInfo::frmVELDOInfo() : ProgramForm("frmVELDOInfo") {}

void frmVELDOInfo::Window_Load() {
    TranslateForm(*this, false);
}

// The window has no button: Escape is the way out without a window manager's close box.
void frmVELDOInfo::Form_KeyDown(vb::Integer& KeyCode, vb::Integer&) {
    if (KeyCode == forms::vbKeyEscape) Unload();
}

}  // namespace zomel
