#pragma once

#include <algorithm>

#include "platform/gdi/Bitmap.h"

namespace forms {

// Copies `source` onto `target` with its top-left at (x, y); what falls outside `target` is
// left out.
inline void DrawBitmap(gdi::Bitmap& target, int x, int y, const gdi::Bitmap& source) {
    const int left = std::max(0, -x);
    const int right = std::min(source.Width(), target.Width() - x);
    if (right <= left) return;
    for (int row = std::max(0, -y); row < std::min(source.Height(), target.Height() - y); ++row) {
        auto from = source.Row(row);
        std::copy(from.begin() + left, from.begin() + right,
                  target.Row(y + row).begin() + x + left);
    }
}

// A frame `width` pixels wide just inside `area`.
inline void DrawOutline(gdi::Bitmap& target, const gdi::Rect& area, int width, gdi::Color color) {
    target.Fill({area.left, area.top, area.right, area.top + width}, color);
    target.Fill({area.left, area.bottom - width, area.right, area.bottom}, color);
    target.Fill({area.left, area.top, area.left + width, area.bottom}, color);
    target.Fill({area.right - width, area.top, area.right, area.bottom}, color);
}

}  // namespace forms
