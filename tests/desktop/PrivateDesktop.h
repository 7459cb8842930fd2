#pragma once

#include <sys/types.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

// A private X screen for tests that a window manager takes part in: Xvfb on a display of its
// own choosing, with openbox when asked.  Programs started through it see that display; all
// it started ends with it.
class PrivateDesktop {
public:
    static constexpr int kWidth = 1680;
    static constexpr int kHeight = 1050;

    // The first tool the tests need that is not installed, or "" when all are.
    static std::string MissingTool(bool windowManager);

    explicit PrivateDesktop(bool windowManager);
    ~PrivateDesktop();
    PrivateDesktop(const PrivateDesktop&) = delete;
    PrivateDesktop& operator=(const PrivateDesktop&) = delete;

    bool Ready() const { return ready_; }
    const std::string& Display() const { return display_; }

    // Starts a program on this display with the test's environment; gives its process id.
    // What it writes to its standard error goes to the file `errors`, when one is named.
    pid_t Start(const std::vector<std::string>& argv, const std::string& errors = "");
    // Waits until the process ends; false when it is still running after `seconds`.  With
    // `status`, gives how it ended (as waitpid does).
    bool WaitForExit(pid_t pid, double seconds, int* status = nullptr);
    // Runs a command line on this display and gives what it printed.
    std::string Run(const std::string& command) const;

private:
    pid_t Spawn(const std::vector<std::string>& argv, int keepFd = -1,
                const std::string& errors = "");
    void Stop(pid_t pid);
    bool WaitUntil(double seconds, const auto& condition) const;

    std::string display_;
    bool ready_ = false;
    std::vector<pid_t> started_;
};

// What xwininfo and xprop say of a top-level window.
struct ScreenWindow {
    unsigned long id = 0;
    int x = 0, y = 0, width = 0, height = 0;       // the inner window, on the screen
    int left = 0, right = 0, top = 0, bottom = 0;  // the window manager's frame
    int FrameX() const { return x - left; }
    int FrameY() const { return y - top; }
    int FrameWidth() const { return width + left + right; }
    int FrameHeight() const { return height + top + bottom; }
};

// The visible window titled exactly `title` and at least `minWidth` wide, waiting up to
// `seconds` for it.
std::optional<ScreenWindow> FindWindow(const PrivateDesktop& desktop, const std::string& title,
                                       int minWidth, double seconds);
ScreenWindow Describe(const PrivateDesktop& desktop, unsigned long id);
// Waits up to `seconds` until no visible window is titled `title`.
bool WindowGone(const PrivateDesktop& desktop, const std::string& title, double seconds);
