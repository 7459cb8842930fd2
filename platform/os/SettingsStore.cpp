#include "platform/os/SettingsStore.h"

#include <algorithm>

#include "platform/vb/Strings.h"

namespace os {
namespace {

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

template <class Entries>
auto FindEntry(Entries& entries, const std::string& key) {
    return std::find_if(entries.begin(), entries.end(),
                        [&](const auto& entry) { return vb::TextEquals(entry.first, key); });
}

}  // namespace

SettingsStore SettingsStore::Parse(std::string_view text) {
    SettingsStore store;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.starts_with('[') && line.ends_with(']')) {
            store.sections_.push_back({std::string(line.substr(1, line.size() - 2)), {}});
        } else if (size_t equals = line.find('=');
                   equals != std::string_view::npos && !store.sections_.empty()) {
            store.sections_.back().entries.emplace_back(Decode(line.substr(0, equals)),
                                                        Decode(line.substr(equals + 1)));
        }
    }
    return store;
}

std::string SettingsStore::Format() const {
    std::string text;
    for (const Section& section : sections_) {
        text += "[" + section.header + "]\n";
        for (const auto& [key, value] : section.entries)
            text += Encode(key) + "=" + Encode(value) + "\n";
    }
    return text;
}

const SettingsStore::Section* SettingsStore::FindSection(const std::string& header) const {
    for (const Section& section : sections_)
        if (vb::TextEquals(section.header, header)) return &section;
    return nullptr;
}

SettingsStore::Section* SettingsStore::FindSection(const std::string& header) {
    return const_cast<Section*>(std::as_const(*this).FindSection(header));
}

const std::string* SettingsStore::Find(const std::string& appName, const std::string& section,
                                       const std::string& key) const {
    const Section* found = FindSection(HeaderOf(appName, section));
    if (!found) return nullptr;
    auto entry = FindEntry(found->entries, key);
    return entry == found->entries.end() ? nullptr : &entry->second;
}

void SettingsStore::Set(const std::string& appName, const std::string& section,
                        const std::string& key, const std::string& value) {
    std::string header = HeaderOf(appName, section);
    Section* found = FindSection(header);
    if (!found) found = &sections_.emplace_back(Section{header, {}});
    auto entry = FindEntry(found->entries, key);
    if (entry == found->entries.end())
        found->entries.emplace_back(key, value);
    else
        entry->second = value;
}

bool SettingsStore::Delete(const std::string& appName, const std::string& section,
                           const std::string& key) {
    Section* found = FindSection(HeaderOf(appName, section));
    if (!found) return false;
    if (key.empty()) {
        sections_.erase(sections_.begin() + (found - sections_.data()));
        return true;
    }
    auto entry = FindEntry(found->entries, key);
    if (entry == found->entries.end()) return false;
    found->entries.erase(entry);
    return true;
}

}  // namespace os
