#pragma once

#include <string_view>

#include "platform/forms/StdFont.h"
#include "platform/vb/Types.h"

namespace forms {

// How much room a text takes on the screen in a control's font, in twips, for laying out
// controls so that their texts show whole.
vb::Single TextWidthIn(const StdFont& font, std::string_view text);
// The height of one line of text.
vb::Single LineHeightIn(const StdFont& font);
// The number of lines `text` takes when it is wrapped after whole words to `width` twips; a
// word longer than the width takes a line of its own.
int WrappedLinesIn(const StdFont& font, std::string_view text, vb::Single width);

}  // namespace forms
