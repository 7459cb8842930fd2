#pragma once

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A grid of Rows by Cols cells: each cell's text with its own alignment, bold and font size,
// the fixed rows and columns shaded, the columns at the model's widths.  It follows the model
// whenever redrawing is on.  Taking the focus, it marks the model's current cell (Row, Col).
class FlexGridView : public ViewBase {
public:
    FlexGridView(forms::Control& control, FormWindow& window);

protected:
    void Sync(std::string_view name) override;

private:
    void ShowCells();
    void ShowColumnWidths();
    void ShowCurrentCell();
};

}  // namespace qtview
