#pragma once

#include <string>
#include <vector>

// The program the desktop associates with a kind of document (its MIME type), as the person
// chose it in the desktop's settings.
namespace os {

struct Association {
    // Above 32 when a program was found; 31 when the desktop names none; 2 when the document
    // itself is missing.  (The codes a caller reports, as the Windows shell gave them.)
    int code = 31;
    // The program's command line: the program's full path first, then its own arguments, with
    // the entry "%f" where the document goes (none: the document goes last).
    std::vector<std::string> command;
};

inline constexpr int kAssociationFound = 42;
inline constexpr int kNoAssociation = 31;
inline constexpr int kDocumentMissing = 2;

// Asks the desktop (xdg-mime) for the default program of each MIME type in turn and reads
// the command of its desktop entry.
Association FindExecutable(const std::string& document, const std::vector<std::string>& mimeTypes);

// The command line of a desktop entry's text ("Exec=" of its "[Desktop Entry]" group) with its
// field codes resolved: %f %F %u %U become "%f", the others go; empty when it has none.
std::vector<std::string> DesktopEntryCommand(const std::string& entryText);

// Where desktop entries live, first wins: $XDG_DATA_HOME (else ~/.local/share), then each of
// $XDG_DATA_DIRS (else /usr/local/share:/usr/share), each followed by "applications/".
std::vector<std::string> ApplicationFolders();

}  // namespace os
