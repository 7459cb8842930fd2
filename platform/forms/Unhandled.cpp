#include "platform/forms/Unhandled.h"

#include <string>

#include "platform/forms/Constants.h"
#include "platform/forms/Interaction.h"

namespace forms {

void ReportUnhandledError() {
    vb::ErrObject error = vb::Err();
    vb::Err().Clear();
    MsgBox("Run-time error '" + std::to_string(error.Number) + "':\r\r" + error.Description,
           vbCritical, App().Title);
}

}  // namespace forms
