#pragma once

#include <string>

#include "platform/vb/Types.h"

namespace zomel {

// Column widths of the options tree: name, blanks and price label together fill the width of
// the node's level, so that price labels and part numbers line up in a fixed-pitch font.
inline constexpr vb::Integer kTopLevelWidth = 61;     // a kit's own node, top-level options
inline constexpr vb::Integer kOneDownWidth = 56;      // members of sets, packages and kits
inline constexpr vb::Integer kGroupMemberWidth = 51;  // package members under a group node

// The text of a row's node: the name, blanks up to `width` less the price label, the price
// label, five blanks and the part number.  A name too long for its column is kept whole: it
// runs into the column, one blank before a price label.
std::string OptionNodeText(const std::string& name, const std::string& priceLabel,
                           const std::string& partNo, vb::Integer width);

}  // namespace zomel
