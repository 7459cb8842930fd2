#pragma once

#include <string_view>

#include "platform/vb/Types.h"

namespace forms {

class Control;
class Form;

// The character a caption marks for Alt with "&" ("&&" stands for one ampersand), in upper
// case; 0 when it marks none.
char MnemonicOf(std::string_view caption);

// Where a person's Alt with `keyCode` (a key code: the upper-case letter or digit) goes
// through a label or frame whose caption marks it: the control that follows that label in
// tab order.  nullptr when no label or frame a person can see in the window marks it, or none
// follows.
Control* LabelledByMnemonic(Form& form, vb::Integer keyCode);

}  // namespace forms
