#include "modelspec/frmSpecChoose.h"

#include "core/Diagnostics.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "modelspec/FrmGenSpec.h"
#include "modelspec/FrmSpec.h"
#include "platform/forms/Instance.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Error.h"

namespace zomel {
namespace {

constexpr vb::Long kNoModulesId = 11707;
constexpr vb::Long kUnableToLocateId = 11708;
constexpr vb::Long kReinstallId = 11709;

template <class Window>
void LoadAndUnload() {
    Window& window = forms::Instance<Window>();
    window.Load();
    window.Unload();
}

}  // namespace

frmSpecChoose::frmSpecChoose() : ProgramForm("frmSpecChoose") {
    On("cmdOk", "Click", [this](forms::Control&, forms::EventArgs&) { cmdOk_Click(); });
}

void frmSpecChoose::MakeChosenDocument(std::string& windowName) {
    if (Option1(0).Value()) {
        windowName = "FrmGenSpec";
        LoadAndUnload<FrmGenSpec>();
    } else if (gSign->XZomelCount() < 1) {
        forms::MsgBox(forms::LoadResString(kNoModulesId));
    } else {
        windowName = "FrmSpec";
        LoadAndUnload<FrmSpec>();
    }
}

void frmSpecChoose::cmdOk_Click() {
    Hide();
    forms::Screen().SetMousePointer(forms::vbHourglass);
    // The window being made is the name the message gives: its description, or the window
    // itself, is what a broken installation lacks.
    std::string windowName;
    vb::OnError handler([this, &windowName] {
        DebugTrace(TraceLabel(), vb::Err().Number, "OK button click", vb::Err().Description);
        forms::MsgBox(forms::LoadResString(kUnableToLocateId) + windowName +
                      forms::LoadResString(kReinstallId));
        vb::Err().Clear();
    });
    handler([&] { MakeChosenDocument(windowName); });
    forms::Screen().SetMousePointer(forms::vbDefault);
}

}  // namespace zomel
