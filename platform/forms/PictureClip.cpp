#include "platform/forms/PictureClip.h"

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
    return clips_.Crop(picture_->Image(), clipX_, clipY_, clipWidth_, clipHeight_);
}

}  // namespace forms
