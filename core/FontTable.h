#pragma once

#include <string>

#include "core/Table.h"
#include "platform/vb/Types.h"

namespace zomel {

// One LED block font: characters of Cols by Rows LEDs.
struct FontRecord {
    std::string Name;              // "VELDO 5x7"
    std::string Cols;              // LED columns per character
    std::string Rows;              // LED rows per character
    vb::Integer Size = 0;          // the font size a line set in this font gets: Height + 1
    vb::Integer Height = 0;        // Rows as a number
    vb::Integer DefaultAlign = 0;  // 2, centred
};

// The fourteen LED block fonts the editor offers, indexes 6 to 19; 10 is the start-up font.
inline constexpr vb::Integer kFirstBlockFont = 6;
inline constexpr vb::Integer kLastBlockFont = 19;
// The 5x7 font, the editor's start-up font.
inline constexpr vb::Integer kStartFont = 10;
// The LED font of a character gap other than 1, which the block fonts do not allow.
inline constexpr const char* kGapFontName = "UK5x7";
extern Table<FontRecord, kFirstBlockFont, kLastBlockFont>& FontTable;

// Fills the table; the names begin with string-table text 10916 ("VELDO ").
void FillFontTable();

}  // namespace zomel
