#pragma once

#include <string>

// The per-user settings store (GetSetting/SaveSetting): values by application, section and
// key, kept in a text file under the config folder and written through at once.
namespace os {

std::string GetSetting(const std::string& appName, const std::string& section,
                       const std::string& key, const std::string& defaultValue = {});
void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                 const std::string& value);
// An empty key deletes the whole section; deleting what is not there raises error 5.
void DeleteSetting(const std::string& appName, const std::string& section, const std::string& key);

}  // namespace os
