#pragma once

#include "platform/qtview/ViewBase.h"

namespace qtview {

// An option button; a person's click sets Value, which clears its siblings and raises Click.
class OptionButtonView : public ViewBase {
public:
    OptionButtonView(forms::Control& control, FormWindow& window);

protected:
    void Sync(std::string_view name) override;
};

}  // namespace qtview
