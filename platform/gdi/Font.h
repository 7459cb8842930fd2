#pragma once

#include <string>

namespace gdi {

// A logical font: what a device context is asked to draw text with.  The face is resolved
// when text is drawn (FontRegistry).
struct Font {
    std::string face = "MS Sans Serif";
    double points = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const Font&) const = default;
};

}  // namespace gdi
