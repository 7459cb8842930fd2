#pragma once

#include <sys/resource.h>

#include <csignal>

// A disk that takes no file beyond `bytes` for the life of the object: the process's file
// size limit, so that a write past it fails (the program sees a full disk) instead of
// ending the process.
class DiskFull {
public:
    explicit DiskFull(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        savedSignal_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~DiskFull() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedSignal_);
    }
    DiskFull(const DiskFull&) = delete;
    DiskFull& operator=(const DiskFull&) = delete;

private:
    rlimit saved_{};
    void (*savedSignal_)(int) = SIG_DFL;
};
