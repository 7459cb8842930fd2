#pragma once

#include "platform/gdi/Color.h"
#include "platform/gdi/SystemColors.h"

namespace gdi {

// A solid pen.  A pen of width w paints, at each point (x, y) of a line, the w by w square
// from (x - w / 2, y - w / 2): a 2-pixel pen covers columns x - 1 and x of a vertical line.
class Pen {
public:
    Pen() = default;
    Pen(Color color, int width) : color_(ResolveColor(color)), width_(width < 1 ? 1 : width) {}

    Color GetColor() const { return color_; }
    int Width() const { return width_; }

private:
    Color color_ = kBlack;
    int width_ = 1;
};

}  // namespace gdi
