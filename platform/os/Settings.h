#pragma once

#include <functional>
#include <string>

// The per-user settings store (GetSetting/SaveSetting): values by application, section and
// key, kept in a text file under the config folder and written through at once.
namespace os {

std::string GetSetting(const std::string& appName, const std::string& section,
                       const std::string& key, const std::string& defaultValue = {});
// When another copy holds the settings file longer than a lock waits, or its lock cannot be
// had, the value is kept and written with the next save that gets the lock; the notice says so.
void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                 const std::string& value);
// An empty key deletes the whole section; deleting what is not there raises error 5.
void DeleteSetting(const std::string& appName, const std::string& section, const std::string& key);

// Where a save that had to wait for later is told, naming the settings file (the program shows
// it to the person); without one it goes to the standard error stream.
using SettingsNotice = std::function<void(const std::string& message)>;
void SetSettingsNotice(SettingsNotice notice);

}  // namespace os
