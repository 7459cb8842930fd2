#include "platform/os/Settings.h"

#include <optional>

#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/os/SettingsStore.h"
#include "platform/vb/Error.h"

namespace os {
namespace {

std::string StorePath() {
    return ConfigFolder() + "settings.ini";
}

SettingsStore Load() {
    return SettingsStore::Parse(ReadIfPresent(StorePath()).value_or(""));
}

void Save(const SettingsStore& store) {
    MakeFolders(ConfigFolder());
    ReplaceAllBytes(StorePath(), store.Format());
}

}  // namespace

std::string GetSetting(const std::string& appName, const std::string& section,
                       const std::string& key, const std::string& defaultValue) {
    const SettingsStore store = Load();
    const std::string* value = store.Find(appName, section, key);
    return value ? *value : defaultValue;
}

void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                 const std::string& value) {
    SettingsStore store = Load();
    store.Set(appName, section, key, value);
    Save(store);
}

void DeleteSetting(const std::string& appName, const std::string& section, const std::string& key) {
    SettingsStore store = Load();
    if (!store.Delete(appName, section, key)) vb::Raise(vb::err::kInvalidCall);
    Save(store);
}

}  // namespace os
