#pragma once

#include "platform/forms/BasicControls.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/Form.h"
#include "platform/forms/Ref.h"

namespace zomel {

// "Specification Type": the choice between the generic and the custom specification.
class frmSpecChoose : public forms::Form {
public:
    frmSpecChoose();

    forms::ArrayRef<forms::OptionButton> Option1{*this, "Option1"};
    forms::Ref<forms::CommandButton> cmdOk{*this, "cmdOk"};

protected:
    void Form_Load() override;
    void Form_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) override;
    void Form_Unload(vb::Integer& Cancel) override;

private:
    void cmdOk_Click();
    void MakeChosenDocument(std::string& windowName);
};

}  // namespace zomel
