#pragma once

#include <array>
#include <string>

namespace zomel {

// One grid row of the estimate as the document and the printed page show it.
struct EstimateRow {
    std::array<std::string, 4> fields;  // description, selling price, quantity, sub total
    std::string partNumber;
};

// Where a row stands: the last item is underlined, the totals are bold and carry no part.
enum class EstimateRowKind { Item, LastItem, Totals };

// The four fields right-aligned in their widths (50, 9, 10 and 11 characters); a longer text
// is taken whole, after a blank when `keepApart` says so.
std::string AlignedFields(const EstimateRow& row, bool keepApart = false);

// The row as an RTF fragment for the end of the estimate document, in the template's font 1;
// its texts escaped, so that no description can break the document.
std::string EstimateRtfLine(const EstimateRow& row, EstimateRowKind kind);

// The row as the printed page shows it.
std::string EstimatePrintLine(const EstimateRow& row, EstimateRowKind kind);

// The column heading of the printed page.
inline constexpr const char* kEstimateHeading =
    "Description:                                  Selling Price  Quantity  Sub Total Part Number";

}  // namespace zomel
