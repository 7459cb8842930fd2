#pragma once

#include "platform/forms/Control.h"

namespace forms {

// A check box: Value 0 unchecked, 1 checked, 2 grayed.  A change of Value raises Click.
class CheckBox : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    bool TakesFocus() const override { return true; }

    vb::Integer Value() const { return value_; }
    void SetValue(vb::Integer value);
    // A person's click toggles between checked and unchecked.
    void Click() { SetValue(value_ == 1 ? 0 : 1); }

    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }

private:
    vb::Integer value_ = 0;
};

// An option button: setting Value to True clears the other option buttons of its container
// and raises Click (also when it was already set, as the runtime does).
class OptionButton : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    bool TakesFocus() const override { return true; }

    bool Value() const { return value_; }
    void SetValue(bool value);
    void Click() { SetValue(true); }

    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }

private:
    bool value_ = false;
};

}  // namespace forms
