#pragma once

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A combo box.  Choosing an entry sets ListIndex (which raises Click); typing in its edit
// part sets Text (which raises Change).
class ComboBoxView : public ViewBase {
public:
    ComboBoxView(forms::Control& control, FormWindow& window);

protected:
    void Sync(std::string_view name) override;
};

}  // namespace qtview
