#include "platform/com/ClassRegistry.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

#include "platform/com/ClassTable.h"
#include "platform/os/FileLock.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/vb/Error.h"

namespace com {
namespace {

ClassTable Load() {
    return ClassTable::Parse(os::ReadIfPresent(ClassRegistryPath()).value_or(""));
}

void Save(const ClassTable& registry) {
    os::MakeFolders(os::ConfigFolder());
    os::ReplaceAllBytes(ClassRegistryPath(), registry.Format());
}

// The registry's lock file, held while a change reads and rewrites the registry, so that two
// registrations at once (two builds, say) do not lose one another's entries.
os::FileLock ChangeLock() {
    // A folder that cannot be made leaves no lock file to have: the lock then fails the change,
    // naming it, as it does when another program keeps the lock past a few seconds.
    vb::ResumeNext([] { os::MakeFolders(os::ConfigFolder()); });
    return os::FileLock(ClassRegistryPath() + ".lock");
}

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
        vb::Raise(vb::err::kInvalidCall);
    const os::FileLock lock = ChangeLock();
    ClassTable registry = Load();
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
    const os::FileLock lock = ChangeLock();
    ClassTable registry = Load();
    auto entry = registry.libraries.find(clsid);
    if (entry == registry.libraries.end() || entry->second != library) return;
    registry.libraries.erase(entry);
    std::erase_if(registry.progIds, [&](const auto& progId) { return progId.second == clsid; });
    Save(registry);
}

std::optional<std::string> LibraryOf(const Clsid& clsid) {
    const ClassTable registry = Load();
    const std::string* library = registry.LibraryOf(clsid);
    return library ? std::optional<std::string>(*library) : std::nullopt;
}

std::optional<Clsid> ClsidOf(std::string_view progId) {
    const ClassTable registry = Load();
    const Clsid* clsid = registry.ClsidOf(progId);
    return clsid ? std::optional<Clsid>(*clsid) : std::nullopt;
}

std::optional<std::string> ClassRegistryProblem() {
    int fd = open(ClassRegistryPath().c_str(), O_RDONLY | O_CLOEXEC);
    // An absent registry is an empty one.
    if (fd < 0)
        return errno == ENOENT ? std::nullopt : std::optional<std::string>(std::strerror(errno));
    char first = 0;
    const bool readable = read(fd, &first, 1) >= 0;
    const int error = errno;
    close(fd);
    return readable ? std::nullopt : std::optional<std::string>(std::strerror(error));
}

}  // namespace com
