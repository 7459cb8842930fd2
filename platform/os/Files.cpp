#include "platform/os/Files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/os/Paths.h"
#include "platform/vb/Error.h"

namespace os {
namespace {

// As many links as the system itself follows before it gives up.
constexpr int kMostLinks = 40;

std::string ParentOf(const std::string& path) {
    std::string parent = std::filesystem::path(path).parent_path().string();
    return parent.empty() ? "." : parent;
}

// The language's error number for a failed system call on `path`.
vb::Long NumberFor(int error, const std::string& path) {
    switch (error) {
        case ENOENT:
            return FolderExists(ParentOf(path)) ? vb::err::kFileNotFound : vb::err::kPathNotFound;
        case ENOTDIR:
            return vb::err::kPathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
            return vb::err::kPermissionDenied;
        // The medium takes no more bytes: no space, the quota or the size limit reached.
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return vb::err::kDiskFull;
        default:
            return vb::err::kPathFileAccess;
    }
}

[[noreturn]] void RaiseFor(int error, const std::string& path) {
    vb::Raise(NumberFor(error, path));
}

// A file that could not be written is named in the description, so that a person knows
// which one.
[[noreturn]] void RaiseWriteFailure(int error, const std::string& path) {
    vb::Long number = NumberFor(error, path);
    vb::Raise(number, vb::ErrorText(number) + ": " + path);
}

// Owns a file descriptor.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int Get() const { return fd_; }
    // Closes now, reporting the error a delayed write may give.
    int Close() {
        int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_ = -1;
};

// 0 on success, else the errno of the failure.
int ReadAll(const std::string& path, std::string& out) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0) return errno;
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) return errno;
    if (S_ISDIR(info.st_mode)) return EISDIR;
    out.clear();
    char buffer[65536];
    for (;;) {
        ssize_t count = ::read(file.Get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return errno;
        if (count == 0) return 0;
        out.append(buffer, static_cast<size_t>(count));
    }
}

int WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t count = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return errno;
        done += static_cast<size_t>(count);
    }
    return 0;
}

// A link is written through to the file it leads to, as text editors do, and stays a link.
// 0 with the file's path in `target` (it need not exist yet), else the errno.
int FinalTarget(const std::string& path, std::string& target) {
    target = path;
    for (int hops = 0; hops < kMostLinks; ++hops) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return 0;
        std::error_code error;
        const std::filesystem::path next = std::filesystem::read_symlink(target, error);
        if (error) return error.value();
        target = next.is_absolute() ? next.string()
                                    : (std::filesystem::path(ParentOf(target)) / next).string();
    }
    return ELOOP;
}

// A rewrite keeps the permission a person gave the file; a new one is readable by all.
mode_t ModeFor(const std::string& target) {
    struct stat info {};
    return ::stat(target.c_str(), &info) == 0 ? info.st_mode & 07777 : 0644;
}

// "<name>.XXXXXX" as mkostemp names a temporary file of `name`.  A suffix that is a lower-case
// word ("Estimate.rtf.backup") is a person's name for a copy, not ours.
bool IsTemporaryOf(const std::string& entry, const std::string& name) {
    if (entry.size() != name.size() + 7 || !entry.starts_with(name + ".")) return false;
    const std::string_view suffix = std::string_view(entry).substr(name.size() + 1);
    const auto inAlphabet = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    };
    const auto lower = [](char c) { return c >= 'a' && c <= 'z'; };
    return std::all_of(suffix.begin(), suffix.end(), inAlphabet) &&
           !std::all_of(suffix.begin(), suffix.end(), lower);
}

// A write killed before its rename leaves its temporary file behind; the next write of the
// same file removes it.  A write going on holds a lock on its own, which keeps it.
void RemoveLeftovers(const std::string& target) {
    const std::string name = std::filesystem::path(target).filename().string();
    std::error_code error;
    std::filesystem::directory_iterator entry(ParentOf(target), error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        if (!IsTemporaryOf(entry->path().filename().string(), name)) continue;
        const std::string candidate = entry->path().string();
        Descriptor file(::open(candidate.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat info {};
        if (file.Get() < 0 || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid())
            continue;
        if (::flock(file.Get(), LOCK_EX | LOCK_NB) == 0) ::unlink(candidate.c_str());
    }
}

// A new temporary file beside `target`, locked for as long as it is being written; -1 with
// errno when none can be made.
int OpenTemporaryBeside(const std::string& target, std::string& temporary) {
    for (;;) {
        temporary = target + ".XXXXXX";
        const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
        if (fd < 0 || ::flock(fd, LOCK_EX) != 0) return fd;
        // Another write may have taken it for a leftover before it was locked.
        struct stat info {};
        if (::fstat(fd, &info) != 0 || info.st_nlink > 0) return fd;
        ::close(fd);
    }
}

}  // namespace

bool FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool FolderExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsProgramFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

std::optional<FolderIdentity> IdentityOfFolder(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return std::nullopt;
    return FolderIdentity{info.st_dev, info.st_ino};
}

void Kill(const std::string& path) {
    if (::unlink(path.c_str()) != 0) RaiseFor(errno, path);
}

std::string ReadAllBytes(const std::string& path) {
    std::string bytes;
    if (int error = ReadAll(path, bytes)) RaiseFor(error, path);
    return bytes;
}

std::optional<std::string> ReadIfPresent(const std::string& path) {
    std::string bytes;
    if (ReadAll(path, bytes) != 0) return std::nullopt;
    return bytes;
}

void ReplaceAllBytes(const std::string& path, const std::string& bytes) {
    std::string target;
    if (int error = FinalTarget(path, target)) RaiseWriteFailure(error, path);
    RemoveLeftovers(target);
    std::string temporary;
    Descriptor file(OpenTemporaryBeside(target, temporary));
    if (file.Get() < 0) RaiseWriteFailure(errno, path);
    int error = WriteAll(file.Get(), bytes);
    if (error == 0 && ::fchmod(file.Get(), ModeFor(target)) != 0) error = errno;
    if (error == 0 && ::fsync(file.Get()) != 0) error = errno;
    // Renamed while still open and locked, so that no other write takes it for a leftover.
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        RaiseWriteFailure(error, path);
    }
    file.Close();
    // The new name itself reaches the disk with the folder.
    Descriptor folder(::open(ParentOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0) ::fsync(folder.Get());
}

void MakeFolders(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    if (!error) return;
    const vb::Long number = NumberFor(error.value(), path);
    vb::Raise(number, vb::ErrorText(number) + ": " + WhyNoFolder(path, error.value()));
}

std::string WhyNoFolder(const std::string& path, int error) {
    const std::string reason = "the folder " + path + " cannot be made: ";
    std::filesystem::path part;
    for (const auto& name : std::filesystem::path(path)) {
        part /= name;
        struct stat info {};
        if (::stat(part.c_str(), &info) != 0) break;
        if (!S_ISDIR(info.st_mode)) return reason + part.string() + " is a file, not a folder";
    }
    return reason + std::strerror(error);
}

int MakeOwnFolder(const std::string& folder) {
    // In a folder another user may change, the folder checked here could be swapped later;
    // a shared one such as /tmp keeps each entry its owner's (the sticky bit).
    struct stat parent {};
    if (::stat(ParentOf(folder).c_str(), &parent) != 0) return errno;
    if ((parent.st_uid != ::geteuid() && parent.st_uid != 0) ||
        ((parent.st_mode & 022) != 0 && (parent.st_mode & S_ISVTX) == 0))
        return EPERM;
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return errno;
    // Opened without following a link, so that what is checked is what is used.
    const Descriptor opened(
        ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {};
    if (opened.Get() < 0) {
        const int error = errno;
        return ::lstat(folder.c_str(), &info) == 0 && S_ISLNK(info.st_mode) ? ELOOP : error;
    }
    if (::fstat(opened.Get(), &info) != 0) return errno;
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) return EPERM;
    if ((info.st_mode & 077) != 0 && ::fchmod(opened.Get(), 0700) != 0) return errno;
    return 0;
}

}  // namespace os
