#pragma once

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A list box; choosing an entry sets ListIndex, which raises Click.  Taking the focus without a
// choice, it marks its first entry without choosing it.
class ListBoxView : public ViewBase {
public:
    ListBoxView(forms::Control& control, FormWindow& window);

protected:
    void Sync(std::string_view name) override;
};

}  // namespace qtview
