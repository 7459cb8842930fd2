#include "modelspec/frmNumberPrompt.h"

#include "platform/forms/Constants.h"

namespace zomel {

frmNumberPrompt::frmNumberPrompt() : Form("frmNumberPrompt") {
    On("cmdOK", "Click", [this](auto&, auto&) {
        answer_ = txtAnswer->Text();
        Unload();
    });
    On("cmdCancel", "Click", [this](auto&, auto&) { Unload(); });
}

std::string frmNumberPrompt::Ask(forms::Form& owner) {
    answer_.clear();
    Load();
    txtAnswer->SetText("");
    Show(forms::ShowStyle::Modal, &owner);
    return answer_;
}

}  // namespace zomel
