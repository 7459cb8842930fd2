#include "platform/forms/StringTable.h"

#include <charconv>
#include <unordered_map>

#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/vb/Error.h"

namespace forms {
namespace {

std::string Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i]) {
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case '\\':
                out += '\\';
                break;
            default:
                out += '\\';
                out += text[i];
                break;
        }
    }
    return out;
}

struct Table {
    bool loaded = false;
    std::unordered_map<vb::Long, std::string> entries;
};

Table& TheTable() {
    static Table table;
    return table;
}

void Parse(Table& table, std::string_view data) {
    size_t start = 0;
    while (start < data.size()) {
        size_t end = data.find('\n', start);
        if (end == std::string_view::npos) end = data.size();
        std::string_view line = data.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        start = end + 1;
        size_t tab = line.find('\t');
        if (line.empty() || line[0] == '#' || tab == std::string_view::npos) continue;
        vb::Long id = 0;
        auto [p, ec] = std::from_chars(line.data(), line.data() + tab, id);
        if (ec != std::errc{} || p != line.data() + tab) continue;
        table.entries[id] = Unescape(line.substr(tab + 1));
    }
}

Table& Loaded() {
    Table& table = TheTable();
    if (!table.loaded) {
        table.loaded = true;
        std::string path = os::ProgramFolder() + "strings.tsv";
        if (os::FileExists(path)) Parse(table, os::ReadAllBytes(path));
    }
    return table;
}

}  // namespace

std::optional<std::string> FindResString(vb::Long id) {
    const Table& table = Loaded();
    auto it = table.entries.find(id);
    if (it == table.entries.end()) return std::nullopt;
    return it->second;
}

std::string LoadResString(vb::Long id) {
    auto text = FindResString(id);
    if (!text) vb::Raise(326, "Resource with identifier '" + std::to_string(id) + "' not found");
    return *text;
}

void ReloadStringTable() {
    TheTable() = Table{};
}

}  // namespace forms
