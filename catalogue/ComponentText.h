#pragma once

#include <string>

namespace zomel {

struct OptionRecord;

// How a catalogue row reads in the components list.
// The part number with the placeholder of the column or row count it takes ("-CC", "-RR").
std::string ComponentPartText(const OptionRecord& row);
// The price: the call-for-price text, "N/A", or the row's own price text.
std::string ComponentPriceText(const OptionRecord& row, const std::string& partText);
// The description completed by how the part is included in a sign.
std::string ComponentDescription(const OptionRecord& row, const std::string& partText);

}  // namespace zomel
