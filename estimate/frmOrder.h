#pragma once

#include "platform/forms/Form.h"
#include "platform/vb/Variant.h"

namespace zomel {

// The price estimate window.  Its run-long values exist before the window is first loaded:
// the catalogue loader writes them at start-up.
class frmOrder : public forms::Form {
public:
    frmOrder();

    // Stores the catalogue's load-error flag, which the Options button tests.
    void LoadError(vb::Integer flag) { loadError_ = flag; }
    vb::Integer HasLoadError() const { return loadError_; }

    vb::Variant PanelOption;    // gOptions index of the solar panel row
    vb::Variant BatteryOption;  // gOptions index of the solar battery row
    double PriceValue = 0;      // the last decoded price
    vb::Variant RowIndex;       // the price load's row: base parts first, then options
    vb::Variant OptionIndex;    // the price load's index into gOptions

private:
    vb::Integer loadError_ = vb::False;
};

}  // namespace zomel
