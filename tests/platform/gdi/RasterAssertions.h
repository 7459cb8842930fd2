#pragma once

#include <string>
#include <vector>

#include "platform/gdi/Bitmap.h"

namespace gdi::testing {

// The bitmap's area (left, top, w, h) as dot art: '#' for `ink`, '.' for anything else.
inline std::vector<std::string> Art(const Bitmap& bitmap, int left, int top, int w, int h,
                                    Color ink = kWhite) {
    std::vector<std::string> rows;
    for (int y = top; y < top + h; ++y) {
        std::string row;
        for (int x = left; x < left + w; ++x)
            row += bitmap.At(x, y) == ink ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

}  // namespace gdi::testing
