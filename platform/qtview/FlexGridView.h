#pragma once

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A grid of Rows by Cols cells, the fixed rows and columns shaded.
class FlexGridView : public ViewBase {
public:
    FlexGridView(forms::Control& control, FormWindow& window);

protected:
    void Sync(std::string_view name) override;
};

}  // namespace qtview
