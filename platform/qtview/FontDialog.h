#pragma once

class QWidget;

#include "platform/forms/FontChoice.h"

namespace qtview {

// The font dialog, starting from `font` and writing the choice back to it; false when the
// person cancelled (`font` is then left as it was).
bool RunFontDialog(forms::FontChoice& font, QWidget* parent);

}  // namespace qtview
