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

bool SpecWindow::MakeDocument(const std::function<void()>& work) {
    vb::OnError handler([] {
        if (vb::Err().Number == vb::err::kOutOfMemory) {
            forms::MsgBox(forms::LoadResString(kLowMemoryId), forms::vbInformation);
            vb::Err().Clear();
        } else {
            ReportError(kErrorLabel);
        }
    });
    return handler(work);
}

}  // namespace zomel
