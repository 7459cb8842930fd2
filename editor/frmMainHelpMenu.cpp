// The Help menu: the help's index, about, and the maker's contact details.
#include "editor/frmAbout.h"
#include "editor/frmMain.h"
#include "editor/frmVELDOInfo.h"
#include "platform/forms/Host.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/vb/Error.h"

namespace zomel {
namespace {

constexpr vb::Long kNoHelpId = 10925;

}  // namespace

// The help's index page: a page of its own, since desktop openers may drop an address's
// "#index" on the way to the viewer.
std::string frmMain::HelpFile() {
    std::string path = os::JoinPath(os::ProgramFolder(), "help/search.html");
    return os::FileExists(path) ? path : "";
}

void frmMain::mnuHelpAbout_Click() {
    ShowOwned<frmAbout>(forms::ShowStyle::Modal);
}

void frmMain::mnuHelpContact_Click() {
    ShowOwned<frmVELDOInfo>(forms::ShowStyle::Modal);
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

}  // namespace zomel
