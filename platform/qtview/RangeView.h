#pragma once

#include "platform/qtview/ViewBase.h"

class QToolButton;

namespace qtview {

// A scroll bar; a person's move sets Value, which raises Change.
class ScrollBarView : public ViewBase {
public:
    ScrollBarView(forms::Control& control, FormWindow& window, Qt::Orientation orientation);

protected:
    void Sync(std::string_view name) override;
};

// The up-down control: two arrow buttons and nothing else, one above the other (Orientation
// 0) or side by side (1).  A click on the up or right arrow steps Value up by Increment, on
// the other arrow down, within Min..Max; held down, the arrows repeat.  With the focus, the
// arrow keys step it the same way.
class UpDownView : public ViewBase {
public:
    UpDownView(forms::Control& control, FormWindow& window);

protected:
    void Sync(std::string_view name) override;

private:
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
};

}  // namespace qtview
