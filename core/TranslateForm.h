#pragma once

#include "platform/forms/ActiveToolBars.h"
#include "platform/forms/Form.h"

namespace zomel {

// Puts the string-table texts in place of the ids a window's description holds, and gives
// the window the program's font; with `changeControlFonts`, its controls get that font too.
void TranslateForm(forms::Form& form, bool changeControlFonts);

// The same for the tools of a popup menu tool, and of the popups within it.
void TranslateTools(forms::Tool& popup);

}  // namespace zomel
