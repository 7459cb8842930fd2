// The renderer's two operations: blanking the display and painting the picture on show.
#include <cmath>

#include "platform/gdi/Brush.h"
#include "signctl/SignOcx.h"

namespace veldo {

LedGrid SignOcx::Grid() const {
    return LedGrid{ledSize_, ledGap_, pixPerSegX_, pixPerSegY_, segSepX_ != 0, segSepY_ != 0};
}

void SignOcx::ClearDisplay() {
    const gdi::Rect all{0, 0, static_cast<int>(std::lround(picSign.ScaleWidth())),
                        static_cast<int>(std::lround(picSign.ScaleHeight()))};
    picSign.hDC().FillRect(all, gdi::Brush(static_cast<gdi::Color>(picSign.BackColor())));
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
    const LedGrid grid = Grid();
    gdi::DeviceContext& display = picSign.hDC();
    RenderLeds(PictureOnShow->Image(), display.Surface(), grid,
               gdi::ResolveColor(static_cast<gdi::Color>(ledOnColor_)),
               gdi::ResolveColor(static_cast<gdi::Color>(ledOffColor_)));
    if (zomelOutline_) DrawModuleOutlines(display, grid, width, height, FaceColor);
    picSign.Refresh();
}

}  // namespace veldo
