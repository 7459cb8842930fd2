#include "editor/frmVELDOInfo.h"

#include "core/TranslateForm.h"

namespace zomel {
frmVELDOInfo::frmVELDOInfo() : ProgramForm("frmVELDOInfo") {}

void frmVELDOInfo::Window_Load() {
    TranslateForm(*this, false);
}

}  // namespace zomel
