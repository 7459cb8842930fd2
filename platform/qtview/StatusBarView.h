#pragma once

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A status bar: one box per panel with the panel's text, tool tip, width and visibility.
class StatusBarView : public ViewBase {
public:
    StatusBarView(forms::Control& control, FormWindow& window);

protected:
    void Sync(std::string_view name) override;
};

}  // namespace qtview
