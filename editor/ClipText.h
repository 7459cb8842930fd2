#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zomel {

// The entries of "ClipText.txt" (Windows-1252 text): one a line, an empty line too; the line
// end after the last line ends it.
std::vector<std::string> ClipTextEntries(std::string_view bytes);

}  // namespace zomel
