#pragma once

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/ScopedVariable.h"
#include "tests/support/TestEnvironment.h"

// A desktop of the test's own under the temporary folder: an "xdg-mime" that names the RTF
// program the test chooses (or none), desktop entries, and fake viewers that write down how
// they were started.
class FakeDesktop {
public:
    explicit FakeDesktop(const TestEnvironment& env)
        : env_(env),
          path_("PATH", env.Root() +
                            "bin:" + (std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin")),
          dataHome_("XDG_DATA_HOME", env.Root() + "share"),
          dataDirs_("XDG_DATA_DIRS", env.Root() + "system-share"),
          drives_("ZOMEL_FIXED_DRIVES", env.Root() + "drive-c:" + env.Root() + "drive-d") {
        Associate("");
    }

    // The desktop entry "xdg-mime" names for RTF; "" for none.
    void Associate(const std::string& desktopId) {
        Script("bin/xdg-mime", desktopId.empty() ? "exit 0" : "echo " + desktopId);
    }
    void Entry(const std::string& desktopId, const std::string& exec) {
        env_.WriteFile("share/applications/" + desktopId,
                       "[Desktop Entry]\nType=Application\nName=Fake\nExec=" + exec + "\n");
    }
    // A viewer that records its working folder and arguments, one a line.
    std::string Viewer(const std::string& relativePath) {
        return Script(relativePath, "{ pwd; for a in \"$@\"; do echo \"$a\"; done; } > " +
                                        Record() + ".tmp; mv " + Record() + ".tmp " + Record());
    }
    std::string Script(const std::string& relativePath, const std::string& body) {
        std::string path = env_.WriteFile(relativePath, "#!/bin/sh\n" + body + "\n");
        ::chmod(path.c_str(), 0755);
        return path;
    }
    std::string Record() const { return env_.Root() + "viewer-started"; }

    // What the viewer wrote: its folder, then its arguments; empty when it was not started
    // within a few seconds.
    std::vector<std::string> Started(int waitMilliseconds = 5000) const {
        for (int waited = 0; waited < waitMilliseconds; waited += 20) {
            if (std::filesystem::exists(Record())) {
                std::vector<std::string> lines;
                std::string text = TestEnvironment::ReadFile(Record());
                size_t start = 0;
                while (start < text.size()) {
                    size_t end = text.find('\n', start);
                    lines.push_back(text.substr(start, end - start));
                    start = end + 1;
                }
                return lines;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return {};
    }

private:
    const TestEnvironment& env_;
    ScopedVariable path_;
    ScopedVariable dataHome_;
    ScopedVariable dataDirs_;
    ScopedVariable drives_;
};
