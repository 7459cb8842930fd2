// Stand-ins for the toolbar commands that their own file brings: each does nothing yet.
#include "editor/frmMain.h"

namespace zomel {

void frmMain::mnuEditCut_Click() {}
void frmMain::mnuEditCopy_Click() {}
void frmMain::mnuEditPaste_Click() {}
void frmMain::mnuFileExit_Click() {}
void frmMain::mnuFilePrint_Click() {}
void frmMain::mnuFormatLeft_Click() {}
void frmMain::mnuFormatRight_Click() {}
void frmMain::mnuFormatShrink_Click() {}
void frmMain::mnuHelpAbout_Click() {}
void frmMain::mnuHelpContact_Click() {}
void frmMain::mnuHelpSearch_Click() {}
void frmMain::mnuSignClear_Click() {}
void frmMain::mnuSignShow_Click() {}
void frmMain::mnuSignSpec_Click() {}
void frmMain::mnuSignClipArt_Click() {}
void frmMain::mnuSignClipList_Click() {}
void frmMain::mnuSignLine_Click() {}
void frmMain::mnuSignChar_Click() {}
void frmMain::mnuSignPrice_Click() {}
void frmMain::mnuViewComponents_Click() {}
void frmMain::mnuViewGallery_Click() {}
void frmMain::mnuViewModels_Click() {}
void frmMain::mnuViewOptions_Click() {}
void frmMain::mnuViewRefresh_Click() {}
void frmMain::mnuViewStatus_Click() {}
void frmMain::mnuViewToolbar_Click() {}

}  // namespace zomel
