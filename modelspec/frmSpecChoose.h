#pragma once

#include "core/ProgramForm.h"
#include "platform/forms/BasicControls.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/Ref.h"

namespace zomel {

// "Specification Type": the choice between the generic and the custom specification.
class frmSpecChoose : public ProgramForm {
public:
    frmSpecChoose();

    forms::ArrayRef<forms::OptionButton> Option1{*this, "Option1"};
    forms::Ref<forms::CommandButton> cmdOk{*this, "cmdOk"};

private:
    void cmdOk_Click();
    void MakeChosenDocument(std::string& windowName);
};

}  // namespace zomel
