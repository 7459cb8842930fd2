#pragma once

#include <string_view>

#include "platform/gdi/DeviceContext.h"

// Text frames: rows of characters drawn with an LED font, one dot per LED.  The text is
// single-byte (Windows-1252), row r being the `perRow` characters from r * perRow.
namespace veldo {

// The character cell used when module gaps are on.
struct TextCell {
    int width = 0;
    int height = 0;
};

// The cell from the size of "D" in the selected font: one less across (down) when there are
// module gaps across (down), and 5 more down for 12-LED-high modules.  16-bit arithmetic.
TextCell CellOf(gdi::DeviceContext& dc, int segSepX, int segSepY, int pixPerSegY);

// Without gaps: each row in one call, at x 0 and y = r times the row text's height.
void DrawTextRows(gdi::DeviceContext& dc, std::string_view text, int perRow, int rows);

// With gaps: each character on its own, in cells.
void DrawTextCells(gdi::DeviceContext& dc, std::string_view text, int perRow, int rows,
                   const TextCell& cell);

}  // namespace veldo
