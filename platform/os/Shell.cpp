#include "platform/os/Shell.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

extern char** environ;

namespace os {
namespace {

bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

std::vector<char*> ArgumentVector(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    return args;
}

// How long the desktop's opener is given to refuse a document.
constexpr auto kOpenerPatience = std::chrono::milliseconds(3000);
constexpr auto kOpenerPoll = std::chrono::milliseconds(20);

// Spawns argv with standard input from /dev/null, standard output to `outFd` (or /dev/null
// when it is -1) and standard error to `errFd` (the program's own when it is -1), in
// `directory` when one is given; the child's id, or -1 with the reason in `error`.
pid_t Spawn(const std::vector<std::string>& argv, int outFd, const std::string& directory = {},
            int* error = nullptr, int errFd = -1) {
    int ignored = 0;
    int& reason = error ? *error : ignored;
    reason = ENOENT;
    if (argv.empty()) return -1;
    std::string path = FindProgram(argv.front());
    if (path.empty()) {
        reason = ::access(argv.front().c_str(), F_OK) == 0 ? EACCES : ENOENT;
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!directory.empty()) posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (outFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    if (errFd >= 0) posix_spawn_file_actions_adddup2(&actions, errFd, STDERR_FILENO);
    std::vector<char*> args = ArgumentVector(argv);
    pid_t child = -1;
    int status = ::posix_spawn(&child, path.c_str(), &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    reason = status;
    return status == 0 ? child : -1;
}

int ExitCode(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int WaitFor(pid_t child) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return ExitCode(status);
}

// Collected in the background, so that a long-lived program leaves no zombie behind.
void ReapLater(pid_t child) {
    std::thread([child] { WaitFor(child); }).detach();
}

// Adds what has come on the non-blocking `fd` to `words`, keeping their end only.
void ReadWhatCame(int fd, std::string& words) {
    constexpr size_t kKept = 4096;
    char buffer[4096];
    for (ssize_t count; (count = ::read(fd, buffer, sizeof buffer)) > 0;) {
        words.append(buffer, static_cast<size_t>(count));
        if (words.size() > kKept) words.erase(0, words.size() - kKept);
    }
}

// The child's exit code once it has ended within `patience`, what it said on `fd` meanwhile
// in `words`; nothing while it still runs.
std::optional<int> WaitAWhile(pid_t child, int fd, std::string& words,
                              std::chrono::milliseconds patience) {
    const auto until = std::chrono::steady_clock::now() + patience;
    for (;;) {
        pollfd ready{fd, POLLIN, 0};
        ::poll(&ready, 1, static_cast<int>(kOpenerPoll.count()));
        ReadWhatCame(fd, words);
        int status = 0;
        pid_t ended = ::waitpid(child, &status, WNOHANG);
        if (ended == child) {
            ReadWhatCame(fd, words);
            return ExitCode(status);
        }
        if (ended < 0 && errno != EINTR) return -1;
        if (std::chrono::steady_clock::now() >= until) return std::nullopt;
    }
}

// Reads and drops what is still said on `fd` until every writer has closed it, so that a
// program (or one it started) never writes into a full pipe, then collects `child` (-1 when
// it has been collected).
void ListenLater(int fd, pid_t child) {
    std::thread([fd, child] {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        char buffer[4096];
        for (ssize_t count; (count = ::read(fd, buffer, sizeof buffer)) != 0;)
            if (count < 0 && errno != EINTR) break;
        ::close(fd);
        if (child > 0) WaitFor(child);
    }).detach();
}

std::string LastLine(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    size_t start = text.rfind('\n');
    return start == std::string::npos ? text : text.substr(start + 1);
}

}  // namespace

std::string FindProgram(const std::string& name) {
    if (name.empty()) return {};
    if (name.find('/') != std::string::npos) return IsExecutableFile(name) ? name : "";
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos) end = folders.size();
        std::string folder = folders.substr(start, end - start);
        std::string candidate = (folder.empty() ? "." : folder) + "/" + name;
        if (IsExecutableFile(candidate)) return candidate;
        start = end + 1;
    }
    return {};
}

std::optional<ProgramResult> RunProgram(const std::vector<std::string>& argv) {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return std::nullopt;
    pid_t child = Spawn(argv, pipeFds[1]);
    ::close(pipeFds[1]);
    if (child < 0) {
        ::close(pipeFds[0]);
        return std::nullopt;
    }
    ProgramResult result;
    char buffer[4096];
    for (;;) {
        ssize_t count = ::read(pipeFds[0], buffer, sizeof buffer);
        if (count > 0) {
            result.output.append(buffer, static_cast<size_t>(count));
        } else if (count == 0 || errno != EINTR) {
            break;
        }
    }
    ::close(pipeFds[0]);
    result.exitCode = WaitFor(child);
    return result;
}

bool StartProgram(const std::vector<std::string>& argv) {
    pid_t child = Spawn(argv, -1);
    if (child < 0) return false;
    ReapLater(child);
    return true;
}

int LaunchProgram(const std::vector<std::string>& argv, const std::string& directory) {
    int error = 0;
    pid_t child = Spawn(argv, -1, directory, &error);
    if (child < 0) return error ? error : ENOENT;
    ReapLater(child);
    return 0;
}

bool OpenDocument(const std::string& target, std::string& reason) {
    const std::string opener = "xdg-open";
    if (FindProgram(opener).empty()) {
        reason = "the desktop has no program to open documents with (" + opener + " not found)";
        return false;
    }
    // What the opener says on its standard error is its reason when it refuses.
    int said[2];
    if (::pipe2(said, O_CLOEXEC | O_NONBLOCK) != 0) {
        reason = opener + " could not be started";
        return false;
    }
    pid_t child = Spawn({opener, target}, -1, {}, nullptr, said[1]);
    ::close(said[1]);
    if (child < 0) {
        ::close(said[0]);
        reason = opener + " could not be started";
        return false;
    }
    std::string words;
    std::optional<int> code = WaitAWhile(child, said[0], words, kOpenerPatience);
    // A viewer it started may go on writing where the opener did.
    ListenLater(said[0], code ? -1 : child);
    if (!code || *code == 0) return true;
    reason = LastLine(words);
    if (reason.empty()) reason = opener + " ended with code " + std::to_string(*code);
    return false;
}

}  // namespace os
