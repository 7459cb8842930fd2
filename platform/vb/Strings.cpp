#include "platform/vb/Strings.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/vb/Error.h"

namespace vb {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// One character of UTF-8 text.  A byte that does not start a well-formed sequence counts as
// one character of its own, so text that is not valid UTF-8 keeps every byte when sliced.
struct Decoded {
    char32_t code;
    size_t size;
};

Decoded DecodeAt(std::string_view text, size_t at) {
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(at);
    if (lead < 0x80) return {lead, 1};
    size_t size = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (size == 0 || lead > 0xF4 || at + size > text.size()) return {kReplacement, 1};
    char32_t code = lead & (0x7F >> size);
    for (size_t i = 1; i < size; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return {kReplacement, 1};
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are malformed.
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kMinimum[size] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {kReplacement, 1};
    }
    return {code, size};
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Byte offset of the character `count` characters in; the size when the text is shorter.
size_t ByteOffset(std::string_view text, size_t count) {
    size_t at = 0;
    while (count-- > 0 && at < text.size())
        at += DecodeAt(text, at).size;
    return at;
}

Long CharacterIndex(std::string_view text, size_t byteOffset) {
    Long count = 0;
    for (size_t at = 0; at < byteOffset; at += DecodeAt(text, at).size)
        ++count;
    return count;
}

// Case pairs of the Latin, Greek and Cyrillic letters the program may meet.
char32_t ToUpper(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c < 0xB5) return c;
    if (c == 0xB5) return 0x39C;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;
    if (c == 0xFF) return 0x178;
    if (c == 0x131) return 'I';  // dotless i
    if (c >= 0x100 && c <= 0x137) return c & ~1u;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c : c - 1;
    if (c >= 0x14A && c <= 0x177) return c & ~1u;
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 32;
    if (c >= 0x430 && c <= 0x44F) return c - 32;
    if (c >= 0x450 && c <= 0x45F) return c - 80;
    return c;
}

char32_t ToLower(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c < 0xC0) return c;
    if (c <= 0xDE && c != 0xD7) return c + 32;
    if (c == 0x178) return 0xFF;
    if (c == 0x130) return 'i';  // dotted capital I
    if (c >= 0x100 && c <= 0x137) return c | 1u;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c + 1 : c;
    if (c >= 0x14A && c <= 0x177) return c | 1u;
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 32;
    if (c >= 0x410 && c <= 0x42F) return c + 32;
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    return c;
}

// Maps each character; malformed bytes are copied as they are.
template <class Map>
std::string MapCharacters(std::string_view text, Map map) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        Decoded d = DecodeAt(text, at);
        if (d.code == kReplacement && d.size == 1) {
            out += text[at];
        } else {
            AppendUtf8(out, map(d.code));
        }
        at += d.size;
    }
    return out;
}

void CheckLength(Long length) {
    if (length < 0) Raise(err::kInvalidCall);
}

// Windows-1252 codes 0x80-0x9F; the five unassigned ones stand for the C1 control of the
// same number, so that any byte survives a round trip.
constexpr std::array<char16_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ToWindows1252Byte(char32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
    auto found = std::find(kHighTable.begin(), kHighTable.end(), code);
    if (found == kHighTable.end()) return '?';
    return static_cast<char>(0x80 + (found - kHighTable.begin()));
}

}  // namespace

Long Len(std::string_view text) {
    return CharacterIndex(text, text.size());
}

std::string Mid(std::string_view text, Long start, Long length) {
    if (start < 1) Raise(err::kInvalidCall);
    size_t from = ByteOffset(text, static_cast<size_t>(start - 1));
    std::string_view rest = text.substr(from);
    if (length < 0) return std::string(rest);
    return std::string(rest.substr(0, ByteOffset(rest, static_cast<size_t>(length))));
}

std::string Left(std::string_view text, Long length) {
    CheckLength(length);
    return std::string(text.substr(0, ByteOffset(text, static_cast<size_t>(length))));
}

std::string Right(std::string_view text, Long length) {
    CheckLength(length);
    Long total = Len(text);
    if (length >= total) return std::string(text);
    return std::string(text.substr(ByteOffset(text, static_cast<size_t>(total - length))));
}

Long InStr(Long start, std::string_view text, std::string_view find) {
    if (start < 1) Raise(err::kInvalidCall);
    if (text.empty()) return 0;
    size_t from = ByteOffset(text, static_cast<size_t>(start - 1));
    if (CharacterIndex(text, from) < start - 1) return 0;  // start lies past the end + 1
    if (find.empty()) return start;
    size_t found = text.find(find, from);
    return found == std::string_view::npos ? 0 : CharacterIndex(text, found) + 1;
}

Long InStrRev(std::string_view text, std::string_view find) {
    if (text.empty()) return 0;
    if (find.empty()) return Len(text);
    size_t found = text.rfind(find);
    return found == std::string_view::npos ? 0 : CharacterIndex(text, found) + 1;
}

std::string LTrim(std::string_view text) {
    size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string RTrim(std::string_view text) {
    size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string Trim(std::string_view text) {
    return std::string(TrimOf(text, " "));
}

std::string_view TrimOf(std::string_view text, std::string_view chars) {
    const size_t first = text.find_first_not_of(chars);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(chars) - first + 1);
}

std::string UCase(std::string_view text) {
    return MapCharacters(text, ToUpper);
}
std::string LCase(std::string_view text) {
    return MapCharacters(text, ToLower);
}

std::string Replace(std::string_view text, std::string_view find, std::string_view with) {
    if (find.empty()) return std::string(text);
    std::string out;
    out.reserve(text.size());
    size_t at = 0;
    for (size_t found; (found = text.find(find, at)) != std::string_view::npos;
         at = found + find.size()) {
        out.append(text.substr(at, found - at));
        out.append(with);
    }
    out.append(text.substr(at));
    return out;
}

std::string Space(Long count) {
    CheckLength(count);
    return std::string(static_cast<size_t>(count), ' ');
}

std::string StringOf(Long count, char32_t character) {
    CheckLength(count);
    std::string one;
    AppendUtf8(one, character);
    std::string out;
    out.reserve(one.size() * static_cast<size_t>(count));
    for (Long i = 0; i < count; ++i)
        out += one;
    return out;
}

Long AscW(std::string_view text) {
    if (text.empty()) Raise(err::kInvalidCall);
    return static_cast<Long>(DecodeAt(text, 0).code);
}

std::string ChrW(Long code) {
    if (code < 0 && code >= -32768) code += 65536;  // 16-bit codes given as negative Integers
    if (code < 0 || code > 0x10FFFF) Raise(err::kInvalidCall);
    bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    std::string out;
    AppendUtf8(out, surrogate ? kReplacement : static_cast<char32_t>(code));
    return out;
}

std::vector<std::string> Split(std::string_view text, std::string_view delimiter) {
    std::vector<std::string> parts;
    if (text.empty()) return parts;
    if (delimiter.empty()) return {std::string(text)};
    size_t at = 0;
    for (size_t found; (found = text.find(delimiter, at)) != std::string_view::npos;
         at = found + delimiter.size()) {
        parts.emplace_back(text.substr(at, found - at));
    }
    parts.emplace_back(text.substr(at));
    return parts;
}

namespace {

// How far `a` and `b` agree from their start, compared without case: the bytes of each.
std::pair<size_t, size_t> AgreeingStart(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        Decoded x = DecodeAt(a, i), y = DecodeAt(b, j);
        if (ToUpper(x.code) != ToUpper(y.code)) break;
        // Malformed bytes compare as themselves.
        if (x.code == kReplacement && a.substr(i, x.size) != b.substr(j, y.size)) break;
        i += x.size;
        j += y.size;
    }
    return {i, j};
}

}  // namespace

bool TextEquals(std::string_view a, std::string_view b) {
    const auto [i, j] = AgreeingStart(a, b);
    return i == a.size() && j == b.size();
}

bool TextStartsWith(std::string_view text, std::string_view prefix) {
    return AgreeingStart(text, prefix).second == prefix.size();
}

std::u32string ToUtf32(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        Decoded d = DecodeAt(text, at);
        out += d.code;
        at += d.size;
    }
    return out;
}

std::string FromUtf32(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t code : text)
        AppendUtf8(out, code);
    return out;
}

std::u16string ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char32_t code : ToUtf32(text)) {
        if (code < 0x10000) {
            out += static_cast<char16_t>(code);
        } else {
            code -= 0x10000;
            out += static_cast<char16_t>(0xD800 | (code >> 10));
            out += static_cast<char16_t>(0xDC00 | (code & 0x3FF));
        }
    }
    return out;
}

std::string FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        AppendUtf8(out, byte >= 0x80 && byte < 0xA0 ? kHighTable[byte - 0x80] : byte);
    }
    return out;
}

std::string ToWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        Decoded d = DecodeAt(text, at);
        out += ToWindows1252Byte(d.code == kReplacement ? U'?' : d.code);
        at += d.size;
    }
    return out;
}

}  // namespace vb
