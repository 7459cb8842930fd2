#include "catalogue/engine/OptionNodeText.h"

#include "platform/vb/Strings.h"

namespace zomel {

std::string OptionNodeText(const std::string& name, const std::string& priceLabel,
                           const std::string& partNo, vb::Integer width) {
    vb::Long blanks = width - vb::Len(name) - vb::Len(priceLabel);
    if (blanks < 0) blanks = priceLabel.empty() ? 0 : 1;
    return name + vb::Space(blanks) + priceLabel + vb::Space(5) + partNo;
}

}  // namespace zomel
