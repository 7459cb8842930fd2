#include "modelspec/ViewerLookup.h"

#include <cerrno>
#include <vector>

#include "modelspec/FSOsearch.h"
#include "platform/forms/Interaction.h"
#include "platform/os/Association.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/os/Shell.h"

namespace zomel {
namespace {

// The word processors that show RTF, by the end of their program's name in upper case.
const std::vector<std::string> kRtfViewers = {"LOWRITER", "LIBREOFFICE", "SOFFICE",
                                              "OOWRITER", "ABIWORD",     "CALLIGRAWORDS"};

const std::vector<std::string> kRtfTypes = {"application/rtf", "text/rtf"};

// The code the shell would have given for a start that failed.
int LaunchFailureCode(int error) {
    switch (error) {
        case ENOENT:
            return 2;
        case ENOTDIR:
            return 3;
        case EACCES:
        case EPERM:
            return 5;
        case ENOMEM:
            return 8;
        case ENOEXEC:
            return 11;
        default:
            return 0;
    }
}

std::vector<std::string> SearchedViewer() {
    FSOsearch search;
    std::string found = search.searchForFile(kRtfViewers);
    // The search ends its answer with a NUL; the path is what stands before it.
    found = found.substr(0, found.find('\0'));
    if (found.empty()) return {};
    return {found};
}

std::vector<std::string> WithDocument(std::vector<std::string> command,
                                      const std::string& document) {
    bool placed = false;
    for (std::string& arg : command) {
        if (arg == "%f") {
            arg = document;
            placed = true;
        }
    }
    if (!placed) command.push_back(document);
    return command;
}

}  // namespace

void OpenRtfDocument(const std::string& document, const std::string& prefix,
                     const std::string& notFoundText, const std::string& launchFailedText) {
    os::Association association = os::FindExecutable(document, kRtfTypes);
    std::vector<std::string> command = association.command;
    if (command.empty()) command = SearchedViewer();
    const std::string viewer = command.empty() ? std::string() : command.front();
    const size_t viewerLength = os::FileExists(viewer) ? viewer.size() : 0;
    if (viewerLength == 0) {
        const long number = prefix == "GenSpec" ? static_cast<long>(viewerLength)
                                                : static_cast<long>(association.code);
        forms::MsgBox(prefix + "1: " + std::to_string(number));
        forms::MsgBox(prefix + "-Path: " + viewer);
        forms::MsgBox(notFoundText);
        return;
    }
    int error = os::LaunchProgram(WithDocument(command, document), os::ProgramFolder());
    if (error != 0) {
        forms::MsgBox(prefix + "2: " + std::to_string(LaunchFailureCode(error)));
        forms::MsgBox(launchFailedText);
    }
}

}  // namespace zomel
