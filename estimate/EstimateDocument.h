#pragma once

#include <string>

#include "estimate/engine/PriceLine.h"

namespace zomel {

// Where a row stands: the last item is underlined, the totals are bold and carry no part.
enum class EstimateRowKind { Item, LastItem, Totals };

// The priced fields right-aligned in their widths (50, 9, 10 and 11 characters); a longer text
// is taken whole, after a blank when `keepApart` says so.
std::string AlignedFields(const PriceLine& line, bool keepApart = false);

// The line as an RTF fragment for the end of the estimate document, in the template's font 1;
// its texts escaped, so that no description can break the document.
std::string EstimateRtfLine(const PriceLine& line, EstimateRowKind kind);

// The line as the printed page shows it.
std::string EstimatePrintLine(const PriceLine& line, EstimateRowKind kind);

// The column heading of the printed page.
inline constexpr const char* kEstimateHeading =
    "Description:                                  Selling Price  Quantity  Sub Total Part Number";

}  // namespace zomel
