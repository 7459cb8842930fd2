#pragma once

#include <string>
#include <string_view>

#include "platform/vb/Types.h"

namespace zomel {

class Sign;

// The figures of the custom specification that do not come straight from the sign model:
// units, layout and the module density's electrical and optical figures.
struct SpecFigures {
    std::string SignUnit;          // the length unit, "ft" and "in" with a period
    vb::Single UnitFactor = 0;     // character sizes: 1 in inches, 2.54 in centimetres, else 0
    std::string CharUnit;          // the character-size unit, "in" with a period
    std::string TypeText;          // the layout in words
    vb::Integer PixelRows = 0;     // $phigh$
    vb::Integer PixelCount = 0;    // $pcount$
    vb::Integer PixelColumns = 0;  // $pwide$
    vb::Single AverageDraw = 0;
    vb::Single MaximumDraw = 0;
    vb::Single TypicalDraw = 0;
    vb::Single LedSpacing = 0;
    vb::Single PixelSpacing = 0;
    vb::Single MinimumSize = 0;
    std::string Density;  // "High" or "Standard"
};

// Works the figures out from the sign and the main window's density flag.
SpecFigures PrepareSpecFigures(const Sign& sign, vb::Integer highDensity);

// The value of one token ("$xcount$", both "$" included) as text ready for an RTF document;
// empty for a name the table does not know.
std::string GetTokenValue(const SpecFigures& figures, const Sign& sign, std::string_view token);

}  // namespace zomel
