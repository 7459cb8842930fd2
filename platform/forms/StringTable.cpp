#include "platform/forms/StringTable.h"

#include <charconv>
#include <unordered_map>

#include "platform/os/Escapes.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/vb/Error.h"

namespace forms {

std::unordered_map<vb::Long, std::string> ParseStringTable(std::string_view data) {
    std::unordered_map<vb::Long, std::string> entries;
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
        entries[id] = os::Unescape(line.substr(tab + 1), os::Escapes::Control);
    }
    return entries;
}

namespace {

struct Table {
    bool loaded = false;
    std::string path;
    std::string state;  // what is wrong with the file as a whole, if anything
    std::unordered_map<vb::Long, std::string> entries;
};

Table& TheTable() {
    static Table table;
    return table;
}

Table& Loaded() {
    Table& table = TheTable();
    if (!table.loaded) {
        table.loaded = true;
        table.path = os::ProgramFolder() + "strings.tsv";
        if (auto bytes = os::ReadIfPresent(table.path))
            table.entries = ParseStringTable(*bytes);
        else
            table.state = os::FileExists(table.path) ? "cannot be read" : "is missing";
        if (table.state.empty() && table.entries.empty()) table.state = "holds no entries";
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
    if (text) return *text;
    const Table& table = Loaded();
    std::string description = "Resource with identifier '" + std::to_string(id) + "' not found";
    if (table.state.empty())
        description += " in the string table " + table.path;
    else
        description += ": the string table " + table.path + " " + table.state;
    vb::Raise(vb::err::kResourceNotFound, description);
}

void ReloadStringTable() {
    TheTable() = Table{};
}

}  // namespace forms
