// The View menu: the status bar and second toolbar, a fresh view, and the windows that show the
// gallery, the model number, the units and the components.
#include "catalogue/frmComponents.h"
#include "catalogue/frmOptions.h"
#include "editor/frmGallery.h"
#include "editor/frmMain.h"
#include "modelspec/frmModelNum.h"
#include "platform/forms/Centring.h"
#include "platform/forms/Instance.h"

namespace zomel {

void frmMain::mnuViewGallery_Click() {
    frmGallery& gallery = forms::Instance<frmGallery>();
    gallery.Load();
    if (gallery.GalleryLoaded)
        gallery.Show(forms::ShowStyle::Modal, this);
    else
        gallery.Unload();
}

void frmMain::mnuViewModels_Click() {
    ShowOwned<frmModelNum>(forms::ShowStyle::Modeless);
}

// The components list stands on its own, without an owner; it opens centred on this window,
// as the windows this one owns do.
void frmMain::mnuViewComponents_Click() {
    frmComponents& list = forms::Instance<frmComponents>();
    if (!list.IsLoaded()) {
        list.Load();
        forms::CentreOver(list, this);
    }
    list.Show(forms::ShowStyle::Modeless);
}

void frmMain::mnuViewOptions_Click() {
    ShowOwned<frmOptions>(forms::ShowStyle::Modeless);
}

void frmMain::mnuViewStatus_Click() {
    sbStatusBar->SetVisible(ToolState("id_ViewStatus") == forms::kToolDown);
}

// The second toolbar only: the first keeps the file, edit and format tools in sight.
void frmMain::mnuViewToolbar_Click() {
    if (forms::ToolBar* second = SSBars->Toolbar(2))
        second->Let("Visible", ToolState("id_ViewToolbar") == forms::kToolDown);
}

void frmMain::mnuViewRefresh_Click() {
    Refresh();
    ChkVertical_Click();
    for (vb::Integer i = 0; i <= kLastSizedLine; ++i)
        HSLine_Change(i);
}

}  // namespace zomel
