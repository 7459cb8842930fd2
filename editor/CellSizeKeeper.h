#pragma once

#include "platform/forms/PictureClip.h"

namespace zomel {

// Keeps the picture clip's cell size: whatever way the preview ends, the clip again holds the
// LEDs across and down one module.
class CellSizeKeeper {
public:
    explicit CellSizeKeeper(forms::PictureClip& clip)
        : clip_(clip), width_(clip.ClipWidth()), height_(clip.ClipHeight()) {}
    // A size the clip refuses (below 0) leaves it as it is.
    ~CellSizeKeeper() {
        if (width_ >= 0) clip_.SetClipWidth(width_);
        if (height_ >= 0) clip_.SetClipHeight(height_);
    }
    CellSizeKeeper(const CellSizeKeeper&) = delete;
    CellSizeKeeper& operator=(const CellSizeKeeper&) = delete;

    void Keep(vb::Integer width, vb::Integer height) {
        width_ = width;
        height_ = height;
    }

private:
    forms::PictureClip& clip_;
    vb::Integer width_;
    vb::Integer height_;
};

}  // namespace zomel
