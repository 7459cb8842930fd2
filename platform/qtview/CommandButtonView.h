#pragma once

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A command button; a person's click raises Click.
class CommandButtonView : public ViewBase {
public:
    CommandButtonView(forms::Control& control, FormWindow& window);

protected:
    void Sync(std::string_view name) override;
};

}  // namespace qtview
