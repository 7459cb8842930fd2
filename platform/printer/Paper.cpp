#include "platform/printer/Paper.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <string>

#include "platform/os/Files.h"
#include "platform/vb/Strings.h"

namespace forms {
namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kPointsPerMillimetre = kPointsPerInch / 25.4;

constexpr Paper Inches(double width, double height) {
    return {width * kPointsPerInch, height * kPointsPerInch};
}
constexpr Paper Millimetres(double width, double height) {
    return {width * kPointsPerMillimetre, height * kPointsPerMillimetre};
}

struct NamedPaper {
    std::string_view name;
    Paper paper;
};

constexpr std::array kPapers{
    NamedPaper{"a3", Millimetres(297, 420)},     NamedPaper{"a4", Millimetres(210, 297)},
    NamedPaper{"a5", Millimetres(148, 210)},     NamedPaper{"b5", Millimetres(176, 250)},
    NamedPaper{"letter", Inches(8.5, 11)},       NamedPaper{"legal", Inches(8.5, 14)},
    NamedPaper{"executive", Inches(7.25, 10.5)}, NamedPaper{"tabloid", Inches(11, 17)},
    NamedPaper{"11x17", Inches(11, 17)},
};

std::optional<double> Number(std::string_view text) {
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value > 0) || value > 1e4)
        return std::nullopt;
    return value;
}

// The size a self-describing name ends with: "..._210x297mm" or "..._8.5x11in".
std::optional<Paper> GivenSize(std::string_view name) {
    const size_t last = name.rfind('_');
    if (last == std::string_view::npos) return std::nullopt;
    std::string_view size = name.substr(last + 1);
    double scale = 0;
    if (size.ends_with("mm"))
        scale = kPointsPerMillimetre;
    else if (size.ends_with("in"))
        scale = kPointsPerInch;
    else
        return std::nullopt;
    size.remove_suffix(2);
    const size_t by = size.find('x');
    if (by == std::string_view::npos) return std::nullopt;
    std::optional<double> width = Number(size.substr(0, by));
    std::optional<double> height = Number(size.substr(by + 1));
    if (!width || !height) return std::nullopt;
    return Paper{*width * scale, *height * scale};
}

// The first word of a papersize file, past its comment lines.
std::string FirstWord(const std::string& text) {
    size_t at = 0;
    while (at < text.size()) {
        at = text.find_first_not_of(" \t\r\n", at);
        if (at == std::string::npos) return {};
        if (text[at] != '#') break;
        at = text.find('\n', at);
    }
    if (at >= text.size()) return {};
    return text.substr(at, text.find_first_of(" \t\r\n", at) - at);
}

// An unreadable setting is no setting: the next place decides.  A paper's name is near the
// start of its file; a file that goes on (a device named by mistake) is read no further.
std::optional<Paper> PaperInFile(const std::string& path) {
    constexpr size_t kMostBytes = 4096;
    const std::optional<std::string> text = os::ReadIfPresent(path, kMostBytes);
    return text ? PaperNamed(FirstWord(*text)) : std::nullopt;
}

}  // namespace

std::optional<Paper> PaperNamed(std::string_view name) {
    // A print driver's variant of a sheet ("A4.Fullbleed") is the same sheet.
    const std::string lower = vb::LCase(name.substr(0, name.find('.')));
    for (const NamedPaper& known : kPapers)
        if (known.name == lower) return known.paper;
    return GivenSize(name);
}

std::optional<Paper> DesktopPaper() {
    if (const char* size = std::getenv("PAPERSIZE"))
        if (std::optional<Paper> paper = PaperNamed(vb::Trim(size))) return paper;
    if (const char* file = std::getenv("PAPERCONF"); file && *file)
        if (std::optional<Paper> paper = PaperInFile(file)) return paper;
    return PaperInFile("/etc/papersize");
}

}  // namespace forms
