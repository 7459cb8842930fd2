#include "platform/os/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "platform/vb/Error.h"

namespace os {
namespace {

constexpr std::chrono::milliseconds kPollEvery{25};

// Takes the lock on `fd` within `patience`; 0, or the errno of the failure.
int LockWithin(int fd, std::chrono::milliseconds patience) {
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return 0;
        if (errno != EWOULDBLOCK && errno != EINTR) return errno;
        if (std::chrono::steady_clock::now() >= giveUp) return EWOULDBLOCK;
        std::this_thread::sleep_for(kPollEvery);
    }
}

}  // namespace

FileLock::FileLock(const std::string& path, std::chrono::milliseconds patience)
    : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600)) {
    if (fd_ < 0) {
        const int error = errno;
        vb::Raise(vb::err::kPathFileAccess,
                  "The lock file " + path + " cannot be opened: " + std::strerror(error));
    }
    const int error = LockWithin(fd_, patience);
    if (error == 0) return;
    ::close(fd_);
    fd_ = -1;
    if (error == EWOULDBLOCK)
        vb::Raise(vb::err::kPermissionDenied,
                  "The lock file " + path + " is held by another running program");
    vb::Raise(vb::err::kPathFileAccess,
              "The lock file " + path + " cannot be locked: " + std::strerror(error));
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);
}

}  // namespace os
