#include "platform/forms/Focus.h"

#include <algorithm>
#include <vector>

#include "platform/forms/CheckBox.h"
#include "platform/forms/Form.h"

namespace forms {
namespace {

// The windows whose Validate handler runs now.
std::vector<const Form*>& Validating() {
    static std::vector<const Form*> forms;
    return forms;
}

bool IsValidating(const Form& form) {
    const auto& forms = Validating();
    return std::find(forms.begin(), forms.end(), &form) != forms.end();
}

// Raises Validate on the control about to lose the focus; false when its handler cancelled.
bool Validated(Form& form, Control& losing) {
    struct Mark {
        const Form* form;
        explicit Mark(const Form& f) : form(&f) { Validating().push_back(form); }
        ~Mark() { std::erase(Validating(), form); }
    } mark(form);
    EventArgs args{vb::Variant(vb::Integer{0})};
    losing.RaiseEvent("Validate", args);
    return !args[0].ToBool();
}

// The option buttons of a container are one Tab stop, the one set, while one is.
bool OptionPassedOver(Form& form, const Control& control) {
    const auto* option = dynamic_cast<const OptionButton*>(&control);
    if (!option || option->Value()) return false;
    for (const auto& other : form.Controls()) {
        const auto* sibling = dynamic_cast<const OptionButton*>(other.get());
        if (sibling && sibling->Value() && sibling->Container() == option->Container()) return true;
    }
    return false;
}

// Calls `visit` with each container of `control`, innermost first, while it returns true;
// false when a call did.
template <class Visit>
bool ForEachContainer(Form& form, const Control& control, Visit visit) {
    // Containers nest no deeper than the window has controls; a description naming itself
    // as its own container ends there too.
    const Control* inner = &control;
    for (size_t depth = 0; depth < form.Controls().size(); ++depth) {
        const Control* outer = form.ControlByContainerName(inner->Container());
        if (!outer || outer == inner) return true;
        if (!visit(*outer)) return false;
        inner = outer;
    }
    return true;
}

// Whether the span from `start` of `size` (a point when 0) shares any of 0 to `extent`.
bool Overlaps(double start, double size, double extent) {
    if (size <= 0) return start >= 0 && start <= extent;
    return start + size > 0 && start < extent;
}

}  // namespace

bool MoveFocus(Form& form, Control& to) {
    Control* from = form.ActiveControl();
    if (from == &to) return true;
    if (IsValidating(form)) return false;
    // A handler may unload the window (its controls go) or move the focus itself.
    const unsigned generation = form.LoadGeneration();
    auto stillThere = [&] { return form.IsLoaded() && form.LoadGeneration() == generation; };
    if (from && to.CausesValidation() && !Validated(form, *from)) return false;
    if (!stillThere() || form.ActiveControl() != from) return false;
    form.SetActiveControl(&to);
    if (from) from->RaiseEvent("LostFocus");
    if (!stillThere() || form.ActiveControl() != &to) return false;
    to.RaiseEvent("GotFocus");
    return true;
}

bool CanReceiveFocus(Form& form, const Control& control) {
    return control.TakesFocus() && InSight(form, control);
}

bool InSight(Form& form, const Control& control) {
    if (!form.IsLoaded() || !control.Visible() || !control.Enabled()) return false;
    return ForEachContainer(
        form, control, [](const Control& outer) { return outer.Visible() && outer.Enabled(); });
}

bool InClientArea(Form& form, const Control& control) {
    if (control.HasProperty("Align") && control.Get("Align").ToInteger() != 0) return true;
    // A container's children are placed from its top-left corner.
    double left = control.Left();
    double top = control.Top();
    ForEachContainer(form, control, [&](const Control& outer) {
        left += outer.Left();
        top += outer.Top();
        return true;
    });
    return Overlaps(left, control.Width(), form.ScaleWidth()) &&
           Overlaps(top, control.Height(), form.ScaleHeight());
}

Control* NextInTabOrder(Form& form, const Control* from, bool backwards) {
    if (!form.IsLoaded()) return nullptr;
    std::vector<Control*> order;
    for (const auto& control : form.Controls())
        order.push_back(control.get());
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->Get("TabIndex").ToInteger() < b->Get("TabIndex").ToInteger();
    });
    if (backwards) std::reverse(order.begin(), order.end());
    auto start = std::find(order.begin(), order.end(), from);
    if (start != order.end()) std::rotate(order.begin(), start + 1, order.end());
    for (Control* control : order)
        if (control != from && control->Get("TabStop").ToBool() &&
            CanReceiveFocus(form, *control) && !OptionPassedOver(form, *control) &&
            InClientArea(form, *control))
            return control;
    return nullptr;
}

bool TabFromPerson(Form& form, bool backwards) {
    Control* from = form.ActiveControl();
    if (from && from->NextOwnStop(backwards)) return true;
    Control* next = NextInTabOrder(form, from, backwards);
    if (!next) return false;
    next->EnterByTab(backwards);
    return next->FocusFromPerson();
}

}  // namespace forms
