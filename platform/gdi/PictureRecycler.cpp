#include "platform/gdi/PictureRecycler.h"

#include <algorithm>
#include <memory>

namespace gdi {

PictureRef& PictureRecycler::Unshared() {
    for (PictureRef& picture : pictures_)
        if (picture && picture.use_count() == 1) return picture;
    // All held elsewhere: the oldest is let go to its holders and a new one takes its place.
    std::rotate(pictures_.begin(), pictures_.begin() + 1, pictures_.end());
    PictureRef& fresh = pictures_.back();
    fresh = std::make_shared<Picture>();
    return fresh;
}

PictureRef PictureRecycler::Crop(const Bitmap& image, int x, int y, int width, int height) {
    PictureRef& picture = Unshared();
    Bitmap& target = picture->image_;
    target.Reshape(width, height);
    const bool inside = x >= 0 && y >= 0 && x + target.Width() <= image.Width() &&
                        y + target.Height() <= image.Height();
    if (!inside) target.Fill({0, 0, target.Width(), target.Height()}, kBlack);
    const int rows = std::min(target.Height(), image.Height() - y);
    const int first = std::max(0, -x);
    const int end = std::min(target.Width(), image.Width() - x);
    for (int row = std::max(0, -y); first < end && row < rows; ++row) {
        const auto from = image.Row(y + row);
        std::copy(from.begin() + x + first, from.begin() + x + end,
                  target.Row(row).begin() + first);
    }
    picture->Renumber();
    return picture;
}

}  // namespace gdi
