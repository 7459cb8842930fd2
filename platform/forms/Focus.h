#pragma once

namespace forms {

class Control;
class Form;

// The focus moves to `to` as the runtime moves it: when `to` causes validation, the control
// losing the focus hears Validate first, and its Cancel keeps the focus where it was;
// otherwise the window's ActiveControl becomes `to`, the one hears LostFocus and the other
// GotFocus.  True when the focus is on `to` afterwards.  A move asked for while a Validate
// handler of the window runs (a message box giving the focus back) is refused.
bool MoveFocus(Form& form, Control& to);

// Whether a person could put the focus on `control` now: a kind that takes it, visible and
// enabled, in visible and enabled containers.
bool CanReceiveFocus(Form& form, const Control& control);

// Whether a person sees `control` and can use it: visible and enabled, in visible and enabled
// containers.
bool InSight(Form& form, const Control& control);

// Whether any of `control` lies inside the window's inner area, its place taken through all
// its containers: a control moved wholly off the window (a pane put aside) is out of sight
// though it is visible.  A control without size counts as the point where it is; one aligned
// to an edge of the window is always inside.
bool InClientArea(Form& form, const Control& control);

// Where Tab (Shift+Tab: backwards) takes the focus from `from`: the next control by TabIndex,
// then by description order, that has TabStop, can receive the focus and lies in the window's
// inner area, round the window;
// nullptr when none can.  From nullptr, the first (or last) one.  Of the option buttons of a
// container only the one set is a stop, while one is.
Control* NextInTabOrder(Form& form, const Control* from, bool backwards = false);

// A person's Tab key: to the next stop of the control that has the focus, else to the next
// control.  False when no control takes the focus or a Validate handler kept it.
bool TabFromPerson(Form& form, bool backwards = false);

}  // namespace forms
