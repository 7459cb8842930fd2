#pragma once

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A control with nothing to show at run time (a dialog control, an image list), and the
// stand-in for a type without a view of its own.
class HiddenView : public ViewBase {
public:
    using ViewBase::ViewBase;

protected:
    void Sync(std::string_view) override {}
};

}  // namespace qtview
