#pragma once

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A list view in report style: its column headers and its rows in the model's order.  A click
// on a header is the person's column click; the model does the sorting.
class ListViewView : public ViewBase {
public:
    ListViewView(forms::Control& control, FormWindow& window);

protected:
    void Sync(std::string_view name) override;

private:
    void ShowColumns();
    void ShowRows();
};

}  // namespace qtview
