#pragma once

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A list view in report style, showing its column headers.
class ListViewView : public ViewBase {
public:
    ListViewView(forms::Control& control, FormWindow& window);

protected:
    void Sync(std::string_view name) override;
};

}  // namespace qtview
