#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The text of the per-user settings file: one "[App\Section]" header per section and
// "key=value" lines under it.  Names and values are percent-encoded where a character would
// break that shape (line ends, "=", brackets, "\" and "%" itself), so any text round-trips and
// "\" in a header only ever separates the application from the section.  Names compare
// without case.
namespace os {

class SettingsStore {
public:
    // Lines that are neither a header nor a "key=value" under one are passed over.
    static SettingsStore Parse(std::string_view text);
    std::string Format() const;

    const std::string* Find(const std::string& appName, const std::string& section,
                            const std::string& key) const;
    void Set(const std::string& appName, const std::string& section, const std::string& key,
             const std::string& value);
    // Removes the key, or the whole section when `key` is empty; false when it is not there.
    bool Delete(const std::string& appName, const std::string& section, const std::string& key);

private:
    struct Section {
        std::string header;                                        // encoded, as in the file
        std::vector<std::pair<std::string, std::string>> entries;  // decoded key, value
    };

    const Section* FindSection(const std::string& header) const;
    Section* FindSection(const std::string& header);

    std::vector<Section> sections_;
};

}  // namespace os
