#include "platform/forms/CheckBox.h"

#include "platform/forms/Form.h"
#include "platform/gdi/SystemColors.h"
#include "platform/vb/Error.h"

namespace forms {

const PropertyTable& CheckBox::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&CaptionedControl::Table());
        t.Typed("Value", &CheckBox::Value, &CheckBox::SetValue)
            .Stored("Alignment", vb::Integer{0})
            .Stored("BackColor", gdi::SystemColorValue(gdi::SystemColor::ButtonFace))
            .Stored("Style", vb::Integer{0});
        return t;
    }();
    return table;
}

void CheckBox::SetValue(vb::Integer value) {
    if (value < 0 || value > 2) vb::Raise(vb::err::kInvalidPropertyValue);
    if (value == value_) return;
    value_ = value;
    PropertyChanged("Value");
    RaiseEvent("Click");
}

const PropertyTable& OptionButton::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&CaptionedControl::Table());
        t.Typed("Value", &OptionButton::Value, &OptionButton::SetValue)
            .Stored("Alignment", vb::Integer{0})
            .Stored("BackColor", gdi::SystemColorValue(gdi::SystemColor::ButtonFace))
            .Stored("Style", vb::Integer{0});
        return t;
    }();
    return table;
}

void OptionButton::SetValue(bool value) {
    if (!value) {
        if (!value_) return;
        value_ = false;
        PropertyChanged("Value");
        return;
    }
    if (!Parent().IsBuilding()) {
        for (const auto& other : Parent().Controls()) {
            auto* sibling = dynamic_cast<OptionButton*>(other.get());
            if (sibling && sibling != this && sibling->Container() == Container() &&
                sibling->value_) {
                sibling->value_ = false;
                sibling->PropertyChanged("Value");
            }
        }
    }
    bool changed = !value_;
    value_ = true;
    if (changed) PropertyChanged("Value");
    RaiseEvent("Click");
}

}  // namespace forms
