#include "platform/os/Settings.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <map>
#include <optional>
#include <vector>

#include "platform/os/FileLock.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/os/SettingsStore.h"
#include "platform/vb/Error.h"
#include "platform/vb/NamingFile.h"
#include "platform/vb/Strings.h"

namespace os {
namespace {

using Clock = std::chrono::steady_clock;

// A window saves several values at once: once a save has waited for the lock in vain and said
// so, the saves that follow within this time neither wait nor say it again.
constexpr std::chrono::seconds kQuietAfterNotice{10};

// A value saved while the settings file could not be locked, written by the next save that can.
struct PendingValue {
    std::string appName, section, key, value;

    bool Names(const std::string& app, const std::string& sec, const std::string& name) const {
        return vb::TextEquals(appName, app) && vb::TextEquals(section, sec) &&
               (name.empty() || vb::TextEquals(key, name));
    }
};

// What this copy of the program knows of one settings file.
struct CopyState {
    // The values this copy has read or written.  A value saved as this copy last knew it is no
    // change of its own: another copy running at the same time may have changed it since, and
    // that change stays.
    SettingsStore known;
    std::vector<PendingValue> pending;
    Clock::time_point quietUntil{};
};

std::string StorePath() {
    return ConfigFolder() + "settings.ini";
}

CopyState& ThisCopy() {
    static std::map<std::string, CopyState> copies;
    return copies[StorePath()];
}

SettingsNotice& Notice() {
    static SettingsNotice notice;
    return notice;
}

void Tell(const std::string& message) {
    if (Notice())
        Notice()(message);
    else
        std::cerr << message << '\n';
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
std::string LockPath() {
    MakeFolders(ConfigFolder());
    return ConfigFolder() + "settings.lock";
}

// For a save: a lock that another copy keeps (stopped in a debugger, say) or that cannot be
// had leaves the values for a later save, and the person is told which file and why.
bool TakeSaveLock(CopyState& copy, std::optional<FileLock>& lock) {
    const std::string path = LockPath();
    const bool quiet = Clock::now() < copy.quietUntil;
    try {
        lock.emplace(path, quiet ? std::chrono::milliseconds(0) : FileLock::kPatience);
        copy.quietUntil = {};
        return true;
    } catch (const vb::VbError& failure) {
        if (!quiet)
            Tell("The settings file " + StorePath() + " could not be saved. " +
                 failure.Description() +
                 ". The changes are kept and saved with the next setting this copy saves, "
                 "if it saves one before it ends.");
        copy.quietUntil = Clock::now() + kQuietAfterNotice;
        return false;
    }
}

void Save(const SettingsStore& store) {
    ReplaceAllBytes(StorePath(), store.Format());
}

}  // namespace

std::string GetSetting(const std::string& appName, const std::string& section,
                       const std::string& key, const std::string& defaultValue) {
    CopyState& copy = ThisCopy();
    for (const PendingValue& pending : copy.pending)
        if (pending.Names(appName, section, key)) return pending.value;
    const SettingsStore store = Load();
    const std::string* value = store.Find(appName, section, key);
    if (!value) return defaultValue;
    copy.known.Set(appName, section, key, *value);
    return *value;
}

void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                 const std::string& value) {
    CopyState& copy = ThisCopy();
    std::erase_if(copy.pending,
                  [&](const PendingValue& p) { return p.Names(appName, section, key); });
    const std::string* known = copy.known.Find(appName, section, key);
    if (!known || *known != value) copy.pending.push_back({appName, section, key, value});
    if (copy.pending.empty()) return;
    std::optional<FileLock> lock;
    if (!TakeSaveLock(copy, lock)) return;
    SettingsStore store = Load(true);
    // The value the file holds already changes nothing: it is not written again.
    bool changed = false;
    for (const PendingValue& p : copy.pending) {
        const std::string* stored = store.Find(p.appName, p.section, p.key);
        if (stored && *stored == p.value) continue;
        store.Set(p.appName, p.section, p.key, p.value);
        changed = true;
    }
    if (changed) Save(store);
    for (const PendingValue& p : copy.pending)
        copy.known.Set(p.appName, p.section, p.key, p.value);
    copy.pending.clear();
}

void DeleteSetting(const std::string& appName, const std::string& section, const std::string& key) {
    const FileLock lock(LockPath());
    SettingsStore store = Load(true);
    if (!store.Delete(appName, section, key)) vb::Raise(vb::err::kInvalidCall);
    Save(store);
    CopyState& copy = ThisCopy();
    copy.known.Delete(appName, section, key);
    std::erase_if(copy.pending,
                  [&](const PendingValue& p) { return p.Names(appName, section, key); });
}

void SetSettingsNotice(SettingsNotice notice) {
    Notice() = std::move(notice);
}

}  // namespace os
