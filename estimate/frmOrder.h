#pragma once

#include "platform/forms/Form.h"
#include "platform/vb/Variant.h"

namespace zomel {

// The price estimate window.  Its run-long values exist before the window is first loaded:
// the catalogue loader writes them at start-up, the options tree and the solar window before
// and between estimates.
class frmOrder : public forms::Form {
public:
    frmOrder();

    // Stores the catalogue's load-error flag, which the Options button tests.
    void LoadError(vb::Integer flag) { loadError_ = flag; }
    vb::Integer HasLoadError() const { return loadError_; }

    vb::Integer AltPartsFlag = vb::False;   // alternative part numbers chosen (options tree)
    vb::Integer CabinetOption = vb::False;  // check state of the cabinet placeholder option
    double PriceValue = 0;                  // the last decoded price; the engine's unit price
    vb::Variant RowIndex;                   // the price load's row: base parts first, then options
    vb::Variant BatteryOption;              // gOptions index of the solar battery row
    vb::Variant BatteryCount;     // batteries chosen in the solar window (a Long); empty is 0
    vb::Variant OptionIndex;      // the price load's index into gOptions
    vb::Variant PanelOption;      // gOptions index of the solar panel row
    vb::Variant PanelCount;       // panels chosen in the solar window (a Long); empty is 0
    vb::Integer SkippedRows = 0;  // grid rows the price load gave back while filling

private:
    vb::Integer loadError_ = vb::False;
};

}  // namespace zomel
