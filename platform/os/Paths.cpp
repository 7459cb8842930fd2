#include "platform/os/Paths.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/os/Files.h"

namespace os {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string HomeFolder() {
    std::string home = Environment("HOME");
    if (!home.empty()) return home;
    const passwd* entry = ::getpwuid(::getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "/tmp";
}

// A folder $TMPDIR names is the person's own choice: taken when this user can write it.
int WritableFolder(const std::string& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) return errno;
    if (!S_ISDIR(info.st_mode)) return ENOTDIR;
    return ::access(folder.c_str(), W_OK | X_OK) == 0 ? 0 : errno;
}

// A fresh folder for this run alone, when no lasting one can be had.  When not even that can be
// made, the shared /tmp is still not taken: the files the run then fails to make are named in
// their messages.
const std::string& RunFolder() {
    static const std::string folder = [] {
        std::string pattern = "/tmp/zomelbuilder-XXXXXX";
        [[maybe_unused]] const char* made = ::mkdtemp(pattern.data());
        return pattern;
    }();
    return folder;
}

// The temporary folder belongs to its user, as on the original platform: a fixed name such as
// the log's in a folder every local user can write would be the first user's, or a place to
// plant a link.  It lasts across runs, so that the last run's log can be found.
std::string OwnTempFolder() {
    std::string cache = Environment("XDG_CACHE_HOME");
    if (cache.empty() || cache.front() != '/') cache = JoinPath(HomeFolder(), ".cache");
    for (const std::string& folder :
         {JoinPath(cache, "zomelbuilder"), "/tmp/zomelbuilder-" + std::to_string(::geteuid())}) {
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(folder).parent_path(), ignored);
        if (MakeOwnFolder(folder) == 0) return WithSlash(folder);
    }
    return WithSlash(RunFolder());
}

// A folder that other users may write (the shared /tmp, say) gets a folder of this user's own
// inside it: a fixed name such as the log's would otherwise be the first user's.
bool IsShared(const std::string& folder) {
    struct stat info {};
    return ::stat(folder.c_str(), &info) != 0 || info.st_uid != ::geteuid() ||
           (info.st_mode & 022) != 0;
}

std::string ChooseTempFolder(std::string& why) {
    const std::string named = Environment("TMPDIR");
    if (named.empty()) return OwnTempFolder();
    int error = WritableFolder(named);
    if (error == 0 && !IsShared(named)) return WithSlash(named);
    std::string cause = "which is no folder this user can write";
    if (error == 0) {
        const std::string own = JoinPath(named, "zomelbuilder-" + std::to_string(::geteuid()));
        error = MakeOwnFolder(own);
        if (error == 0) return WithSlash(own);
        cause = "where " + own + " cannot be made a folder of this user alone";
    }
    std::string folder = OwnTempFolder();
    why = "TMPDIR names " + named + ", " + cause + " (" + std::strerror(error) +
          "); the temporary folder is " + folder;
    return folder;
}

}  // namespace

std::string ProgramFolder() {
    std::string folder = Environment("ZOMEL_APPDIR");
    if (folder.empty()) {
        std::error_code error;
        folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path().string();
    }
    return WithSlash(folder.empty() ? "." : folder);
}

std::string WindowsFolder() {
    std::string folder = Environment("ZOMEL_WINDIR");
    return folder.empty() ? ConfigFolder() : WithSlash(folder);
}

std::string ConfigFolder() {
    // A relative XDG_CONFIG_HOME is invalid and ignored.
    std::string base = Environment("XDG_CONFIG_HOME");
    if (base.empty() || base.front() != '/') base = JoinPath(HomeFolder(), ".config");
    return WithSlash(JoinPath(base, "zomelbuilder"));
}

std::string TempFolder(std::string* passedOver) {
    // Chosen once for the places the run was given: every file of the run goes to one folder,
    // checked once.
    struct Choice {
        std::string places, folder, why;
    };
    static Choice chosen;
    const std::string places = Environment("TMPDIR") + '\0' + Environment("XDG_CACHE_HOME") + '\0' +
                               Environment("HOME") + '\0' + std::to_string(::geteuid());
    if (chosen.folder.empty() || chosen.places != places) {
        chosen.places = places;
        chosen.why.clear();
        chosen.folder = ChooseTempFolder(chosen.why);
    }
    if (passedOver) *passedOver = chosen.why;
    return chosen.folder;
}

std::string SaveFolder() {
    std::string base = Environment("XDG_DOCUMENTS_DIR");
    if (base.empty() || base.front() != '/') base = JoinPath(HomeFolder(), "Documents");
    std::string folder = WithSlash(JoinPath(base, "ZomelBuilder"));
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

std::string DocumentFolder() {
    std::string folder = ProgramFolder();
    if (::access(folder.c_str(), W_OK) == 0) return folder;
    folder = SaveFolder();
    MakeFolders(folder);  // when it is not there, the message names it and the cause
    return folder;
}

std::vector<std::string> FixedDrives() {
    std::string list = Environment("ZOMEL_FIXED_DRIVES");
    if (list.empty()) {
        list = Environment("PATH");
        if (list.empty()) list = "/usr/local/bin:/usr/bin:/bin";
        list += ":/opt:/usr/local:/snap/bin:/var/lib/flatpak/exports/bin:" +
                JoinPath(HomeFolder(), ".local/share/flatpak/exports/bin");
    }
    return SplitSearchList(list);
}

std::vector<std::string> SplitSearchList(const std::string& list) {
    std::vector<std::string> entries;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(':', start);
        if (end == std::string::npos) end = list.size();
        if (end > start) entries.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return entries;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    size_t start = name.find_first_not_of('/');
    return WithSlash(folder) + (start == std::string::npos ? "" : name.substr(start));
}

std::string FileAddress(const std::string& path) {
    static const char* const hex = "0123456789ABCDEF";
    std::error_code ignored;
    std::filesystem::path whole = std::filesystem::absolute(path, ignored);
    std::string address = "file://";
    for (unsigned char c : whole.string()) {
        if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~' || c == '/') {
            address += static_cast<char>(c);
        } else {
            address += '%';
            address += hex[c >> 4];
            address += hex[c & 0x0F];
        }
    }
    return address;
}

}  // namespace os
