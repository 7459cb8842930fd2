#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include "platform/forms/HeadlessHost.h"
#include "platform/forms/StringTable.h"
#include "tests/support/TestEnvironment.h"

// A program folder of its own for a target that feeds a data file through the reader that
// loads it from there: every per-user place in a temporary folder, the shipped string table
// beside the file, and a headless host that records the error boxes.
class ProgramFolder {
public:
    ProgramFolder() : folder_(env_.UseProgramFolder()) {
        std::filesystem::copy_file(std::string(ZOMEL_RESOURCES) + "/strings.tsv",
                                   folder_ + "strings.tsv");
        forms::ReloadStringTable();
        forms::SetHost(&host_);
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    ~ProgramFolder() { forms::SetHost(nullptr); }

    void Write(const std::string& name, const std::string& bytes) const {
        std::filesystem::remove(folder_ + name);  // a link to a shipped file stays as it is
        env_.WriteFile("app/" + name, bytes);
    }
    const std::string& Folder() const { return folder_; }
    // The error boxes shown since the last call, forgotten with the host's journal of them, so
    // that a long run does not grow.
    std::size_t TakeReports() {
        const std::size_t shown = host_.Messages().size();
        host_ = forms::HeadlessHost();  // and every other record of the host
        return shown;
    }
    forms::HeadlessHost& Host() { return host_; }

private:
    TestEnvironment env_;
    std::string folder_;
    forms::HeadlessHost host_;
};
