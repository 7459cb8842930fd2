#include "platform/com/ClassTable.h"

#include <algorithm>
#include <sstream>

#include "platform/vb/Strings.h"

namespace com {
namespace {

constexpr std::string_view kClassesSection = "[Classes]";
constexpr std::string_view kProgIdsSection = "[ProgIDs]";

void ReadLine(ClassTable& table, std::string_view section, std::string_view line) {
    auto equals = line.find('=');
    if (equals == std::string_view::npos) return;
    auto key = line.substr(0, equals);
    auto value = line.substr(equals + 1);
    if (section == kClassesSection) {
        if (auto clsid = Clsid::Parse(key)) table.libraries[*clsid] = std::string(value);
    } else if (section == kProgIdsSection) {
        if (auto clsid = Clsid::Parse(value)) table.progIds.emplace_back(key, *clsid);
    }
}

// One line of the file.  A line may end in CR LF, and one carriage return is dropped when it
// is read: a value that ends in one itself gets another, so that it reads back whole.
void WriteLine(std::ostream& out, const std::string& key, const std::string& value) {
    out << key << '=' << value;
    if (!value.empty() && value.back() == '\r') out << '\r';
    out << '\n';
}

auto SameProgId(std::string_view progId) {
    return [progId](const auto& entry) { return vb::TextEquals(entry.first, progId); };
}

}  // namespace

ClassTable ClassTable::Parse(std::string_view text) {
    ClassTable table;
    std::istringstream in{std::string(text)};
    std::string line;
    std::string section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with('['))
            section = line;
        else
            ReadLine(table, section, line);
    }
    return table;
}

std::string ClassTable::Format() const {
    std::ostringstream out;
    out << kClassesSection << '\n';
    for (const auto& [clsid, library] : libraries)
        WriteLine(out, clsid.ToString(), library);
    out << '\n' << kProgIdsSection << '\n';
    for (const auto& [progId, clsid] : progIds)
        WriteLine(out, progId, clsid.ToString());
    return out.str();
}

std::vector<std::pair<std::string, Clsid>>::iterator ClassTable::FindProgId(
    std::string_view progId) {
    return std::ranges::find_if(progIds, SameProgId(progId));
}

const std::string* ClassTable::LibraryOf(const Clsid& clsid) const {
    auto entry = libraries.find(clsid);
    return entry == libraries.end() ? nullptr : &entry->second;
}

const Clsid* ClassTable::ClsidOf(std::string_view progId) const {
    auto entry = std::ranges::find_if(progIds, SameProgId(progId));
    return entry == progIds.end() ? nullptr : &entry->second;
}

}  // namespace com
