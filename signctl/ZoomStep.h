#pragma once

#include <functional>
#include <string>
#include <string_view>

// Plain pieces of the layout: the LED step that a zoom asks for and caption shortening.
namespace veldo {

// LEDs of `size` pixels with gaps of `size` pixels, the picture scaled by `scale`; a half
// step makes the squares one pixel bigger than the gaps.
struct LedStep {
    int size = 0;
    double scale = 1;
    bool halfStep = false;
};

// The pitch is 2 x zoom pixels: size = zoom - 0.1 rounded (halves to even); an integral zoom
// gives scale 1, a fractional one (2r + 1) / 2r, and a size of 0 gives scale 0.5.
LedStep ZoomStep(float zoom);

// The longest prefix of `text` of at least one character that fits with "..." after it,
// trying prefixes from 2 characters on; texts under 4 characters come back whole.
std::string ShortenCaption(const std::string& text,
                           const std::function<bool(const std::string&)>& tooWide);

}  // namespace veldo
