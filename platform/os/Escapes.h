#pragma once

#include <string>
#include <string_view>

namespace os {

// The backslash escapes a text format knows: every one takes \n \r \t and \\; a desktop entry
// also writes a blank as \s.
enum class Escapes { Control, ControlAndBlank };

// `text` with its escapes decoded.  Any other backslash, and one that ends the text, stays as
// it stands with the character after it, for the reader's own rules.
std::string Unescape(std::string_view text, Escapes escapes);

}  // namespace os
