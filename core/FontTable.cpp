#include "core/FontTable.h"

#include <array>

#include "platform/forms/StringTable.h"
#include "platform/vb/Conversion.h"

namespace zomel {

namespace {

constexpr vb::Long kFontNamePrefixId = 10916;
constexpr vb::Integer kCentred = 2;

struct Cell {
    const char* cols;
    const char* rows;
};

constexpr std::array<Cell, kLastBlockFont - kFirstBlockFont + 1> kCells = {{
    {"4", "5"},
    {"4", "6"},
    {"3", "7"},
    {"4", "7"},
    {"5", "7"},
    {"4", "8"},
    {"5", "8"},
    {"5", "9"},
    {"5", "10"},
    {"5", "11"},
    {"5", "12"},
    {"6", "12"},
    {"7", "12"},
    {"8", "12"},
}};

}  // namespace

void FillFontTable() {
    for (vb::Integer index = kFirstBlockFont; index <= kLastBlockFont; ++index) {
        const Cell& cell = kCells[index - kFirstBlockFont];
        FontRecord& font = FontTable(index);
        font.Cols = cell.cols;
        font.Rows = cell.rows;
        font.Height = vb::CInt(vb::Val(font.Rows));
        font.Size = static_cast<vb::Integer>(font.Height + 1);
        font.DefaultAlign = kCentred;
    }
    // The cells stand even when the name text is missing.
    const std::string prefix = forms::LoadResString(kFontNamePrefixId);
    for (FontRecord& font : FontTable)
        font.Name = prefix + font.Cols + "x" + font.Rows;
}

}  // namespace zomel
