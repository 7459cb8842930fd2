#pragma once

#include <optional>
#include <string>
#include <vector>

// Starting other programs: the person's viewer for a document, a system tool, the print
// spooler.  Programs are found on PATH and started without a shell, so no argument is ever
// read as shell syntax.
namespace os {

// The full path of program `name` on PATH (or `name` itself when it holds a "/" and is
// executable); empty when there is none.
std::string FindProgram(const std::string& name);

struct ProgramResult {
    int exitCode = -1;
    std::string output;  // what the program wrote to its standard output
};

// Runs a program with its arguments and waits for it; nothing when it could not be started.
std::optional<ProgramResult> RunProgram(const std::vector<std::string>& argv);

// Starts a program and does not wait for it; false when it could not be started.
bool StartProgram(const std::vector<std::string>& argv);

// Starts a program in `directory` and does not wait for it: 0 when it started, else the
// system's reason (ENOENT, EACCES, ...).
int LaunchProgram(const std::vector<std::string>& argv, const std::string& directory);

// Opens a file or an address (a file:// address may carry a #fragment) in the person's
// viewer for its type, through the desktop's opener.  The opener is given a moment: one that
// refuses in that time gives its reason; one still running has handed the document on.
// False, with the reason, when the document could not be opened.
bool OpenDocument(const std::string& target, std::string& reason);

}  // namespace os
