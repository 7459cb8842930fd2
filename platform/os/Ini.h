#pragma once

#include <string>

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

}  // namespace os
