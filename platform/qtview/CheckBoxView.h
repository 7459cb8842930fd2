#pragma once

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A check box; a person's click flips Value, which raises Click.
class CheckBoxView : public ViewBase {
public:
    CheckBoxView(forms::Control& control, FormWindow& window);

protected:
    void Sync(std::string_view name) override;
};

}  // namespace qtview
