#include "estimate/EstimateDocument.h"

#include <array>

#include "platform/forms/RtfDocument.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

constexpr std::array<vb::Long, PriceLine::kPricedColumns> kFieldWidths = {50, 9, 10, 11};

std::string PadLeft(const std::string& text, vb::Long width) {
    const vb::Long length = vb::Len(text);
    return length >= width ? text : vb::Space(width - length) + text;
}

}  // namespace

std::string AlignedFields(const PriceLine& line, bool keepApart) {
    std::string fields;
    for (size_t c = 0; c < kFieldWidths.size(); ++c) {
        // A text that fills its field would touch the one before it.
        if (keepApart && c > 0 && vb::Len(line.Cells[c]) >= kFieldWidths[c]) fields += ' ';
        fields += PadLeft(line.Cells[c], kFieldWidths[c]);
    }
    return fields;
}

std::string EstimateRtfLine(const PriceLine& line, EstimateRowKind kind) {
    std::string rtf = "{\\par\\f1\\b0 ";
    if (kind == EstimateRowKind::LastItem) rtf += "\\ul ";
    if (kind == EstimateRowKind::Totals) rtf += "\\b ";
    rtf += forms::RtfEscape(AlignedFields(line));
    if (kind != EstimateRowKind::Totals) {
        rtf += " \\plain ";
        rtf += kind == EstimateRowKind::LastItem ? "\\ul  " : " ";
        rtf += forms::RtfEscape(line.Cells[PriceLine::kPartNumber]);
    }
    return rtf + " } ";
}

std::string EstimatePrintLine(const PriceLine& line, EstimateRowKind kind) {
    std::string printed = AlignedFields(line, true);
    if (kind != EstimateRowKind::Totals) printed += " " + line.Cells[PriceLine::kPartNumber];
    return printed;
}

}  // namespace zomel
