#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Points every per-user place (home, config, cache and documents folders, Windows folder,
// temporary folder) at a fresh temporary folder for the life of the object, so that tests
// never touch the real home, and removes it afterwards.  The printing clients find no print server
// and no default queue there, the desktop's paper is letter, and programs no session bus: no
// test reaches the machine's.  The
// program folder stays the build's unless a test sets it with UseProgramFolder.
class TestEnvironment {
public:
    TestEnvironment() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zomel-test-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        root_ = pattern + "/";
        for (const char* name : kVariables) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        ::setenv("HOME", (root_ + "home").c_str(), 1);
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("XDG_CACHE_HOME");
        ::unsetenv("XDG_DOCUMENTS_DIR");
        ::unsetenv("ZOMEL_WINDIR");
        ::unsetenv("ZOMEL_APPDIR");
        ::setenv("TMPDIR", root_.c_str(), 1);
        ::setenv("CUPS_SERVER", (root_ + "no-print-server").c_str(), 1);
        ::setenv("CUPS_SERVERROOT", (root_ + "no-print-server-settings").c_str(), 1);
        ::unsetenv("LPDEST");
        ::unsetenv("PRINTER");
        // The desktop's paper is letter, whatever this machine's is.
        ::setenv("PAPERSIZE", "letter", 1);
        ::unsetenv("PAPERCONF");
        ::setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + root_ + "no-session-bus").c_str(), 1);
    }
    ~TestEnvironment() {
        for (const auto& [name, value] : saved_) {
            if (value)
                ::setenv(name, value->c_str(), 1);
            else
                ::unsetenv(name);
        }
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

    // The temporary folder, with its closing "/".
    const std::string& Root() const { return root_; }
    std::string ConfigFolder() const { return root_ + "home/.config/zomelbuilder/"; }

    // Writes a file under the temporary folder and gives its path.
    std::string WriteFile(const std::string& name, const std::string& text) const {
        std::string path = root_ + name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // Looks for "Veldo.ini" under the temporary folder's "windows/".
    std::string UseWindowsFolder() const {
        ::setenv("ZOMEL_WINDIR", (root_ + "windows").c_str(), 1);
        std::filesystem::create_directories(root_ + "windows");
        return root_ + "windows/";
    }

    // Reads data files from the temporary folder's "app/".
    std::string UseProgramFolder() const {
        ::setenv("ZOMEL_APPDIR", (root_ + "app").c_str(), 1);
        std::filesystem::create_directories(root_ + "app");
        return root_ + "app/";
    }

private:
    static constexpr const char* kVariables[] = {"HOME",
                                                 "XDG_CONFIG_HOME",
                                                 "XDG_CACHE_HOME",
                                                 "XDG_DOCUMENTS_DIR",
                                                 "ZOMEL_WINDIR",
                                                 "ZOMEL_APPDIR",
                                                 "TMPDIR",
                                                 "CUPS_SERVER",
                                                 "CUPS_SERVERROOT",
                                                 "LPDEST",
                                                 "PRINTER",
                                                 "PAPERSIZE",
                                                 "PAPERCONF",
                                                 "DBUS_SESSION_BUS_ADDRESS"};
    std::string root_;
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};
