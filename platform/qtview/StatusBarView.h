#pragma once

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A status bar: one box per panel with the panel's text, tool tip, width and visibility, each
// at the place the runtime gives it in the bar's width; a text longer than its box ends in
// an ellipsis, so that no box draws over the next.
class StatusBarView : public ViewBase {
public:
    StatusBarView(forms::Control& control, FormWindow& window);

    // The boxes at the panels' places in the bar's present width.
    void PlacePanels();
    // A panel's text or tip shows in its own box, and moves no box: the status figures
    // change on every keystroke.
    void ItemChanged(forms::Control& control, const forms::PropertyObject& item,
                     std::string_view name) override;

protected:
    void Sync(std::string_view name) override;
};

}  // namespace qtview
