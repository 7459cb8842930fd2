#pragma once

#include <functional>

#include "platform/forms/Control.h"

namespace forms {

class Host;

// The timer control: while it is Enabled with an Interval above 0, the host fires its Timer
// event every Interval milliseconds.  Changing either restarts the count.
class Timer : public Control {
public:
    Timer(Form& parent, std::string typeName, std::string name, vb::Integer index);
    ~Timer() override;

    // Milliseconds, 0 to 65535 (error 380 outside).
    vb::Long Interval() const { return interval_; }
    void SetInterval(vb::Long milliseconds);
    bool Running() const { return host_ != nullptr; }

    // Called by the host when the interval has passed: raises Timer.
    void Tick();
    // A timer inside a user control has no window to handle its event: its owner is called
    // directly instead.
    void OnTimer(std::function<void()> handler) { onTimer_ = std::move(handler); }

    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }

protected:
    void PropertyChanged(std::string_view name) override;

private:
    void Rearm();

    vb::Long interval_ = 0;
    Host* host_ = nullptr;  // the host the timer runs on, while it runs
    std::function<void()> onTimer_;
};

}  // namespace forms
