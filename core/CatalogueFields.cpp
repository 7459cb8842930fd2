#include "core/CatalogueFields.h"

#include <algorithm>
#include <array>

#include "core/Globals.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"
#include "platform/vb/Variant.h"

namespace zomel::catalogue {

namespace {

constexpr std::array<std::string_view, 14> kLayoutNames = {
    "HORIZONTAL", "HRZ ONLY",  "HRZ PWR",       "VERTICAL",     "VRT ONLY",
    "VRT PWR",    "LEFT HRZ",  "LEFT VRT",      "LEFT HRZ PWR", "LEFT VRT PWR",
    "RIGHT HRZ",  "RIGHT VRT", "RIGHT HRZ DTA", "RIGHT VRT DTA"};

}  // namespace

std::vector<std::string> EndedLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (auto end = text.find(kCrLf); end != std::string::npos; end = text.find(kCrLf, start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + kCrLf.size();
    }
    return lines;
}

std::vector<std::string> SplitFields(const std::string& rowText) {
    return vb::Split(rowText, ",");
}

const std::string& Field(const std::vector<std::string>& fields, size_t index) {
    if (index >= fields.size()) vb::Raise(vb::err::kSubscriptOutOfRange);
    return fields[index];
}

std::string Unquote(const std::string& field) {
    const vb::Long length = vb::Len(field);
    if (length < 2) vb::Raise(vb::err::kInvalidCall);
    return vb::Mid(field, 2, length - 2);
}

vb::Integer Num(const std::string& text) {
    return vb::CInt(vb::Val(text));
}

vb::Integer Int(const std::string& text) {
    return vb::CInt(vb::Variant(text));
}

vb::Single CostOf(const std::string& price) {
    return vb::CSng(vb::Variant(vb::Mid(price, 2)));
}

bool IsPlaceholder(const std::string& storedField) {
    return vb::Mid(storedField, 2, 3) == "000";
}

bool IsLayoutName(std::string_view info) {
    return std::find(kLayoutNames.begin(), kLayoutNames.end(), info) != kLayoutNames.end();
}

}  // namespace zomel::catalogue
