#pragma once

#include <string>

#include "core/PartNumbers.h"
#include "platform/vb/Types.h"

namespace zomel {

// One row of the catalogue "config2.bin"; the element type of the option and base-part
// tables.  Flags hold True as -1.
struct OptionRecord {
    std::string Name;                 // description
    vb::Single Cost = 0;              // `Price` without its "$", as a number
    std::string Price;                // "$", whole dollars, the point and the cents
    vb::Integer Empty = vb::False;    // True until the entry is loaded
    vb::Integer Row = 0;              // line in the file (options), place in the table (base)
    std::string Type;                 // row kind or part-rule keyword
    std::string PartNo;               // "N/A" for an option's placeholder number
    vb::Integer Package = 0;          // package number
    std::string Info;                 // level or layout word
    vb::Integer TreeSet = 0;          // options-tree set; 0 = none
    vb::Integer Group = 0;            // group of alternatives (option packages only)
    vb::Integer ZomelVersion = 0;     // 1 generation 1 only, 2 generation 2 only, else both
    vb::Integer Checked = vb::False;  // chosen in the options tree
    vb::Integer tvIndex = 0;          // the options-tree node that shows the row
    vb::Integer tvCloneIndex = 0;     // the row's second node
    std::string CataloguePartNo;      // the part number as the catalogue gives it, even where
                                      // `PartNo` shows a placeholder as "N/A"
};

// A row made for the other module generation than the one in use; a row of neither generation
// serves both.
inline bool ForOtherGeneration(const OptionRecord& row, bool zomel2) {
    return row.ZomelVersion == (zomel2 ? 1 : 2);
}

// The NEMA cabinet kit.  The loader shows its placeholder number as "N/A", so the row is known
// by the number the catalogue gives it (or by the placeholder itself, not yet converted).
inline bool IsCabinetPlaceholder(const OptionRecord& row) {
    return row.CataloguePartNo == kCabinetPlaceholderPartNo ||
           row.PartNo == kCabinetPlaceholderPartNo;
}

}  // namespace zomel
