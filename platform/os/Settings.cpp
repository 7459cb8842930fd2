#include "platform/os/Settings.h"

#include <optional>

#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/os/SettingsStore.h"
#include "platform/vb/Error.h"
#include "platform/vb/NamingFile.h"

namespace os {
namespace {

std::string StorePath() {
    return ConfigFolder() + "settings.ini";
}

// No file is no settings yet.  One that is there but cannot be read is no settings to a
// reader; a change raises, naming it, rather than replace it with a store that lacks them.
SettingsStore Load(bool changing = false) {
    const std::string path = StorePath();
    std::optional<std::string> text = ReadIfPresent(path);
    if (!text && changing && (FileExists(path) || FolderExists(path)))
        vb::NamingFile(path, [&] { return ReadAllBytes(path); });
    return SettingsStore::Parse(text.value_or(""));
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
    SettingsStore store = Load(true);
    // The value it holds already changes nothing: the file is not written again.
    const std::string* stored = store.Find(appName, section, key);
    if (stored && *stored == value) return;
    store.Set(appName, section, key, value);
    Save(store);
}

void DeleteSetting(const std::string& appName, const std::string& section, const std::string& key) {
    SettingsStore store = Load(true);
    if (!store.Delete(appName, section, key)) vb::Raise(vb::err::kInvalidCall);
    Save(store);
}

}  // namespace os
