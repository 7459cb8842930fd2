#include "editor/frmVELDOInfo.h"

#include "core/Diagnostics.h"
#include "core/TranslateForm.h"
#include "platform/forms/Constants.h"

namespace zomel {
namespace {

const char* const kTraceLabel = "VELDO Info";
constexpr vb::Long kCaptionId = 102;

}  // namespace

frmVELDOInfo::frmVELDOInfo() : Form("frmVELDOInfo") {}

void frmVELDOInfo::Form_Load() {
    TraceForm(kTraceLabel, kCaptionId, true);
    TranslateForm(*this, false);
}

// The window has no button: Escape is the way out without a window manager's close box.
void frmVELDOInfo::Form_KeyDown(vb::Integer& KeyCode, vb::Integer&) {
    if (KeyCode == forms::vbKeyEscape) Unload();
}

void frmVELDOInfo::Form_KeyUp(vb::Integer& KeyCode, vb::Integer&) {
    if (KeyCode == forms::vbKeyF12) ShowFormNumber(kCaptionId, kTraceLabel);
}

void frmVELDOInfo::Form_Unload(vb::Integer&) {
    TraceForm(kTraceLabel, kCaptionId, false);
}

}  // namespace zomel
