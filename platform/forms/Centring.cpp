#include "platform/forms/Centring.h"

#include <algorithm>
#include <cmath>

#include "platform/forms/Form.h"
#include "platform/forms/Interaction.h"
#include "platform/gdi/Screen.h"

namespace forms {

void CentreOver(Form& form, const Form* anchor) {
    const ScreenObject& screen = Screen();
    const vb::Single areaLeft = screen.WorkLeft();
    const vb::Single areaTop = screen.WorkTop();
    const vb::Single width = form.Width();
    const vb::Single height = form.Height();
    vb::Single left = areaLeft + (screen.WorkWidth() - width) / 2;
    vb::Single top = areaTop + (screen.WorkHeight() - height) / 2;
    if (anchor && anchor->IsLoaded()) {
        left = anchor->Left() + (anchor->Width() - width) / 2;
        top = anchor->Top() + (anchor->Height() - height) / 2;
    }
    left = std::max(areaLeft, std::min(left, areaLeft + screen.WorkWidth() - width));
    top = std::max(areaTop, std::min(top, areaTop + screen.WorkHeight() - height));
    // Whole pixels, so that the screen puts the window exactly there.
    auto pixel = [](vb::Single twips, vb::Single perPixel) {
        return static_cast<vb::Single>(std::floor(twips / perPixel) * perPixel);
    };
    form.Move(pixel(left, gdi::kTwipsPerPixelX), pixel(top, gdi::kTwipsPerPixelY), width, height);
}

}  // namespace forms
