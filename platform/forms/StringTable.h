#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/vb/Types.h"

// The program's string table: "strings.tsv" in the program folder, one entry a line as the
// decimal id, a tab and the text.  In the text, "\n", "\r", "\t" and "\\" stand for line
// feed, carriage return, tab and backslash.
namespace forms {

// The text of `id`; raises error 326 when the table has no such entry, naming the table's
// file and saying when the file is missing or empty.
std::string LoadResString(vb::Long id);
std::optional<std::string> FindResString(vb::Long id);

// The entries of a string table's text; lines that are not a decimal id, a tab and the text
// are passed over, and a later entry of an id replaces an earlier one.
std::unordered_map<vb::Long, std::string> ParseStringTable(std::string_view text);

// Reads the table again on next use (tests that swap the program folder).
void ReloadStringTable();

}  // namespace forms
