#include "platform/os/Files.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string_view>
#include <system_error>

#include "platform/os/Paths.h"
#include "platform/vb/Error.h"

namespace os {
namespace {

// As many links as the system itself follows before it gives up.
constexpr int kMostLinks = 40;
// Names tried for a temporary file before giving up, as the C library's own.
constexpr int kMostNameTries = 100;

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
// which one, and so is a cause the error number does not tell.
[[noreturn]] void RaiseWriteFailure(int error, const std::string& path) {
    vb::Long number = NumberFor(error, path);
    std::string description = vb::ErrorText(number) + ": " + path;
    if (error == ELOOP) description += ": too many levels of links";
    vb::Raise(number, description);
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

private:
    int fd_ = -1;
};

// 0 on success, else the errno of the failure.
// At most `most` bytes: a device that never ends (/dev/zero) gives no more than that.
int ReadAll(const std::string& path, std::string& out,
            size_t most = std::numeric_limits<size_t>::max()) {
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0) return errno;
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0) return errno;
    if (S_ISDIR(info.st_mode)) return EISDIR;
    out.clear();
    char buffer[65536];
    while (out.size() < most) {
        ssize_t count = ::read(file.Get(), buffer, std::min(sizeof buffer, most - out.size()));
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return errno;
        if (count == 0) return 0;
        out.append(buffer, static_cast<size_t>(count));
    }
    return 0;
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

// Whether the system's protection of shared folders (protected_symlinks) lets this user
// follow `link`: in a folder everyone may write that keeps each entry its owner's (the sticky
// bit), only a link of this user or of the folder's owner, since another user's link there
// could lead a write into any file of this user.
bool MayFollow(const std::string& link, const struct stat& linkInfo) {
    struct stat folder {};
    if (::stat(ParentOf(link).c_str(), &folder) != 0) return false;
    const bool shared = (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    return !shared || linkInfo.st_uid == ::geteuid() || linkInfo.st_uid == folder.st_uid;
}

// A link is written through to the file it leads to, as text editors do, and stays a link.
// The file's path (it need not exist yet); raises when a link may not be followed.
std::string FinalTarget(const std::string& path) {
    std::string target = path;
    for (int hops = 0; hops < kMostLinks; ++hops) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return target;
        if (!MayFollow(target, info))
            vb::Raise(vb::err::kPermissionDenied,
                      vb::ErrorText(vb::err::kPermissionDenied) + ": " + path +
                          (target == path ? "" : " leads to " + target + ", which") +
                          " is a link another user made in the shared folder " + ParentOf(target) +
                          "; it was not followed and nothing was written");
        std::error_code error;
        const std::filesystem::path next = std::filesystem::read_symlink(target, error);
        if (error) RaiseWriteFailure(error.value(), path);
        target = next.is_absolute() ? next.string()
                                    : (std::filesystem::path(ParentOf(target)) / next).string();
    }
    RaiseWriteFailure(ELOOP, path);
}

// The folder for the *at calls; one that cannot be read is still one that can be written.
int OpenFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0 || errno != EACCES) return fd;
    return ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

// The program's own temporary files carry a mark no person gives a file of theirs, and are
// hidden: ".<name>.zomel-tmp-" and six letters or digits.  Only these are ever cleared.
constexpr std::string_view kTemporaryMark = ".zomel-tmp-";
constexpr std::string_view kLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr size_t kRandomLetters = 6;

// As much of the file's name as the temporary name has room for within the system's longest
// name, so that a file with a long name can still be written.
std::string_view StemOf(std::string_view name) {
    constexpr size_t kLongestName = NAME_MAX;
    return name.substr(0, kLongestName - 1 - kTemporaryMark.size() - kRandomLetters);
}

bool IsTemporaryOf(std::string_view entry, std::string_view name) {
    const std::string_view stem = StemOf(name);
    if (entry.size() != 1 + stem.size() + kTemporaryMark.size() + kRandomLetters ||
        !entry.starts_with('.'))
        return false;
    entry.remove_prefix(1);
    if (!entry.starts_with(stem)) return false;
    entry.remove_prefix(stem.size());
    if (!entry.starts_with(kTemporaryMark)) return false;
    entry.remove_prefix(kTemporaryMark.size());
    return std::all_of(entry.begin(), entry.end(),
                       [](char c) { return kLetters.find(c) != std::string_view::npos; });
}

std::string TemporaryNameOf(const std::string& name) {
    unsigned char random[kRandomLetters] = {};
    // Without the system's random source the clock tells the names apart well enough: a name
    // taken is only tried again, never written into.
    if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) {
        auto ticks =
            static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        for (unsigned char& byte : random)
            byte = static_cast<unsigned char>(ticks >>= 5);
    }
    std::string temporary = "." + std::string(StemOf(name)) + std::string(kTemporaryMark);
    for (unsigned char byte : random)
        temporary += kLetters[byte % kLetters.size()];
    return temporary;
}

// Clears `entry` in `folder` when it is a leftover of this user that no write holds locked.
// What is unlinked is the very file that was opened and checked: a name that has passed to
// another file meanwhile is left alone.
void RemoveIfLeftover(int folder, const char* entry) {
    const Descriptor file(::openat(folder, entry, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened {};
    if (file.Get() < 0 || ::fstat(file.Get(), &opened) != 0 || !S_ISREG(opened.st_mode) ||
        opened.st_uid != ::geteuid() || ::flock(file.Get(), LOCK_EX | LOCK_NB) != 0)
        return;
    struct stat named {};
    if (::fstatat(folder, entry, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        named.st_dev == opened.st_dev && named.st_ino == opened.st_ino)
        ::unlinkat(folder, entry, 0);
}

// A write killed before its rename leaves its temporary file behind; the next write of the
// same file removes it.  A write going on holds a lock on its own, which keeps it.
void RemoveLeftovers(int folder, const std::string& name) {
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0) return;
    DIR* entries = ::fdopendir(listing);
    if (entries == nullptr) {
        ::close(listing);
        return;
    }
    while (const dirent* entry = ::readdir(entries))
        if (IsTemporaryOf(entry->d_name, name)) RemoveIfLeftover(folder, entry->d_name);
    ::closedir(entries);
}

// A new temporary file for `name` in `folder` with `mode` less the umask, locked for as long
// as it is being written; -1 with errno when none can be made.
int OpenTemporaryBeside(int folder, const std::string& name, mode_t mode, std::string& temporary) {
    for (int tries = 0; tries < kMostNameTries; ++tries) {
        temporary = TemporaryNameOf(name);
        const int fd = ::openat(folder, temporary.c_str(),
                                O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0 || ::flock(fd, LOCK_EX) != 0) return fd;
        // Another write may have taken it for a leftover before it was locked.
        struct stat info {};
        if (::fstat(fd, &info) != 0 || info.st_nlink > 0) return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

// Writes `bytes` to a temporary file in `folder` that then takes `name`; 0, else the errno
// (and nothing of the temporary file is left).  A new file is made as every editor makes one,
// 0666 less the umask.  A rewrite keeps the permission a person gave the file, and its
// temporary file is this user's alone until it has them: whoever opened it before would keep
// a way into the file.
int WriteInPlaceOf(int folder, const std::string& name, const std::string& bytes) {
    struct stat old {};
    const bool rewrite = ::fstatat(folder, name.c_str(), &old, 0) == 0;
    std::string temporary;
    const Descriptor file(OpenTemporaryBeside(folder, name, rewrite ? 0600 : 0666, temporary));
    if (file.Get() < 0) return errno;
    int error = WriteAll(file.Get(), bytes);
    if (error == 0 && rewrite && ::fchmod(file.Get(), old.st_mode & 07777) != 0) error = errno;
    if (error == 0 && ::fsync(file.Get()) != 0) error = errno;
    // Renamed while still open and locked, so that no other write takes it for a leftover.
    if (error == 0 && ::renameat(folder, temporary.c_str(), folder, name.c_str()) != 0)
        error = errno;
    if (error != 0) ::unlinkat(folder, temporary.c_str(), 0);
    return error;
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

std::optional<std::string> ReadIfPresent(const std::string& path, size_t most) {
    std::string bytes;
    if (ReadAll(path, bytes, most) != 0) return std::nullopt;
    return bytes;
}

void ReplaceAllBytes(const std::string& path, const std::string& bytes) {
    const std::string target = FinalTarget(path);
    const std::string name = std::filesystem::path(target).filename().string();
    if (name.empty()) RaiseWriteFailure(EISDIR, path);
    // One folder for the clean-up, the temporary file and the rename, whatever its path does.
    const Descriptor folder(OpenFolder(ParentOf(target)));
    if (folder.Get() < 0) RaiseWriteFailure(errno, path);
    RemoveLeftovers(folder.Get(), name);
    if (int error = WriteInPlaceOf(folder.Get(), name, bytes)) RaiseWriteFailure(error, path);
    // The new name itself reaches the disk with the folder.
    ::fsync(folder.Get());
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
