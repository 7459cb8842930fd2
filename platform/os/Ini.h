#pragma once

#include <optional>
#include <string>
#include <string_view>

// Reads of INI files as GetPrivateProfileInt/String make them.  A file named without a
// folder is looked for in the Windows folder.  Section and key names compare without case;
// a missing file, section or key gives the default.
namespace os {

// The leading decimal digits of the value (an optional "-" first); the default when the key
// is missing; 0 when the value does not begin with a number.
int GetPrivateProfileInt(const std::string& section, const std::string& key, int defaultValue,
                         const std::string& file);

// The value, trimmed of blanks and of one pair of enclosing quotes, cut to `maxChars`.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& file,
                                    size_t maxChars = 255);

// The same reads on the text of a file already in memory: the raw value of the first `key`
// of the first section named `section`, and the number GetPrivateProfileInt makes of a value.
std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key);
int ProfileIntValue(std::string_view value, int defaultValue);

}  // namespace os
