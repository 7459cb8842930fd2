#include "platform/com/ClassRegistry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>
#include <vector>

#include "platform/com/Dispatch.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"

namespace com {
namespace {

constexpr std::string_view kClassesSection = "[Classes]";
constexpr std::string_view kProgIdsSection = "[ProgIDs]";

// The registry file in memory: "{clsid}=library" lines, then "ProgID={clsid}" lines.
struct Registry {
    std::map<Clsid, std::string> libraries;
    std::vector<std::pair<std::string, Clsid>> progIds;

    auto FindProgId(std::string_view progId) {
        return std::ranges::find_if(
            progIds, [&](const auto& entry) { return vb::TextEquals(entry.first, progId); });
    }
};

// Lines that do not parse are passed over: a hand-edited file never stops a lookup.
void ReadLine(Registry& registry, std::string_view section, std::string_view line) {
    auto equals = line.find('=');
    if (equals == std::string_view::npos) return;
    auto key = line.substr(0, equals);
    auto value = line.substr(equals + 1);
    if (section == kClassesSection) {
        if (auto clsid = Clsid::Parse(key)) registry.libraries[*clsid] = std::string(value);
    } else if (section == kProgIdsSection) {
        if (auto clsid = Clsid::Parse(value)) registry.progIds.emplace_back(key, *clsid);
    }
}

Registry Load() {
    Registry registry;
    std::istringstream in(os::ReadIfPresent(ClassRegistryPath()).value_or(""));
    std::string line;
    std::string section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with('['))
            section = line;
        else
            ReadLine(registry, section, line);
    }
    return registry;
}

void Save(const Registry& registry) {
    std::ostringstream out;
    out << kClassesSection << '\n';
    for (const auto& [clsid, library] : registry.libraries)
        out << clsid.ToString() << '=' << library << '\n';
    out << '\n' << kProgIdsSection << '\n';
    for (const auto& [progId, clsid] : registry.progIds)
        out << progId << '=' << clsid.ToString() << '\n';
    os::MakeFolders(os::ConfigFolder());
    os::ReplaceAllBytes(ClassRegistryPath(), out.str());
}

// Holds the registry's lock file while a change reads and rewrites the registry, so that two
// registrations at once (two builds, say) do not lose one another's entries.
class ChangeLock {
public:
    ChangeLock() {
        // Without the lock the change still runs; a folder that cannot be made fails it.
        vb::ResumeNext([] { os::MakeFolders(os::ConfigFolder()); });
        fd_ = open((ClassRegistryPath() + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ >= 0) flock(fd_, LOCK_EX);
    }
    ~ChangeLock() {
        if (fd_ >= 0) close(fd_);
    }
    ChangeLock(const ChangeLock&) = delete;
    ChangeLock& operator=(const ChangeLock&) = delete;

private:
    int fd_ = -1;
};

bool IsProgId(std::string_view progId) {
    return std::ranges::all_of(
        progId, [](unsigned char c) { return std::isalnum(c) || c == '.' || c == '_'; });
}

}  // namespace

std::string ClassRegistryPath() {
    return os::JoinPath(os::ConfigFolder(), "classes.ini");
}

void RegisterClass(const Clsid& clsid, std::string_view progId, const std::string& library) {
    if (!IsProgId(progId) || library.empty() || library.find_first_of("\r\n") != std::string::npos)
        vb::Raise(vb::err::InvalidCall);
    ChangeLock lock;
    Registry registry = Load();
    registry.libraries[clsid] = library;
    if (!progId.empty()) {
        auto entry = registry.FindProgId(progId);
        if (entry != registry.progIds.end())
            *entry = {std::string(progId), clsid};
        else
            registry.progIds.emplace_back(progId, clsid);
    }
    Save(registry);
}

void UnregisterClass(const Clsid& clsid, const std::string& library) {
    ChangeLock lock;
    Registry registry = Load();
    auto entry = registry.libraries.find(clsid);
    if (entry == registry.libraries.end() || entry->second != library) return;
    registry.libraries.erase(entry);
    std::erase_if(registry.progIds, [&](const auto& progId) { return progId.second == clsid; });
    Save(registry);
}

std::optional<std::string> LibraryOf(const Clsid& clsid) {
    Registry registry = Load();
    auto entry = registry.libraries.find(clsid);
    if (entry == registry.libraries.end()) return std::nullopt;
    return entry->second;
}

std::optional<Clsid> ClsidOf(std::string_view progId) {
    Registry registry = Load();
    auto entry = registry.FindProgId(progId);
    if (entry == registry.progIds.end()) return std::nullopt;
    return entry->second;
}

}  // namespace com
