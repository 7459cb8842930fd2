#pragma once

#include <string>

namespace forms {

// What the font dialog shows and gives back.
struct FontChoice {
    std::string Name;
    double Size = 8;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikethru = false;
};

}  // namespace forms
