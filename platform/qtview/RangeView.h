#pragma once

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A scroll bar; a person's move sets Value, which raises Change.
class ScrollBarView : public ViewBase {
public:
    ScrollBarView(forms::Control& control, FormWindow& window, Qt::Orientation orientation);

protected:
    void Sync(std::string_view name) override;
};

// The up-down control: two arrows that step Value by Increment.
class UpDownView : public ViewBase {
public:
    UpDownView(forms::Control& control, FormWindow& window);

protected:
    void Sync(std::string_view name) override;
};

}  // namespace qtview
