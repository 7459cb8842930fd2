#include "editor/frmSplash.h"

#include "platform/forms/BasicControls.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"

namespace zomel {
namespace {

constexpr vb::Long kVersionWord = 300;

}  // namespace

frmSplash::frmSplash() : ProgramForm("frmSplash") {}

void frmSplash::Window_Load() {
    const forms::AppObject& app = forms::App();
    ControlAs<forms::Label>("lblVersion")
        .SetCaption(forms::LoadResString(kVersionWord) + std::to_string(app.Major) + "." +
                    std::to_string(app.Minor) + "." + std::to_string(app.Revision));
    ControlAs<forms::Label>("lblProductName").SetCaption(app.Title);
}

}  // namespace zomel
