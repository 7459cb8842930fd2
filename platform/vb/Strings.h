#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/vb/Types.h"

// The language's string functions.  Text is UTF-8; positions and lengths count characters
// (code points), not bytes, and start at 1.
namespace vb {

Long Len(std::string_view text);
// Characters from `start` (1-based) on, `length` of them or to the end when negative.
// A start past the end gives ""; a start below 1 raises error 5.
std::string Mid(std::string_view text, Long start, Long length = -1);
std::string Left(std::string_view text, Long length);
std::string Right(std::string_view text, Long length);
// Position (1-based) of `find` in `text` at or after `start`; 0 when absent or when `text` is
// empty.  An empty `find` gives `start` (when start <= Len + 1); a start below 1 raises error 5.
Long InStr(Long start, std::string_view text, std::string_view find);
inline Long InStr(std::string_view text, std::string_view find) {
    return InStr(1, text, find);
}
// The last position of `find`; an empty `find` gives Len.
Long InStrRev(std::string_view text, std::string_view find);
std::string Trim(std::string_view text);
// `text` without the characters of `chars` at either end, as a view of it.
std::string_view TrimOf(std::string_view text, std::string_view chars);
std::string LTrim(std::string_view text);
std::string RTrim(std::string_view text);
std::string UCase(std::string_view text);
std::string LCase(std::string_view text);
std::string Replace(std::string_view text, std::string_view find, std::string_view with);
std::string Space(Long count);
std::string StringOf(Long count, char32_t character);
// Code of the first character (error 5 on ""); Chr gives the character of a code.
Long AscW(std::string_view text);
std::string ChrW(Long code);
// "" gives no parts; an empty delimiter gives the whole text as one part.
std::vector<std::string> Split(std::string_view text, std::string_view delimiter);
// Case-insensitive equality as the language's text comparison makes it.
bool TextEquals(std::string_view a, std::string_view b);
// Whether `text` begins with `prefix`, compared the same way.
bool TextStartsWith(std::string_view text, std::string_view prefix);

// The code points of UTF-8 text (a malformed byte becomes U+FFFD), and back.
std::u32string ToUtf32(std::string_view text);
std::string FromUtf32(std::u32string_view text);
// UTF-16 code units (characters past U+FFFF as surrogate pairs), as Unicode files hold them.
std::u16string ToUtf16(std::string_view text);

// 8-bit text of the Windows-1252 code page at the edge of files: to and from UTF-8.
std::string FromWindows1252(std::string_view bytes);
// Characters without a Windows-1252 code become "?".
std::string ToWindows1252(std::string_view text);

}  // namespace vb
