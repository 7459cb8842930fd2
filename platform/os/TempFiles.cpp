#include "platform/os/TempFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/os/Paths.h"
#include "platform/vb/Error.h"

namespace os {
namespace {

// The letters mkstemp puts in place of "XXXXXX".
constexpr size_t kUniqueLetters = 6;
// A start that cleans up at the moment another copy makes a file may take it before it is
// held; the maker then makes another.
constexpr int kMostTries = 8;

struct HeldFile {
    std::string path;
    int fd = -1;
};

std::vector<HeldFile>& Held() {
    static std::vector<HeldFile> held;
    return held;
}

// Whether `path` still names the file open on `fd`.
bool StillNamed(const std::string& path, int fd) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && opened.st_nlink > 0 && ::lstat(path.c_str(), &named) == 0 &&
           named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
}

// A file removed or moved away by its user (the printer's spool once printed) needs no
// holding any more, and its descriptor would keep a removed file's space taken.
void LetGoOfGoneFiles() {
    std::erase_if(Held(), [](const HeldFile& file) {
        if (StillNamed(file.path, file.fd)) return false;
        ::close(file.fd);
        return true;
    });
}

bool IsTempName(std::string_view name, std::initializer_list<std::string_view> stems) {
    return std::ranges::any_of(stems, [&](std::string_view stem) {
        return name.size() == stem.size() + kUniqueLetters && name.starts_with(stem) &&
               std::ranges::all_of(name.substr(stem.size()),
                                   [](unsigned char c) { return std::isalnum(c) != 0; });
    });
}

// Removes the file when it is a plain file of this user that nobody holds.
void RemoveIfStale(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0 && StillNamed(path, fd))
        ::unlink(path.c_str());
    ::close(fd);
}

}  // namespace

std::string NewTempFile(const std::string& stem) {
    LetGoOfGoneFiles();
    const std::string folder = TempFolder();
    for (int tries = 0; tries < kMostTries; ++tries) {
        std::string path = folder + stem + std::string(kUniqueLetters, 'X');
        const int fd = ::mkostemp(path.data(), O_CLOEXEC);
        if (fd < 0) {
            const int error = errno;
            vb::Raise(vb::err::kPathFileAccess,
                      "No temporary file can be made in " + folder + ": " + std::strerror(error));
        }
        // Held before it is used.  A start cleaning up may have it for the moment in between;
        // then it is gone, or going, and another is made.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && StillNamed(path, fd)) {
            Held().push_back({path, fd});
            return path;
        }
        ::close(fd);
    }
    vb::Raise(vb::err::kPathFileAccess,
              "No temporary file can be made in " + folder + ": each new one was taken away");
}

void RemoveRunTempFiles() {
    for (const HeldFile& file : Held()) {
        if (StillNamed(file.path, file.fd)) ::unlink(file.path.c_str());
        ::close(file.fd);
    }
    Held().clear();
}

void RemoveStaleTempFiles(const std::string& folder,
                          std::initializer_list<std::string_view> stems) {
    DIR* listing = ::opendir(folder.c_str());
    if (!listing) return;
    while (const dirent* entry = ::readdir(listing)) {
        if (IsTempName(entry->d_name, stems)) RemoveIfStale(JoinPath(folder, entry->d_name));
    }
    ::closedir(listing);
}

}  // namespace os
