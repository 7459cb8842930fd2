#pragma once

#include <filesystem>
#include <string>

// Copies the program's data files (window descriptions, fonts, pictures, strings, catalogue,
// templates) from the build's program folder, the working folder of every test, into `app`,
// so that a test can change or remove them and the program can write beside them.
inline void CopyProgramData(const std::string& app) {
    namespace fs = std::filesystem;
    for (const auto& entry : fs::directory_iterator(".")) {
        const std::string name = entry.path().filename().string();
        const std::string kind = entry.path().extension().string();
        if (name == "forms" || name == "fonts" || name == "pictures")
            fs::copy(entry.path(), app + name, fs::copy_options::recursive);
        else if (kind == ".tsv" || kind == ".bin" || kind == ".txt" || kind == ".hms" ||
                 kind == ".inc")
            fs::copy_file(entry.path(), app + name);
    }
}
