#pragma once

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A shape: rectangle, square, oval, circle or rounded box, with its border and fill.
class ShapeView : public ViewBase {
public:
    ShapeView(forms::Control& control, FormWindow& window);

protected:
    void Sync(std::string_view name) override;
};

}  // namespace qtview
