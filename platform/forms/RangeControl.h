#pragma once

#include "platform/forms/Control.h"

namespace forms {

// A control whose Value moves within Min..Max: scroll bars and the up-down control.  Setting
// Value raises Change when it changes; a value outside the range raises error 380.  A new
// Min or Max that leaves the value outside brings it to the nearest bound (and raises
// Change), as the scroll bars do.
class RangeControl : public Control {
public:
    using Control::Control;

    vb::Integer Value() const { return value_; }
    void SetValue(vb::Integer value);
    vb::Integer Min() const { return min_; }
    void SetMin(vb::Integer min);
    vb::Integer Max() const { return max_; }
    void SetMax(vb::Integer max);
    // A person's step (arrow click): by `steps` small changes, kept within the range.
    void Step(int steps);

    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }

private:
    vb::Integer Lowest() const { return min_ < max_ ? min_ : max_; }
    vb::Integer Highest() const { return min_ < max_ ? max_ : min_; }
    void Clamp();

    vb::Integer value_ = 0;
    vb::Integer min_ = 0;
    vb::Integer max_ = 32767;
};

class HScrollBar : public RangeControl {
public:
    bool TakesFocus() const override { return true; }
    using RangeControl::RangeControl;
};

class VScrollBar : public RangeControl {
public:
    bool TakesFocus() const override { return true; }
    using RangeControl::RangeControl;
};

// The up-down control; Increment is its step.
class UpDown : public RangeControl {
public:
    using RangeControl::RangeControl;
    bool TakesFocus() const override { return true; }
    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }
};

}  // namespace forms
