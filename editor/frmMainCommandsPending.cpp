// Stand-ins for the toolbar commands that their own file brings: each does nothing yet.
#include "editor/frmMain.h"

namespace zomel {

void frmMain::mnuSignSpec_Click() {}
void frmMain::mnuViewComponents_Click() {}

}  // namespace zomel
