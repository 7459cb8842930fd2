#include "platform/os/Association.h"

#include <cstdlib>
#include <optional>

#include "platform/os/Escapes.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/os/Shell.h"
#include "platform/vb/Strings.h"

namespace os {
namespace {

// A desktop entry is a few lines; anything far larger is not one.
constexpr size_t kMostEntryBytes = 256 * 1024;
constexpr std::string_view kBlanks = " \t\r\n";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The "Exec" value of the "[Desktop Entry]" group, if it has one.
std::optional<std::string> ExecValue(const std::string& entryText) {
    bool inEntry = false;
    size_t start = 0;
    while (start < entryText.size()) {
        size_t end = entryText.find('\n', start);
        if (end == std::string::npos) end = entryText.size();
        const std::string_view line =
            vb::TrimOf(std::string_view(entryText).substr(start, end - start), kBlanks);
        start = end + 1;
        if (!line.empty() && line.front() == '[') {
            inEntry = line == "[Desktop Entry]";
        } else if (inEntry && line.starts_with("Exec")) {
            const std::string_view rest = vb::TrimOf(line.substr(4), kBlanks);
            if (!rest.empty() && rest.front() == '=')
                return Unescape(vb::TrimOf(rest.substr(1), kBlanks), Escapes::ControlAndBlank);
        }
    }
    return std::nullopt;
}

// Splits an Exec value into arguments: blanks separate, double quotes group, and inside
// quotes a backslash takes the next character as it is.  A quote left open makes the value
// invalid: no arguments.
std::vector<std::string> SplitArguments(const std::string& exec) {
    std::vector<std::string> args;
    std::string current;
    bool inArgument = false;
    bool quoted = false;
    for (size_t i = 0; i < exec.size(); ++i) {
        char c = exec[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < exec.size()) {
                current += exec[++i];
            } else {
                current += c;
            }
        } else if (c == '"') {
            quoted = inArgument = true;
        } else if (c == ' ' || c == '\t') {
            if (inArgument) args.push_back(current);
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (quoted) return {};
    if (inArgument) args.push_back(current);
    return args;
}

// One argument with its field codes resolved; nullopt when the argument goes altogether.
std::optional<std::string> ResolveFieldCodes(const std::string& arg, bool& documentPlaced) {
    static const std::string kFileCodes = "fFuU";
    if (arg.size() == 2 && arg[0] == '%' && kFileCodes.find(arg[1]) != std::string::npos) {
        if (documentPlaced) return std::nullopt;
        documentPlaced = true;
        return std::string("%f");
    }
    std::string out;
    for (size_t i = 0; i < arg.size(); ++i) {
        if (arg[i] != '%' || i + 1 == arg.size()) {
            out += arg[i];
        } else if (arg[++i] == '%') {
            out += '%';
        }
        // Any other field code (icon, name, location, deprecated ones) expands to nothing.
    }
    if (out.empty() && !arg.empty()) return std::nullopt;
    // The document's place is written "%f": a literal of that text ("%%f", quoted or not)
    // would be taken for a second place, so it goes.
    if (out == "%f") return std::nullopt;
    return out;
}

std::optional<std::string> FindEntry(const std::string& desktopId) {
    for (const std::string& folder : ApplicationFolders()) {
        std::string path = JoinPath(folder, desktopId);
        if (FileExists(path)) return path;
    }
    return std::nullopt;
}

// The command of the desktop's default program for one MIME type.
std::vector<std::string> DefaultCommand(const std::string& mimeType) {
    std::optional<ProgramResult> answer = RunProgram({"xdg-mime", "query", "default", mimeType});
    if (!answer || answer->exitCode != 0) return {};
    const std::string desktopId(
        vb::TrimOf(std::string_view(answer->output).substr(0, answer->output.find('\n')), kBlanks));
    // A desktop id names a file in the applications folders, never a path elsewhere.
    if (desktopId.empty() || desktopId.find('/') != std::string::npos ||
        desktopId.find("..") != std::string::npos)
        return {};
    std::optional<std::string> entry = FindEntry(desktopId);
    if (!entry) return {};
    std::optional<std::string> text = ReadIfPresent(*entry);
    if (!text || text->size() > kMostEntryBytes) return {};
    std::vector<std::string> command = DesktopEntryCommand(*text);
    if (command.empty()) return {};
    command.front() = FindProgram(command.front());
    if (command.front().empty()) return {};
    return command;
}

}  // namespace

std::vector<std::string> ApplicationFolders() {
    std::string home = Environment("XDG_DATA_HOME");
    if (home.empty() || home.front() != '/') home = JoinPath(Environment("HOME"), ".local/share");
    std::string dirs = Environment("XDG_DATA_DIRS");
    if (dirs.empty()) dirs = "/usr/local/share:/usr/share";
    std::vector<std::string> folders{JoinPath(home, "applications")};
    for (const std::string& dir : SplitSearchList(dirs))
        // Relative entries are invalid in this list and ignored.
        if (dir.front() == '/') folders.push_back(JoinPath(dir, "applications"));
    return folders;
}

std::vector<std::string> DesktopEntryCommand(const std::string& entryText) {
    std::optional<std::string> exec = ExecValue(entryText);
    if (!exec) return {};
    std::vector<std::string> command;
    bool documentPlaced = false;
    for (const std::string& arg : SplitArguments(*exec)) {
        std::optional<std::string> resolved = ResolveFieldCodes(arg, documentPlaced);
        if (resolved) command.push_back(*resolved);
    }
    // The program itself cannot be the document's place, nor nothing.
    if (!command.empty() && (command.front().empty() || command.front() == "%f")) command.clear();
    return command;
}

Association FindExecutable(const std::string& document, const std::vector<std::string>& mimeTypes) {
    if (!FileExists(document)) return {kDocumentMissing, {}};
    for (const std::string& mimeType : mimeTypes) {
        std::vector<std::string> command = DefaultCommand(mimeType);
        if (!command.empty()) return {kAssociationFound, std::move(command)};
    }
    return {kNoAssociation, {}};
}

}  // namespace os
