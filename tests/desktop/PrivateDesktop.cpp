#include "tests/desktop/PrivateDesktop.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace {

bool OnPath(const std::string& tool) {
    const char* path = std::getenv("PATH");
    std::stringstream folders(path ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');)
        if (!folder.empty() && ::access((folder + "/" + tool).c_str(), X_OK) == 0) return true;
    return false;
}

void Pause(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

int FieldAfter(const std::string& text, const std::string& label) {
    size_t at = text.find(label);
    return at == std::string::npos ? 0 : std::atoi(text.c_str() + at + label.size());
}

}  // namespace

std::string PrivateDesktop::MissingTool(bool windowManager) {
    std::vector<std::string> tools = {"Xvfb", "xdotool", "xwininfo", "xprop"};
    if (windowManager) {
        tools.push_back("openbox");
        tools.push_back("wmctrl");
    }
    for (const std::string& tool : tools)
        if (!OnPath(tool)) return tool;
    return "";
}

PrivateDesktop::PrivateDesktop(bool windowManager) {
    // Xvfb picks a free display and writes its number to the pipe.  Without a window manager
    // the program and the tools are its only clients, and a server that resets whenever the
    // last one leaves drops a program connecting meanwhile (Qt then ends with status 1): a
    // program starting while xdotool polls for its window, or right after the last run ended.
    int fds[2];
    if (::pipe(fds) != 0) return;
    pid_t server = Spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                          std::to_string(kWidth) + "x" + std::to_string(kHeight) + "x24",
                          "-nolisten", "tcp", "-noreset"},
                         fds[1]);
    ::close(fds[1]);
    std::string number;
    char c;
    while (::read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    ::close(fds[0]);
    if (server <= 0 || number.empty()) return;
    display_ = ":" + number;
    if (windowManager) {
        Start({"openbox", "--sm-disable"});
        // The window manager is up once it has said so on the root window.
        if (!WaitUntil(10, [&] {
                return Run("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") !=
                       std::string::npos;
            }))
            return;
    }
    ready_ = true;
}

PrivateDesktop::~PrivateDesktop() {
    // The programs first, the window manager, the X server last.
    for (auto it = started_.rbegin(); it != started_.rend(); ++it)
        Stop(*it);
}

pid_t PrivateDesktop::Spawn(const std::vector<std::string>& argv, int keepFd,
                            const std::string& errors) {
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    // The test's own environment, on this display, on the X platform.
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        std::string entry(*e);
        if (entry.rfind("DISPLAY=", 0) == 0 || entry.rfind("QT_QPA_PLATFORM=", 0) == 0) continue;
        // Under the sanitizers the program records whole stacks: a leak report of a thread Qt
        // is ending as the program exits then names the library that started it, which the
        // suppressions know, instead of stopping at the first frame inside Qt.
        if (entry.rfind("ASAN_OPTIONS=", 0) == 0) entry += ":fast_unwind_on_malloc=0";
        env.push_back(entry);
    }
    if (!display_.empty()) env.push_back("DISPLAY=" + display_);
    env.push_back("QT_QPA_PLATFORM=xcb");
    std::vector<char*> envp;
    for (std::string& entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO,
                                     errors.empty() ? "/dev/null" : errors.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    (void)keepFd;  // inherited: descriptors stay open across exec unless marked otherwise
    pid_t pid = 0;
    int failed = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed) return -1;
    started_.push_back(pid);
    return pid;
}

pid_t PrivateDesktop::Start(const std::vector<std::string>& argv, const std::string& errors) {
    return Spawn(argv, -1, errors);
}

bool PrivateDesktop::WaitForExit(pid_t pid, double seconds, int* status) {
    bool ended = WaitUntil(seconds, [&] { return ::waitpid(pid, status, WNOHANG) == pid; });
    if (ended) std::erase(started_, pid);
    return ended;
}

void PrivateDesktop::Stop(pid_t pid) {
    if (::waitpid(pid, nullptr, WNOHANG) == pid) return;
    ::kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (::waitpid(pid, nullptr, WNOHANG) == pid) return;
        Pause(0.05);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

bool PrivateDesktop::WaitUntil(double seconds, const auto& condition) const {
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        Pause(0.05);
    }
    return condition();
}

std::string PrivateDesktop::Run(const std::string& command) const {
    std::string line = "DISPLAY=" + display_ + " " + command + " 2>/dev/null";
    FILE* pipe = ::popen(line.c_str(), "r");
    if (!pipe) return "";
    std::string out;
    std::array<char, 4096> buffer;
    while (size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        out.append(buffer.data(), n);
    ::pclose(pipe);
    return out;
}

ScreenWindow Describe(const PrivateDesktop& desktop, unsigned long id) {
    ScreenWindow window;
    window.id = id;
    std::string info = desktop.Run("xwininfo -id " + std::to_string(id));
    window.x = FieldAfter(info, "Absolute upper-left X:");
    window.y = FieldAfter(info, "Absolute upper-left Y:");
    window.width = FieldAfter(info, "Width:");
    window.height = FieldAfter(info, "Height:");
    std::string extents = desktop.Run("xprop -id " + std::to_string(id) + " _NET_FRAME_EXTENTS");
    size_t equals = extents.find('=');
    if (equals != std::string::npos &&
        std::sscanf(extents.c_str() + equals + 1, "%d, %d, %d, %d", &window.left, &window.right,
                    &window.top, &window.bottom) != 4)
        window.left = window.right = window.top = window.bottom = 0;
    return window;
}

std::optional<ScreenWindow> FindWindow(const PrivateDesktop& desktop, const std::string& title,
                                       int minWidth, double seconds) {
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    do {
        std::stringstream ids(desktop.Run("xdotool search --onlyvisible --name '^" + title + "$'"));
        for (unsigned long id; ids >> id;) {
            ScreenWindow window = Describe(desktop, id);
            if (window.width >= minWidth) return window;
        }
        Pause(0.1);
    } while (std::chrono::steady_clock::now() < end);
    return std::nullopt;
}

bool WindowGone(const PrivateDesktop& desktop, const std::string& title, double seconds) {
    auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (FindWindow(desktop, title, 1, 0)) {
        if (std::chrono::steady_clock::now() > end) return false;
        Pause(0.1);
    }
    return true;
}
