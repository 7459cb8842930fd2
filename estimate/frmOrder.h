#pragma once

#include "core/ProgramForm.h"
#include "platform/vb/Variant.h"

namespace zomel {

// The price estimate window.  Its run-long values exist before the window is first loaded:
// the options tree and the solar window write these before and between estimates; those the
// catalogue loader writes at start-up are in gPriceLoad (core/PriceLoad.h).
class frmOrder : public ProgramForm {
public:
    frmOrder();

    vb::Integer AltPartsFlag = vb::False;   // alternative part numbers chosen (options tree)
    vb::Integer CabinetOption = vb::False;  // check state of the cabinet placeholder option
    vb::Variant BatteryCount;     // batteries chosen in the solar window (a Long); empty is 0
    vb::Variant PanelCount;       // panels chosen in the solar window (a Long); empty is 0
    vb::Integer SkippedRows = 0;  // grid rows the price load gave back while filling
};

}  // namespace zomel
