#pragma once

#include "core/Cents.h"
#include "platform/vb/Types.h"
#include "platform/vb/Variant.h"

namespace zomel {

// The price load's values that live for the whole run.  The catalogue loader writes them at
// start-up, before the estimate window exists; the estimate window and its price-list engine
// read and write them.
struct PriceLoadValues {
    vb::Variant PanelOption;            // gOptions index of the solar panel row
    vb::Variant BatteryOption;          // gOptions index of the solar battery row
    Cents PriceValue;                   // the last decoded price; the engine's unit price
    vb::Variant RowIndex;               // the price load's row: base parts first, then options
    vb::Variant OptionIndex;            // the price load's index into gOptions
    vb::Integer LoadError = vb::False;  // a catalogue row failed; the Options button tests it
};

extern PriceLoadValues& gPriceLoad;  // in the run state

}  // namespace zomel
