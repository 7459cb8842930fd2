#pragma once

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A label: its caption, alignment, colours and border; a click raises Click.
class LabelView : public ViewBase {
public:
    LabelView(forms::Control& control, FormWindow& window);

protected:
    void Sync(std::string_view name) override;
};

}  // namespace qtview
