#include "platform/qtview/TimerView.h"

namespace qtview {

TimerView::TimerView(forms::Control& control, FormWindow& window) : ViewBase(control, window) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Model().RaiseEvent("Timer"); });
}

void TimerView::Sync(std::string_view name) {
    if (!name.empty() && name != "Interval" && name != "Enabled") return;
    auto interval = static_cast<int>(Model().Get("Interval").ToLong());
    if (Model().Enabled() && interval > 0)
        timer_.start(interval);
    else
        timer_.stop();
}

}  // namespace qtview
