#include "signctl/DisplayRepaint.h"

#include <utility>

#include "platform/gdi/DeviceContext.h"

namespace veldo {

void DisplayRepaint::Blank(gdi::Color back) {
    blank_ = true;
    back_ = back;
    paint_ = false;
    frame_.picture.reset();
}

void DisplayRepaint::Paint(Frame frame) {
    paint_ = true;
    frame_ = std::move(frame);
}

void DisplayRepaint::DrawNow(gdi::Bitmap& image) {
    const bool blank = std::exchange(blank_, false);
    if (!std::exchange(paint_, false)) {
        if (blank) image.Fill({0, 0, image.Width(), image.Height()}, back_);
        return;
    }
    const gdi::Bitmap& leds = frame_.picture->Image();
    if (blank)
        RenderLedsOnBackground(leds, image, frame_.grid, frame_.lit, frame_.unlit, back_);
    else
        RenderLeds(leds, image, frame_.grid, frame_.lit, frame_.unlit);
    if (frame_.outlines) {
        gdi::DeviceContext dc(image);
        DrawModuleOutlines(dc, frame_.grid, leds.Width(), leds.Height(), frame_.face);
    }
    frame_.picture.reset();
}

}  // namespace veldo
