#pragma once

#include "platform/gdi/Bitmap.h"

namespace forms {

// Drawing that the owner of a picture box has put off until the box's image is next needed:
// looked at, drawn on, cleared or resized.  Repaints that nobody sees in between (a control
// repainted at every step of a layout while it is hidden) then cost one.
class PendingDrawing {
public:
    // Draws what was put off onto `image`.
    virtual void DrawNow(gdi::Bitmap& image) = 0;
    // True when the drawing begins by covering the whole image, so that what the image held
    // before (and a change of its size) does not matter to it.
    virtual bool CoversAll() const = 0;

protected:
    ~PendingDrawing() = default;
};

}  // namespace forms
