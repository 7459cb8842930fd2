#include "platform/forms/Timer.h"

#include "platform/forms/Host.h"
#include "platform/vb/Error.h"

namespace forms {

Timer::Timer(Form& parent, std::string typeName, std::string name, vb::Integer index)
    : Control(parent, std::move(typeName), std::move(name), index) {}

Timer::~Timer() {
    if (host_) host_->StopTimer(*this);
}

const PropertyTable& Timer::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&Control::Table());
        t.Typed("Interval", &Timer::Interval, &Timer::SetInterval);
        return t;
    }();
    return table;
}

void Timer::SetInterval(vb::Long milliseconds) {
    if (milliseconds < 0 || milliseconds > 65535) vb::Raise(vb::err::kInvalidPropertyValue);
    interval_ = milliseconds;
    PropertyChanged("Interval");
}

void Timer::Tick() {
    RaiseEvent("Timer");
    if (onTimer_) onTimer_();
}

void Timer::PropertyChanged(std::string_view name) {
    Control::PropertyChanged(name);
    if (name == "Enabled" || name == "Interval") Rearm();
}

void Timer::Rearm() {
    if (host_) host_->StopTimer(*this);
    host_ = nullptr;
    if (!Enabled() || interval_ <= 0) return;
    host_ = &CurrentHost();
    host_->StartTimer(*this);
}

}  // namespace forms
