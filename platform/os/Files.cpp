#include "platform/os/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/os/Paths.h"
#include "platform/vb/Error.h"

namespace os {
namespace {

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

std::string NewTempFile(const std::string& stem) {
    std::string pattern = TempFolder() + stem + "XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) vb::Raise(vb::err::kPathFileAccess, "No temporary file in " + TempFolder());
    ::close(fd);
    return pattern;
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
    std::string temporary = path + ".XXXXXX";
    Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.Get() < 0) RaiseWriteFailure(errno, path);
    int error = WriteAll(file.Get(), bytes);
    if (error == 0 && ::fchmod(file.Get(), 0644) != 0) error = errno;
    if (error == 0 && ::fsync(file.Get()) != 0) error = errno;
    if (error == 0 && file.Close() != 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        RaiseWriteFailure(error, path);
    }
    // The new name itself reaches the disk with the folder.
    Descriptor folder(::open(ParentOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0) ::fsync(folder.Get());
}

void MakeFolders(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    if (error) RaiseFor(error.value(), path);
}

}  // namespace os
