#pragma once

#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "core/Catalogue.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "platform/com/ServerLibrary.h"
#include "platform/forms/HeadlessHost.h"
#include "platform/forms/Instance.h"

// The main window loaded on the headless host, with per-user places in a temporary folder
// so that a benchmark run leaves the real home alone.
class MainWindowSession {
public:
    MainWindowSession() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zomel-bench-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
        ::setenv("HOME", root_.c_str(), 1);
        ::setenv("TMPDIR", (root_ + "/").c_str(), 1);
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("ZOMEL_WINDIR");
        forms::SetHost(&host_);
        com::RegisterServer(VELDOSIGN_LIBRARY);
        zomel::ResetOptions();
        zomel::gSign = std::make_shared<zomel::Sign>();
        zomel::MainForm = &forms::Instance<zomel::frmMain>();
        zomel::MainForm->Load();
    }
    ~MainWindowSession() {
        forms::ResetInstances();
        forms::SetHost(nullptr);
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    MainWindowSession(const MainWindowSession&) = delete;
    MainWindowSession& operator=(const MainWindowSession&) = delete;

    zomel::frmMain& Main() { return *zomel::MainForm; }
    forms::HeadlessHost& Host() { return host_; }

private:
    std::string root_;
    forms::HeadlessHost host_;
};
