#include "platform/os/Ini.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <string_view>

#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/vb/Strings.h"

namespace os {
namespace {

std::string_view TrimBlanks(std::string_view text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string ResolvePath(const std::string& file) {
    return file.find('/') == std::string::npos ? JoinPath(WindowsFolder(), file) : file;
}

std::string_view StripQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace

std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    bool inSection = false, sectionSeen = false;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = TrimBlanks(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            if (sectionSeen) return std::nullopt;
            size_t close = line.find(']');
            inSection = vb::TextEquals(TrimBlanks(line.substr(1, close - 1)), section);
            sectionSeen = inSection;
            continue;
        }
        size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos) continue;
        if (vb::TextEquals(TrimBlanks(line.substr(0, equals)), key)) {
            return TrimBlanks(line.substr(equals + 1));
        }
    }
    return std::nullopt;
}

int GetPrivateProfileInt(const std::string& section, const std::string& key, int defaultValue,
                         const std::string& file) {
    return ProfileIntValue(GetPrivateProfileString(section, key, "", file), defaultValue);
}

int ProfileIntValue(std::string_view text, int defaultValue) {
    if (text.empty()) return defaultValue;
    bool negative = text.front() == '-';
    if (negative) text.remove_prefix(1);
    long long number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        number = std::min<long long>(number * 10 + (c - '0'), 1LL + INT_MAX);
    }
    if (negative) number = -number;
    return static_cast<int>(std::clamp<long long>(number, INT_MIN, INT_MAX));
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& file,
                                    size_t maxChars) {
    std::optional<std::string> text = ReadIfPresent(ResolvePath(file));
    std::optional<std::string_view> value;
    if (text) value = FindProfileValue(*text, section, key);
    std::string_view result = value ? StripQuotes(*value) : std::string_view(defaultValue);
    return vb::Left(result, static_cast<vb::Long>(std::min<size_t>(maxChars, INT_MAX)));
}

}  // namespace os
