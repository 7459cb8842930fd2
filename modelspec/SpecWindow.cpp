#include "modelspec/SpecWindow.h"

#include "core/Diagnostics.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Error.h"

namespace zomel {
namespace {

constexpr vb::Long kLowMemoryId = 11714;
const char* const kErrorLabel = "GenSpecMain - Load";

}  // namespace

SpecWindow::SpecWindow(std::string name, std::string traceLabel, vb::Long captionId)
    : Form(std::move(name)), traceLabel_(std::move(traceLabel)), captionId_(captionId) {}

bool SpecWindow::MakeDocument(const std::function<void()>& work) {
    vb::OnError handler([] {
        if (vb::Err().Number == vb::err::OutOfMemory) {
            forms::MsgBox(forms::LoadResString(kLowMemoryId), forms::vbInformation);
            vb::Err().Clear();
        } else {
            ReportError(kErrorLabel);
        }
    });
    return handler(work);
}

void SpecWindow::Form_KeyUp(vb::Integer& KeyCode, vb::Integer&) {
    if (KeyCode == forms::vbKeyF12) ShowFormNumber(captionId_, traceLabel_);
}

void SpecWindow::Form_Unload(vb::Integer&) {
    TraceForm(traceLabel_, captionId_, false);
}

}  // namespace zomel
