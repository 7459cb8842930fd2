#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

// Points the per-user config folder (and so the class registry) at a fresh temporary folder
// for the life of the object.
class TempConfig {
public:
    TempConfig() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zrt-com-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
        const char* old = std::getenv("XDG_CONFIG_HOME");
        if (old) saved_ = old;
        hadOld_ = old != nullptr;
        setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
    }
    ~TempConfig() {
        if (hadOld_)
            setenv("XDG_CONFIG_HOME", saved_.c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    TempConfig(const TempConfig&) = delete;
    TempConfig& operator=(const TempConfig&) = delete;

    const std::string& Folder() const { return folder_; }

private:
    std::string folder_;
    std::string saved_;
    bool hadOld_ = false;
};
