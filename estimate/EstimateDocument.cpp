#include "estimate/EstimateDocument.h"

#include "platform/forms/RtfDocument.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

constexpr std::array<vb::Long, 4> kFieldWidths = {50, 9, 10, 11};

std::string PadLeft(const std::string& text, vb::Long width) {
    const vb::Long length = vb::Len(text);
    return length >= width ? text : vb::Space(width - length) + text;
}

}  // namespace

std::string AlignedFields(const EstimateRow& row, bool keepApart) {
    std::string line;
    for (size_t c = 0; c < kFieldWidths.size(); ++c) {
        // A text that fills its field would touch the one before it.
        if (keepApart && c > 0 && vb::Len(row.fields[c]) >= kFieldWidths[c]) line += ' ';
        line += PadLeft(row.fields[c], kFieldWidths[c]);
    }
    return line;
}

std::string EstimateRtfLine(const EstimateRow& row, EstimateRowKind kind) {
    std::string line = "{\\par\\f1\\b0 ";
    if (kind == EstimateRowKind::LastItem) line += "\\ul ";
    if (kind == EstimateRowKind::Totals) line += "\\b ";
    line += forms::RtfEscape(AlignedFields(row));
    if (kind != EstimateRowKind::Totals) {
        line += " \\plain ";
        line += kind == EstimateRowKind::LastItem ? "\\ul  " : " ";
        line += forms::RtfEscape(row.partNumber);
    }
    return line + " } ";
}

std::string EstimatePrintLine(const EstimateRow& row, EstimateRowKind kind) {
    std::string line = AlignedFields(row, true);
    if (kind != EstimateRowKind::Totals) line += " " + row.partNumber;
    return line;
}

}  // namespace zomel
