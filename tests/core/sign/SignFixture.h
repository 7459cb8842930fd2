#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "core/Globals.h"
#include "core/Sign.h"
#include "editor/frmMain.h"
#include "platform/forms/Instance.h"

// A fresh run for every test: no window objects, the main window object made, and the
// per-user settings kept in a temporary folder so that the real home is never touched.
class SignTest : public ::testing::Test {
protected:
    void SetUp() override {
        forms::ResetInstances();
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zomel-sign-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        if (const char* value = std::getenv("XDG_CONFIG_HOME")) savedConfig_ = value;
        ::setenv("XDG_CONFIG_HOME", root_.c_str(), 1);
        zomel::MainForm = &forms::Instance<zomel::frmMain>();
    }

    void TearDown() override {
        zomel::MainForm = nullptr;
        forms::ResetInstances();
        if (savedConfig_) {
            ::setenv("XDG_CONFIG_HOME", savedConfig_->c_str(), 1);
        } else {
            ::unsetenv("XDG_CONFIG_HOME");
        }
        std::filesystem::remove_all(root_);
    }

    zomel::Sign sign;

private:
    std::string root_;
    std::optional<std::string> savedConfig_;
};

// Figures worked by hand carry a few decimals; the sums here stay far inside this.
inline constexpr double kTolerance = 1e-6;
