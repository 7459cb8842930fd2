#include "catalogue/ComponentText.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "core/OptionRecord.h"
#include "core/PartNumbers.h"

namespace zomel {
namespace {

constexpr std::string_view kCallVeldo = "Call VELDO";
constexpr std::string_view kNotApplicable = "N/A";

std::string_view PlaceholderOf(const OptionRecord& row) {
    const std::string& type = row.Type;
    if (type == "Z2-BACK") return "-CC-RR";
    if (type == "Z1-RAIL" || type == "Z2-RAIL" || type == "Z2=C(Y+1)" || type == "Z2-HARN" ||
        type == "Z2-TOP/BOT")
        return "-CC";
    if (type == "Z2-SIDE") return "-RR";
    if (type == "Z2-SPACER") return row.Info == "SEGMENT" ? "" : "-CC";
    return "";
}

constexpr std::array<std::pair<std::string_view, std::string_view>, 15> kIncludedAs = {{
    {"HORIZONTAL", ", horizontal"},
    {"HRZ ONLY", ", horizontal"},
    {"HRZ PWR", ", horizontal with power"},
    {"KIT", ", one is in installation kit"},
    {"LEFT HRZ", ", left horizontal"},
    {"LEFT VRT", ", left vertical"},
    {"LEFT HRZ PWR", ", left horizontal with power"},
    {"LEFT VRT PWR", ", left vertical with power"},
    {"RIGHT HRZ", ", right horizontal"},
    {"RIGHT VRT", ", right vertical"},
    {"RIGHT HRZ DTA", ", right horizontal data and reset"},
    {"RIGHT VRT DTA", ", right vertical data and reset"},
    {"VERTICAL", ", vertical"},
    {"VRT ONLY", ", vertical"},
    {"VRT PWR", ", vertical with power"},
}};

bool IsKitExempt(const std::string& partText) {
    return std::find(kKitTextExemptPartNumbers.begin(), kKitTextExemptPartNumbers.end(),
                     partText) != kKitTextExemptPartNumbers.end();
}

}  // namespace

std::string ComponentPartText(const OptionRecord& row) {
    std::string part = row.PartNo.starts_with("000") ? std::string(kNotApplicable) : row.PartNo;
    return part + std::string(PlaceholderOf(row));
}

std::string ComponentPriceText(const OptionRecord& row, const std::string& partText) {
    if (partText == kSolarPanelPartNo) return std::string(kCallVeldo);
    if (partText == kNotApplicable) return std::string(kNotApplicable);
    if (partText == kCallVeldo) return std::string(kCallVeldo);
    return row.Price;
}

std::string ComponentDescription(const OptionRecord& row, const std::string& partText) {
    // The generation-2 module row says what it is in its own name.
    if (row.Type == "ZOMEL2") return row.Name;
    for (const auto& [info, text] : kIncludedAs) {
        if (row.Info != info) continue;
        if (info == "KIT" && IsKitExempt(partText)) return row.Name;
        return row.Name + std::string(text);
    }
    return row.Name;
}

}  // namespace zomel
