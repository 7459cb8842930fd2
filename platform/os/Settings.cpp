#include "platform/os/Settings.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"

// settings.ini holds one "[App\Section]" header per section and "key=value" lines under it.
// Names and values are percent-encoded where a character would break that shape (line ends,
// "=", brackets, "\" and "%" itself), so any text round-trips and "\" in a header only ever
// separates the application from the section.
namespace os {
namespace {

struct Section {
    std::string header;                                        // encoded, as in the file
    std::vector<std::pair<std::string, std::string>> entries;  // decoded key, value
};

using Store = std::vector<Section>;

std::string Encode(std::string_view text) {
    static constexpr std::string_view kSpecial = "%\\[]=\r\n";
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (kSpecial.find(c) == std::string_view::npos) {
            out += c;
            continue;
        }
        auto byte = static_cast<unsigned char>(c);
        out += '%';
        out += kHex[byte >> 4];
        out += kHex[byte & 15];
    }
    return out;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A "%" without two hex digits after it stays as it is.
std::string Decode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        int high = text[i] == '%' && i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
        int low = high >= 0 ? HexValue(text[i + 2]) : -1;
        if (low < 0) {
            out += text[i];
            continue;
        }
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::string HeaderOf(const std::string& appName, const std::string& section) {
    return Encode(appName) + "\\" + Encode(section);
}

std::string StorePath() {
    return ConfigFolder() + "settings.ini";
}

Store Load() {
    Store store;
    std::optional<std::string> text = ReadIfPresent(StorePath());
    if (!text) return store;
    std::string_view rest = *text;
    while (!rest.empty()) {
        size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.starts_with('[') && line.ends_with(']')) {
            store.push_back({std::string(line.substr(1, line.size() - 2)), {}});
        } else if (size_t equals = line.find('=');
                   equals != std::string_view::npos && !store.empty()) {
            store.back().entries.emplace_back(Decode(line.substr(0, equals)),
                                              Decode(line.substr(equals + 1)));
        }
    }
    return store;
}

void Save(const Store& store) {
    std::string text;
    for (const Section& section : store) {
        text += "[" + section.header + "]\n";
        for (const auto& [key, value] : section.entries) {
            text += Encode(key) + "=" + Encode(value) + "\n";
        }
    }
    MakeFolders(ConfigFolder());
    ReplaceAllBytes(StorePath(), text);
}

Section* FindSection(Store& store, const std::string& header) {
    for (Section& section : store) {
        if (vb::TextEquals(section.header, header)) return &section;
    }
    return nullptr;
}

auto FindEntry(Section& section, const std::string& key) {
    return std::find_if(section.entries.begin(), section.entries.end(),
                        [&](const auto& entry) { return vb::TextEquals(entry.first, key); });
}

}  // namespace

std::string GetSetting(const std::string& appName, const std::string& section,
                       const std::string& key, const std::string& defaultValue) {
    Store store = Load();
    Section* found = FindSection(store, HeaderOf(appName, section));
    if (!found) return defaultValue;
    auto entry = FindEntry(*found, key);
    return entry == found->entries.end() ? defaultValue : entry->second;
}

void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                 const std::string& value) {
    Store store = Load();
    std::string header = HeaderOf(appName, section);
    Section* found = FindSection(store, header);
    if (!found) found = &store.emplace_back(Section{header, {}});
    auto entry = FindEntry(*found, key);
    if (entry == found->entries.end()) {
        found->entries.emplace_back(key, value);
    } else {
        entry->second = value;
    }
    Save(store);
}

void DeleteSetting(const std::string& appName, const std::string& section, const std::string& key) {
    Store store = Load();
    Section* found = FindSection(store, HeaderOf(appName, section));
    if (!found) vb::Raise(vb::err::kInvalidCall);
    if (key.empty()) {
        store.erase(store.begin() + (found - store.data()));
    } else {
        auto entry = FindEntry(*found, key);
        if (entry == found->entries.end()) vb::Raise(vb::err::kInvalidCall);
        found->entries.erase(entry);
    }
    Save(store);
}

}  // namespace os
