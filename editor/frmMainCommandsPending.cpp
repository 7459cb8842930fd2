// Stand-ins for the toolbar commands that their own file brings: each does nothing yet.
#include "editor/frmMain.h"

namespace zomel {

void frmMain::mnuEditCut_Click() {}
void frmMain::mnuEditCopy_Click() {}
void frmMain::mnuEditPaste_Click() {}
void frmMain::mnuFilePrint_Click() {}
void frmMain::mnuFormatLeft_Click() {}
void frmMain::mnuFormatRight_Click() {}
void frmMain::mnuFormatShrink_Click() {}
void frmMain::mnuSignClear_Click() {}
void frmMain::mnuSignShow_Click() {}
void frmMain::mnuSignSpec_Click() {}
void frmMain::mnuSignLine_Click() {}
void frmMain::mnuSignChar_Click() {}
void frmMain::mnuSignPrice_Click() {}
void frmMain::mnuViewComponents_Click() {}

}  // namespace zomel
