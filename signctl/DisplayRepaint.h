#pragma once

#include "platform/forms/PendingDrawing.h"
#include "platform/gdi/Picture.h"
#include "signctl/LedRenderer.h"

namespace veldo {

// What the renderer has asked of the display since it was last drawn: blanking, and the
// picture on show painted with the settings of the moment.  Done when the display is next
// needed, so that the repaints of a layout that nobody sees in between cost one, and a blank
// followed by a picture is one pass over the display.
class DisplayRepaint : public forms::PendingDrawing {
public:
    struct Frame {
        gdi::PictureRef picture;
        LedGrid grid;
        gdi::Color lit = 0;
        gdi::Color unlit = 0;
        bool outlines = false;
        gdi::Color face = 0;
    };

    // Blanks everything asked before.
    void Blank(gdi::Color back);
    // A picture over what was asked before, which must have been drawn unless it was a blank.
    void Paint(Frame frame);
    // A picture is asked and not yet drawn.
    bool Paints() const { return paint_; }

    void DrawNow(gdi::Bitmap& image) override;
    bool CoversAll() const override { return blank_; }

private:
    bool blank_ = false;
    gdi::Color back_ = 0;
    bool paint_ = false;
    Frame frame_;
};

}  // namespace veldo
