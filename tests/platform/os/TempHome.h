#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

// Points every per-user place at a fresh temporary folder, so that tests never touch the
// real home, and removes it afterwards.
class TempHome : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "zomel-os-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern + "/";
        for (const char* name : kVariables) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        ::setenv("HOME", (root_ + "home").c_str(), 1);
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("ZOMEL_WINDIR");
        ::unsetenv("ZOMEL_APPDIR");
        ::setenv("TMPDIR", root_.c_str(), 1);
    }

    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value) {
                ::setenv(name, value->c_str(), 1);
            } else {
                ::unsetenv(name);
            }
        }
        std::filesystem::remove_all(root_);
    }

    // Writes a file under the temporary folder and gives its path.
    std::string WriteFile(const std::string& name, const std::string& text) {
        std::string path = root_ + name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    std::string root_;

private:
    static constexpr const char* kVariables[] = {"HOME", "XDG_CONFIG_HOME", "ZOMEL_WINDIR",
                                                 "ZOMEL_APPDIR", "TMPDIR"};
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};
