#pragma once

#include "platform/forms/Form.h"

namespace zomel {

// The units and character-size window.
class frmOptions : public forms::Form {
public:
    frmOptions();

    // Will refill the main window's character heights for the sign's character-size unit.
    void LoadCharHigh();
    // Will narrow the main window's widths to those the chosen height allows.
    void LoadHighFilter();
    // Will narrow the main window's heights to those the chosen width allows.
    void LoadWideFilter();
};

}  // namespace zomel
