#pragma once

#include <string>

#include "platform/vb/Types.h"

// The checks of the character height and width chosen in the main window's size lists: an
// empty text when the pair can be drawn with an LED block font, else the message to show.
namespace zomel {

// Height first.  Sets `selectionMissing` when a list has no selection.
std::string ValidateHeightWidth(vb::Integer& selectionMissing);
// Width first; with the height-by-width filter ticked it refills the height list instead.
std::string ValidateWidthHeight(vb::Integer& selectionMissing);

}  // namespace zomel
