#include "platform/os/Settings.h"

#include <map>
#include <optional>

#include "platform/os/FileLock.h"
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

// The values this copy of the program has read or written, by settings file.  A value saved
// as this copy last knew it is no change of its own: another copy running at the same time
// may have changed it since, and that change stays.
SettingsStore& Known() {
    static std::map<std::string, SettingsStore> known;
    return known[StorePath()];
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

// The settings file's lock, beside it, for one change: the file is read, changed and written
// while no other copy of the program does the same, so that neither loses the other's values.
FileLock ChangeLock() {
    MakeFolders(ConfigFolder());
    return FileLock(ConfigFolder() + "settings.lock");
}

void Save(const SettingsStore& store) {
    ReplaceAllBytes(StorePath(), store.Format());
}

}  // namespace

std::string GetSetting(const std::string& appName, const std::string& section,
                       const std::string& key, const std::string& defaultValue) {
    const SettingsStore store = Load();
    const std::string* value = store.Find(appName, section, key);
    if (!value) return defaultValue;
    Known().Set(appName, section, key, *value);
    return *value;
}

void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                 const std::string& value) {
    const std::string* known = Known().Find(appName, section, key);
    if (known && *known == value) return;
    const FileLock lock = ChangeLock();
    SettingsStore store = Load(true);
    // The value the file holds already changes nothing: it is not written again.
    const std::string* stored = store.Find(appName, section, key);
    if (!stored || *stored != value) {
        store.Set(appName, section, key, value);
        Save(store);
    }
    Known().Set(appName, section, key, value);
}

void DeleteSetting(const std::string& appName, const std::string& section, const std::string& key) {
    const FileLock lock = ChangeLock();
    SettingsStore store = Load(true);
    if (!store.Delete(appName, section, key)) vb::Raise(vb::err::kInvalidCall);
    Save(store);
    Known().Delete(appName, section, key);
}

}  // namespace os
