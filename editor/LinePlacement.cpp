#include "editor/LinePlacement.h"

#include <cmath>

namespace zomel {

int LineX(vb::Integer align, int signWidth, double textWidth, bool pixelFont) {
    const double room = signWidth - textWidth + (pixelFont ? 1 : 0);
    // Rounded halves to even; centring then halves toward zero.
    int x = 0;
    if (align == kAlignRight)
        x = static_cast<int>(std::nearbyint(room));
    else if (align == kAlignCentre)
        x = static_cast<int>(std::nearbyint(room)) / 2;
    return x < 0 ? 0 : x;
}

int PlacementOffset(vb::Integer placement, int rows, int cellHeight, const ExtentInfo& extent) {
    if (placement <= kPlaceTop) return 0;
    // Drawing starts so that the first inked row lands on the top row.
    const int firstRow = extent.StartingRow == 0 ? 0 : 1 - extent.StartingRow;
    const int offset = rows * cellHeight - extent.EndingRow - firstRow;
    return placement == kPlaceMiddle ? offset / 2 : offset;
}

}  // namespace zomel
