#pragma once

#include <array>
#include <string>

namespace zomel {

// One line of the estimate: the cells of its grid row, in the grid's column order, and the
// catalogue part number stored for the row (the part number column may show a changed one).
struct PriceLine {
    enum Column { kDescription, kSellingPrice, kQuantity, kSubTotal, kPartNumber, kColumnCount };
    // The priced columns, before the part number: the fields the document aligns.
    static constexpr int kPricedColumns = kPartNumber;

    std::array<std::string, kColumnCount> Cells;
    std::string CataloguePartNo;
};

}  // namespace zomel
