#include "signctl/TextFrame.h"

#include <algorithm>

#include "platform/vb/Conversion.h"

namespace veldo {
namespace {

// Characters `from` (0-based) to `from + count`, fewer or none past the end.
std::string_view Part(std::string_view text, long from, long count) {
    if (from < 0 || count <= 0 || static_cast<std::size_t>(from) >= text.size()) return {};
    return text.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(count));
}

}  // namespace

TextCell CellOf(gdi::DeviceContext& dc, int segSepX, int segSepY, int pixPerSegY) {
    const gdi::Size d = dc.TextExtentA("D");
    vb::Integer height = vb::CInt(d.cy);
    if (segSepY > 0) height = vb::CInt(height - 1);
    if (pixPerSegY == 12) height = vb::CInt(height + 5);
    vb::Integer width = vb::CInt(d.cx);
    if (segSepX > 0) width = vb::CInt(width - 1);
    return {width, height};
}

void DrawTextRows(gdi::DeviceContext& dc, std::string_view text, int perRow, int rows) {
    for (int r = 0; r < rows; ++r) {
        const std::string_view row = Part(text, static_cast<long>(r) * perRow, perRow);
        const int height = dc.TextExtentA(row).cy;
        dc.TextOutA(0, r * height, row);
    }
}

void DrawTextCells(gdi::DeviceContext& dc, std::string_view text, int perRow, int rows,
                   const TextCell& cell) {
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < perRow; ++c) {
            const std::string_view character = Part(text, static_cast<long>(r) * perRow + c, 1);
            if (character.empty()) return;
            dc.TextOutA(vb::CInt(c * cell.width), vb::CInt(r * cell.height), character);
        }
    }
}

}  // namespace veldo
