#pragma once

#include "platform/forms/Control.h"
#include "platform/gdi/Bitmap.h"

namespace forms {

// Paints a visible picture box, label, image or shape onto `target` at its place, with
// (x, y) the pixel position of its container's origin.  Other controls draw nothing.
void PaintControl(gdi::Bitmap& target, int x, int y, Control& control);

}  // namespace forms
