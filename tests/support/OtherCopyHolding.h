#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

// Another copy of the program that holds the advisory lock on `path` and does not let go, as a
// copy stopped in a debugger in the middle of a save: a child process that takes the lock and
// sleeps `seconds` (longer than any test should wait) unless it is let go of earlier.
class OtherCopyHolding {
public:
    explicit OtherCopyHolding(const std::string& path, unsigned seconds = 25) {
        int ready[2];
        if (::pipe(ready) != 0) throw std::runtime_error("pipe failed");
        child_ = ::fork();
        if (child_ < 0) throw std::runtime_error("fork failed");
        if (child_ == 0) {
            const int fd = ::open(path.c_str(), O_RDWR | O_CREAT, 0600);
            if (fd < 0 || ::flock(fd, LOCK_EX) != 0) ::_exit(1);
            (void)!::write(ready[1], "x", 1);
            ::sleep(seconds);
            ::_exit(0);
        }
        ::close(ready[1]);
        char byte = 0;
        const bool held = ::read(ready[0], &byte, 1) == 1;
        ::close(ready[0]);
        if (!held) throw std::runtime_error("the other copy could not take the lock " + path);
    }
    ~OtherCopyHolding() { LetGo(); }
    OtherCopyHolding(const OtherCopyHolding&) = delete;
    OtherCopyHolding& operator=(const OtherCopyHolding&) = delete;

    void LetGo() {
        if (child_ <= 0) return;
        ::kill(child_, SIGKILL);
        ::waitpid(child_, nullptr, 0);
        child_ = -1;
    }

private:
    pid_t child_ = -1;
};
