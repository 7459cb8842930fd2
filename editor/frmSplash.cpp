#include "editor/frmSplash.h"

#include "core/Diagnostics.h"
#include "platform/forms/BasicControls.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"

namespace zomel {
namespace {

const char* const kTraceLabel = "Splash";
constexpr vb::Long kCaptionId = 115;

}  // namespace

frmSplash::frmSplash() : Form("frmSplash") {}

void frmSplash::Form_Load() {
    TraceForm(kTraceLabel, kCaptionId, true);
    const forms::AppObject& app = forms::App();
    ControlAs<forms::Label>("lblVersion")
        .SetCaption(forms::LoadResString(300) + std::to_string(app.Major) + "." +
                    std::to_string(app.Minor) + "." + std::to_string(app.Revision));
    ControlAs<forms::Label>("lblProductName").SetCaption(app.Title);
}

void frmSplash::Form_Unload(vb::Integer&) {
    TraceForm(kTraceLabel, kCaptionId, false);
}

void frmSplash::Form_KeyUp(vb::Integer& KeyCode, vb::Integer&) {
    if (KeyCode == forms::vbKeyF12) ShowFormNumber(kCaptionId, kTraceLabel);
}

}  // namespace zomel
