#pragma once

#include "platform/forms/Control.h"
#include "platform/gdi/Picture.h"
#include "platform/gdi/PictureRecycler.h"

namespace forms {

// The picture-clip facility: holds a source picture and a clip rectangle (ClipX, ClipY,
// ClipWidth, ClipHeight, in pixels) and gives the part of the picture inside it as a new
// picture.  Parts of the rectangle beyond the picture come out black.
class PictureClip : public Control {
public:
    using Control::Control;

    gdi::PictureRef Picture() const { return picture_; }
    void SetPicture(gdi::PictureRef picture);
    vb::Integer ClipX() const { return clipX_; }
    void SetClipX(vb::Integer x) { clipX_ = x; }
    vb::Integer ClipY() const { return clipY_; }
    void SetClipY(vb::Integer y) { clipY_ = y; }
    vb::Integer ClipWidth() const { return clipWidth_; }
    void SetClipWidth(vb::Integer width);
    vb::Integer ClipHeight() const { return clipHeight_; }
    void SetClipHeight(vb::Integer height);
    // The clipped picture; error 481 without a source picture.
    gdi::PictureRef Clip() const;

    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }

private:
    gdi::PictureRef picture_;
    vb::Integer clipX_ = 0;
    vb::Integer clipY_ = 0;
    vb::Integer clipWidth_ = 0;
    vb::Integer clipHeight_ = 0;
    mutable gdi::PictureRecycler clips_;
};

}  // namespace forms
