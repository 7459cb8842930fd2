#pragma once

#include <optional>
#include <string>

#include "platform/vb/Types.h"

// The program's string table: "strings.tsv" in the program folder, one entry a line as the
// decimal id, a tab and the text.  In the text, "\n", "\r", "\t" and "\\" stand for line
// feed, carriage return, tab and backslash.
namespace forms {

// The text of `id`; raises error 326 when the table has no such entry, naming the table's
// file and saying when the file is missing or empty.
std::string LoadResString(vb::Long id);
std::optional<std::string> FindResString(vb::Long id);

// Reads the table again on next use (tests that swap the program folder).
void ReloadStringTable();

}  // namespace forms
