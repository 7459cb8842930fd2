// Commands: the view toggles, help and the openers of the other windows.
#include "catalogue/frmComponents.h"
#include "catalogue/frmOptions.h"
#include "core/Sign.h"
#include "editor/frmAbout.h"
#include "editor/frmClipArt.h"
#include "editor/frmClipList.h"
#include "editor/frmGallery.h"
#include "editor/frmMain.h"
#include "editor/frmVELDOInfo.h"
#include "modelspec/frmModelNum.h"
#include "modelspec/frmSpecChoose.h"
#include "platform/forms/Centring.h"
#include "platform/forms/Host.h"
#include "platform/forms/Instance.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/vb/Error.h"

namespace zomel {
namespace {

constexpr vb::Long kNoHelpId = 10925;

template <class Window>
void ShowOwned(forms::Form& owner, forms::ShowStyle style) {
    forms::Instance<Window>().Show(style, &owner);
}

}  // namespace

// The help's index page: a page of its own, since desktop openers may drop an address's
// "#index" on the way to the viewer.
std::string frmMain::HelpFile() {
    std::string path = os::JoinPath(os::ProgramFolder(), "help/search.html");
    return os::FileExists(path) ? path : "";
}

void frmMain::mnuFileExit_Click() {
    Unload();
}

void frmMain::mnuSignClipList_Click() {
    ShowOwned<frmClipList>(*this, forms::ShowStyle::Modal);
}

void frmMain::mnuSignClipArt_Click() {
    ShowOwned<frmClipArt>(*this, forms::ShowStyle::Modal);
}

void frmMain::mnuViewGallery_Click() {
    frmGallery& gallery = forms::Instance<frmGallery>();
    gallery.Load();
    if (gallery.GalleryLoaded)
        gallery.Show(forms::ShowStyle::Modal, this);
    else
        gallery.Unload();
}

void frmMain::mnuViewModels_Click() {
    ShowOwned<frmModelNum>(*this, forms::ShowStyle::Modeless);
}

void frmMain::mnuSignSpec_Click() {
    ShowOwned<frmSpecChoose>(*this, forms::ShowStyle::Modal);
    txtZomelText_Change(0);
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
    ShowOwned<frmOptions>(*this, forms::ShowStyle::Modeless);
}

void frmMain::mnuHelpAbout_Click() {
    ShowOwned<frmAbout>(*this, forms::ShowStyle::Modal);
}

void frmMain::mnuHelpContact_Click() {
    ShowOwned<frmVELDOInfo>(*this, forms::ShowStyle::Modal);
}

// Opens the help's index in the person's viewer.
void frmMain::mnuHelpSearch_Click() {
    std::string help = HelpFile();
    if (help.empty()) {
        forms::MsgBox(forms::LoadResString(kNoHelpId), forms::vbInformation, Caption());
        return;
    }
    try {
        std::string reason;
        if (!forms::CurrentHost().OpenDocument(os::FileAddress(help), reason))
            vb::Raise(vb::err::kFileNotFound,
                      "The help file " + help + " could not be opened: " + reason);
    } catch (const vb::VbError& e) {
        forms::MsgBox(e.Description());
    }
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
