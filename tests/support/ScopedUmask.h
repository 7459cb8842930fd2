#pragma once

#include <sys/stat.h>

#include <string>

// Sets the process's umask for the life of the object and puts the old one back.
class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask) : old_(::umask(mask)) {}
    ~ScopedUmask() { ::umask(old_); }
    ScopedUmask(const ScopedUmask&) = delete;
    ScopedUmask& operator=(const ScopedUmask&) = delete;

    // The permission bits of the file `path` leads to; all bits set when there is none.
    static mode_t ModeOf(const std::string& path) {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 07777;
    }

private:
    mode_t old_ = 0;
};
