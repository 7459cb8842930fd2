// The renderer's two operations: blanking the display and painting the picture on show.
#include <cmath>

#include "platform/gdi/SystemColors.h"
#include "signctl/SignOcx.h"

namespace veldo {

LedGrid SignOcx::Grid() const {
    return LedGrid{ledSize_, ledGap_, pixPerSegX_, pixPerSegY_, segSepX_ != 0, segSepY_ != 0};
}

// The display is drawn when it is next needed (DisplayRepaint).
void SignOcx::ClearDisplay() {
    repaint_.Blank(gdi::ResolveColor(static_cast<gdi::Color>(picSign.BackColor())));
    picSign.PutOff(&repaint_);
    TempPic.Cls();
    picSign.Refresh();
}

// The LEDs are read from the picture itself, so a picture larger than the frame canvas is
// drawn whole (what does not fit on the display is cut off there).
void SignOcx::DrawFrame() {
    if (!PictureOnShow) return ClearDisplay();
    const int width = PictureOnShow->PixelWidth();
    const int height = PictureOnShow->PixelHeight();
    if (width == 0 || height == 0) return;
    if (halfStep_) ledSize_ = static_cast<vb::Integer>(ledGap_ + 1);
    TempPic.SetPicture(PictureOnShow);
    // A picture painted over another is drawn over what that one drew.
    if (repaint_.Paints()) picSign.DrawPending();
    repaint_.Paint({PictureOnShow, Grid(), gdi::ResolveColor(static_cast<gdi::Color>(ledOnColor_)),
                    gdi::ResolveColor(static_cast<gdi::Color>(ledOffColor_)), zomelOutline_,
                    FaceColor});
    picSign.PutOff(&repaint_);
    picSign.Refresh();
}

}  // namespace veldo
