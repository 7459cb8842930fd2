#include "platform/forms/RangeControl.h"

#include <algorithm>

#include "platform/vb/Error.h"

namespace forms {

const PropertyTable& RangeControl::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&Control::Table());
        // Min and Max first, so that a description's Value lands inside its own range.
        t.Typed("Min", &RangeControl::Min, &RangeControl::SetMin)
            .Typed("Max", &RangeControl::Max, &RangeControl::SetMax)
            .Typed("Value", &RangeControl::Value, &RangeControl::SetValue)
            .Stored("SmallChange", vb::Integer{1})
            .Stored("LargeChange", vb::Integer{1});
        return t;
    }();
    return table;
}

const PropertyTable& UpDown::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&RangeControl::Table());
        t.Stored("Increment", vb::Long{1})
            .Stored("Orientation", vb::Integer{0})
            .Stored("BuddyControl", "")
            .Stored("Wrap", false);
        return t;
    }();
    return table;
}

void RangeControl::SetValue(vb::Integer value) {
    if (value < Lowest() || value > Highest()) vb::Raise(vb::err::kInvalidPropertyValue);
    if (value == value_) return;
    value_ = value;
    PropertyChanged("Value");
    RaiseEvent("Change");
}

void RangeControl::SetMin(vb::Integer min) {
    min_ = min;
    PropertyChanged("Min");
    Clamp();
}

void RangeControl::SetMax(vb::Integer max) {
    max_ = max;
    PropertyChanged("Max");
    Clamp();
}

void RangeControl::Clamp() {
    SetValue(std::clamp(value_, Lowest(), Highest()));
}

void RangeControl::Step(int steps) {
    long step = HasProperty("Increment") ? Get("Increment").ToLong() : Get("SmallChange").ToLong();
    long next = std::clamp<long>(value_ + steps * step, Lowest(), Highest());
    SetValue(static_cast<vb::Integer>(next));
}

}  // namespace forms
