#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/vb/Types.h"

// How the fields of a catalogue line are read.  Each raises the language's error where the
// original conversion would, so that the loader reports the field and goes on.
namespace zomel::catalogue {

// The lines of a text file, each ended by carriage return and line feed; text after the last
// line end is not a line.
std::vector<std::string> EndedLines(const std::string& text);
// The fields of a line, split at every comma (no field holds one).
std::vector<std::string> SplitFields(const std::string& rowText);
// Field `index`; error 9 when the line has fewer fields.
const std::string& Field(const std::vector<std::string>& fields, size_t index);
// The field without its enclosing characters; error 5 when it has fewer than two.
std::string Unquote(const std::string& field);
// The leading number of the text rounded half to even, 0 when none; error 6 beyond 16 bits.
vb::Integer Num(const std::string& text);
// The text as a 16-bit number; error 13 when it is not one, 6 beyond 16 bits.
vb::Integer Int(const std::string& text);
// The number of a price text: all but its first character ("$"); error 13 when empty.
vb::Single CostOf(const std::string& price);
// An option row's stored part number that is a placeholder ("000..." inside the quotes).
bool IsPlaceholder(const std::string& storedField);
// The fourteen layout names that make an "OPTION-SET" row a base row.
bool IsLayoutName(std::string_view info);

}  // namespace zomel::catalogue
