#include "platform/os/Shell.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
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

// Spawns argv with standard input from /dev/null and standard output to `outFd` (or
// /dev/null when it is -1), in `directory` when one is given; the child's id, or -1 with the
// reason in `error`.
pid_t Spawn(const std::vector<std::string>& argv, int outFd, const std::string& directory = {},
            int* error = nullptr) {
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
    std::vector<char*> args = ArgumentVector(argv);
    pid_t child = -1;
    int status = ::posix_spawn(&child, path.c_str(), &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    reason = status;
    return status == 0 ? child : -1;
}

int WaitFor(pid_t child) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
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
    // Collected in the background, so that a long-lived viewer leaves no zombie behind.
    std::thread([child] { WaitFor(child); }).detach();
    return true;
}

int LaunchProgram(const std::vector<std::string>& argv, const std::string& directory) {
    int error = 0;
    pid_t child = Spawn(argv, -1, directory, &error);
    if (child < 0) return error ? error : ENOENT;
    std::thread([child] { WaitFor(child); }).detach();
    return 0;
}

bool OpenDocument(const std::string& target) {
    return StartProgram({"xdg-open", target});
}

}  // namespace os
