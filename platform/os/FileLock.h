#pragma once

#include <chrono>
#include <string>

namespace os {

// Holds an advisory lock on the file `path` (made when missing) for the life of the object:
// one change of a shared file at a time among the program's copies.  A copy that holds it and
// does not let go (stopped in a debugger, say) is waited for at most `patience`; then, as when
// the lock file cannot be opened (a folder in its place), the lock raises 70 with the lock
// file and the cause, so that the change is not made unguarded.
class FileLock {
public:
    static constexpr std::chrono::milliseconds kPatience{3000};

    explicit FileLock(const std::string& path, std::chrono::milliseconds patience = kPatience);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    int fd_ = -1;
};

}  // namespace os
