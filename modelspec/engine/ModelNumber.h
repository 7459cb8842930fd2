#pragma once

#include <string>
#include <string_view>

#include "platform/vb/Types.h"

// The 15-character model number: "AF0-2H2A4-0602V" is shipped assembled (A), full matrix (F),
// approval code 0, ZOMEL 2, high density, 30-degree angle (2), amber (A), 4 LEDs per pixel,
// 6 columns, 2 rows, vertical modules.
namespace zomel {

inline constexpr vb::Long kModelNumberLength = 15;
// The string table's texts for a number that is too long or too short.
inline constexpr vb::Long kModelTooLong = 11640;
inline constexpr vb::Long kModelTooShort = 11641;

// The eleven fields of a number, each in upper case; a field beyond the end of the text is
// empty.  The orientation is the last character, whatever the length.
struct ModelFields {
    std::string ProdType;     // 1: A assembled, C package of parts
    std::string SignType;     // 2: F full matrix, L line matrix, C character segmented
    std::string Approval;     // 3: bit 0 CE, bit 1 UL
    std::string DisplayType;  // 5: module version 1 or 2
    std::string Density;      // 6: H high, S standard
    std::string Angularity;   // 7: 1 15 degree, 2 30 degree, 3 40 by 70 oval
    std::string Color;        // 8: A amber
    std::string Leds;         // 9: LEDs per pixel
    std::string Columns;      // 11-12
    std::string Rows;         // 13-14
    std::string Orient;       // 15: H horizontal, V vertical
};

ModelFields SplitModelNumber(std::string_view number);

// Puts the fields together with the separators at positions 4 and 10.  The angle and colour
// go in as one field, which is how every builder makes them.
std::string ComposeModelNumber(const ModelFields& fields);

// A numeric field (or count typed in the main window) as the runtime converts it; raises the
// runtime's conversion error when the text is no whole number in range.
vb::Integer WholeNumber(const std::string& text);

// A module count as the number writes it: two digits.
std::string TwoDigits(vb::Long count);

}  // namespace zomel
