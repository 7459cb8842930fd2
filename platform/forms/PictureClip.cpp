#include "platform/forms/PictureClip.h"

#include <algorithm>

#include "platform/vb/Error.h"

namespace forms {

const PropertyTable& PictureClip::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&Control::Table());
        t.Typed("Picture", &PictureClip::Picture, &PictureClip::SetPicture)
            .Typed("ClipX", &PictureClip::ClipX, &PictureClip::SetClipX)
            .Typed("ClipY", &PictureClip::ClipY, &PictureClip::SetClipY)
            .Typed("ClipWidth", &PictureClip::ClipWidth, &PictureClip::SetClipWidth)
            .Typed("ClipHeight", &PictureClip::ClipHeight, &PictureClip::SetClipHeight)
            .Typed<PictureClip, gdi::PictureRef>("Clip", &PictureClip::Clip)
            .Stored("Rows", vb::Integer{1})
            .Stored("Cols", vb::Integer{1});
        return t;
    }();
    return table;
}

void PictureClip::SetPicture(gdi::PictureRef picture) {
    picture_ = std::move(picture);
}

void PictureClip::SetClipWidth(vb::Integer width) {
    if (width < 0) vb::Raise(vb::err::kInvalidPropertyValue);
    clipWidth_ = width;
}

void PictureClip::SetClipHeight(vb::Integer height) {
    if (height < 0) vb::Raise(vb::err::kInvalidPropertyValue);
    clipHeight_ = height;
}

gdi::PictureRef PictureClip::Clip() const {
    if (!picture_ || picture_->Handle() == 0)
        vb::Raise(vb::err::kInvalidPicture, "Invalid picture");
    const gdi::Bitmap& source = picture_->Image();
    gdi::Bitmap clipped(clipWidth_, clipHeight_, gdi::kBlack);
    int rows = std::min<int>(clipHeight_, source.Height() - clipY_);
    int cols = std::min<int>(clipWidth_, source.Width() - clipX_);
    for (int y = std::max(0, -clipY_); y < rows; ++y) {
        auto from = source.Row(clipY_ + y);
        auto to = clipped.Row(y);
        for (int x = std::max(0, -clipX_); x < cols; ++x)
            to[x] = from[clipX_ + x];
    }
    return std::make_shared<gdi::Picture>(std::move(clipped));
}

}  // namespace forms
