#pragma once

#include <string>

#include "platform/forms/BasicControls.h"
#include "platform/forms/Form.h"
#include "platform/forms/Ref.h"
#include "platform/forms/TextBox.h"

namespace zomel {

// The box that asks for a complete model number ("Sign Model Number").
class frmNumberPrompt : public forms::Form {
public:
    frmNumberPrompt();

    // Shows the box modally over `owner`; the typed number, or an empty text on Cancel.
    std::string Ask(forms::Form& owner);

    forms::Ref<forms::Label> lblPrompt{*this, "lblPrompt"};
    forms::Ref<forms::TextBox> txtAnswer{*this, "txtAnswer"};
    forms::Ref<forms::CommandButton> cmdOK{*this, "cmdOK"};
    forms::Ref<forms::CommandButton> cmdCancel{*this, "cmdCancel"};

private:
    std::string answer_;
};

}  // namespace zomel
