#pragma once

#include <string>

namespace os {

// Holds an advisory lock on the file `path` (made when missing) for the life of the object:
// one change of a shared file at a time among the program's copies.  Where the lock file cannot
// be had the change goes on without it: a lock only orders writers, it guards no data.
class FileLock {
public:
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_ = -1;
};

}  // namespace os
