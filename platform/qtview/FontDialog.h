#pragma once

class QWidget;

#include "platform/forms/FontChoice.h"

namespace qtview {

// The LED block fonts of the program's fonts folder, made known to Qt so that the font
// dialog offers them beside the installed fonts.  A file Qt cannot read is passed over.
void OfferLedFonts();

// The font dialog, starting from `font` and writing the choice back to it; false when the
// person cancelled (`font` is then left as it was).  It offers the LED block fonts too.
bool RunFontDialog(forms::FontChoice& font, QWidget* parent);

}  // namespace qtview
