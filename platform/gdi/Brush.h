#pragma once

#include "platform/gdi/Color.h"
#include "platform/gdi/SystemColors.h"

namespace gdi {

// A solid brush; system colours are resolved when the brush is made.
class Brush {
public:
    Brush() = default;
    explicit Brush(Color color) : color_(ResolveColor(color)) {}

    Color GetColor() const { return color_; }

private:
    Color color_ = kWhite;
};

}  // namespace gdi
