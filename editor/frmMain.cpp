#include "editor/frmMain.h"

#include "core/Diagnostics.h"
#include "core/TranslateForm.h"
#include "platform/forms/Constants.h"

namespace zomel {
namespace {

const char* const kTraceLabel = "Main";
constexpr vb::Long kCaptionId = 109;

}  // namespace

frmMain::frmMain() : Form("frmMain") {
    BindModelNumberEvents();
}

void frmMain::Form_Load() {
    TraceForm(kTraceLabel, kCaptionId, true);
    TranslateForm(*this, false);
}

void frmMain::Form_Unload(vb::Integer&) {
    TraceForm(kTraceLabel, kCaptionId, false);
}

void frmMain::Form_KeyUp(vb::Integer& KeyCode, vb::Integer&) {
    if (KeyCode == forms::vbKeyF12) ShowFormNumber(kCaptionId, kTraceLabel);
}

void frmMain::mnuSignVertical_Click(vb::Integer) {}

void frmMain::mnuSignDensity_Click() {}

}  // namespace zomel
