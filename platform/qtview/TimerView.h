#pragma once

#include <QTimer>

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A timer control on the Qt event loop: while Enabled with an Interval above 0 it raises
// Timer every Interval milliseconds; setting either starts the count anew.
class TimerView : public ViewBase {
public:
    TimerView(forms::Control& control, FormWindow& window);

protected:
    void Sync(std::string_view name) override;

private:
    QTimer timer_;
};

}  // namespace qtview
