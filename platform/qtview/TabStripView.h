#pragma once

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A tab strip: its tabs above a panel on which the pages (frames) lie.  A person's click on
// a tab selects it, which raises Click, also for the tab already selected.
class TabStripView : public ViewBase {
public:
    TabStripView(forms::Control& control, FormWindow& window);
    void Attach() override;
    // The keyboard goes to the first control, in tab order, on the page on show.
    void FocusPage();

protected:
    void Sync(std::string_view name) override;
};

}  // namespace qtview
