#pragma once

#include <array>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Picture.h"

namespace gdi {

// Pictures handed out one after another, such as the frames of a preview that follows every
// keystroke: a picture handed out before is made again in place once nobody else holds it,
// so that once the stream runs it allocates nothing.  A picture still held elsewhere never
// changes.
class PictureRecycler {
public:
    // A picture of the `width` by `height` block of `image` at (x, y); what lies beyond
    // `image` is black.
    PictureRef Crop(const Bitmap& image, int x, int y, int width, int height);
    // A picture of the whole of `image`.
    PictureRef Copy(const Bitmap& image) {
        return Crop(image, 0, 0, image.Width(), image.Height());
    }

private:
    PictureRef& Unshared();

    std::array<PictureRef, 3> pictures_;
};

}  // namespace gdi
