#include "editor/frmAbout.h"

#include "core/TranslateForm.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/os/Shell.h"

namespace zomel {
namespace {

constexpr vb::Long kNoSysInfoId = 20004;
constexpr vb::Long kCreditId = 20005;
constexpr vb::Long kVersionId = 20006;
constexpr vb::Integer kCtrlAlt = forms::vbCtrlMask | forms::vbAltMask;

// System information programs of the Linux desktops, most thorough first.
const char* const kSysInfoPrograms[] = {"hardinfo2", "hardinfo", "kinfocenter",
                                        "gnome-system-monitor", "xfce4-taskmanager"};

}  // namespace

frmAbout::frmAbout() : ProgramForm("frmAbout") {
    On("cmdOk", "Click", [this](forms::Control&, forms::EventArgs&) { Unload(); });
    On("cmdSysInfo", "Click", [this](forms::Control&, forms::EventArgs&) { StartSysInfo(); });
}

void frmAbout::Window_Load() {
    TranslateForm(*this, false);
    const forms::AppObject& app = forms::App();
    lblVersion->SetCaption(forms::LoadResString(kVersionId) + std::to_string(app.Major) + "." +
                           std::to_string(app.Minor) + "." + std::to_string(app.Revision));
    lblTitle->SetCaption(app.Title);
}

// The first system information program installed; without one, the person is told.
void frmAbout::StartSysInfo() {
    for (const char* program : kSysInfoPrograms)
        if (!os::FindProgram(program).empty() && os::StartProgram({program})) return;
    forms::MsgBox(forms::LoadResString(kNoSysInfoId));
}

void frmAbout::Window_KeyUp(vb::Integer&, vb::Integer& Shift) {
    if (Shift == kCtrlAlt) forms::MsgBox(forms::LoadResString(kCreditId));
}

}  // namespace zomel
