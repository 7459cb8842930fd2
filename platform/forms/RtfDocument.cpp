#include "platform/forms/RtfDocument.h"

#include <algorithm>
#include <array>
#include <climits>
#include <string>

#include "platform/vb/Strings.h"

namespace forms {
namespace {

// Destinations whose text is not part of what the document shows.
constexpr std::array<std::string_view, 32> kHiddenDestinations = {
    "colortbl",  "stylesheet",        "info",         "pict",      "object",
    "header",    "headerl",           "headerr",      "headerf",   "footer",
    "footerl",   "footerr",           "footerf",      "footnote",  "fldinst",
    "themedata", "datastore",         "latentstyles", "listtable", "listoverridetable",
    "rsidtbl",   "generator",         "xmlnstbl",     "mmathPr",   "filetbl",
    "revtbl",    "pgdsctbl",          "listtext",     "pntext",    "pntxta",
    "pntxtb",    "colorschememapping"};

struct GroupState {
    RtfCharFormat format;
    bool hidden = false;
    bool fontTable = false;
    int uc = 1;  // fallback characters after a Unicode mark
};

struct ControlWord {
    std::string_view name;
    bool hasParam = false;
    int param = 0;
    size_t end = 0;  // just after the word and its delimiting blank
};

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads the control word starting at `at`, the backslash's next character.
ControlWord ReadControlWord(std::string_view source, size_t at) {
    ControlWord word;
    size_t i = at;
    while (i < source.size() && IsLetter(source[i]) && i - at < 32)
        ++i;
    word.name = source.substr(at, i - at);
    bool negative = i < source.size() && source[i] == '-';
    size_t digits = negative ? i + 1 : i;
    if (digits < source.size() && IsDigit(source[digits])) {
        long long value = 0;
        i = digits;
        while (i < source.size() && IsDigit(source[i])) {
            if (value < INT_MAX) value = value * 10 + (source[i] - '0');
            ++i;
        }
        value = std::min<long long>(value, INT_MAX);
        word.hasParam = true;
        word.param = static_cast<int>(negative ? -value : value);
    }
    if (i < source.size() && source[i] == ' ') ++i;
    word.end = i;
    return word;
}

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

char32_t FromCodePage(unsigned char byte) {
    if (byte < 0x80) return byte;
    return vb::ToUtf32(vb::FromWindows1252(std::string(1, static_cast<char>(byte)))).front();
}

char32_t NamedCharacter(std::string_view name) {
    static const std::array<std::pair<std::string_view, char32_t>, 12> kNamed = {{
        {"par", U'\n'},
        {"line", U'\n'},
        {"tab", U'\t'},
        {"emdash", 0x2014},
        {"endash", 0x2013},
        {"bullet", 0x2022},
        {"lquote", 0x2018},
        {"rquote", 0x2019},
        {"ldblquote", 0x201C},
        {"rdblquote", 0x201D},
        {"emspace", U' '},
        {"enspace", U' '},
    }};
    for (const auto& [word, code] : kNamed)
        if (word == name) return code;
    return 0;
}

bool IsUnderlineWord(std::string_view name) {
    return name == "ul" || name == "ulw" || name == "uld" || name == "uldb" || name == "ulth" ||
           name == "uldash" || name == "ulwave";
}

char32_t Folded(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
    return c;
}

bool IsWordCharacter(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') ||
           c == U'_' || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

// The parser of one document: walks the source once and fills the document's tables.
class Parser {
public:
    Parser(std::string_view source, std::u32string& text, std::vector<size_t>& begin,
           std::vector<size_t>& end, std::vector<RtfCharFormat>& formats,
           std::map<int, std::string>& fonts)
        : source_(source),
          text_(text),
          begin_(begin),
          end_(end),
          formats_(formats),
          fonts_(fonts) {}

    // Where the document's body ends: its closing brace, else the end of the source.
    size_t Run() {
        stack_.push_back(GroupState{});
        size_t i = 0;
        while (i < source_.size()) {
            char c = source_[i];
            if (c == '{') {
                stack_.push_back(stack_.back());
                ++i;
            } else if (c == '}') {
                if (stack_.size() > 1) stack_.pop_back();
                if (stack_.size() == 1 && opened_) return i;
                ++i;
            } else if (c == '\\') {
                i = Control(i);
                // Binary data after \bin is not text.
                i = std::min(source_.size(), i + skipBinary_);
                skipBinary_ = 0;
            } else if (c == '\r' || c == '\n') {
                ++i;
            } else {
                Text(FromCodePage(static_cast<unsigned char>(c)), i, i + 1, true);
                ++i;
            }
            if (stack_.size() > 1) opened_ = true;
        }
        return source_.size();
    }

private:
    GroupState& Top() { return stack_.back(); }

    void Emit(char32_t code, size_t from, size_t to) {
        text_ += code;
        begin_.push_back(from);
        end_.push_back(to);
        formats_.push_back(Top().format);
    }

    // A character of the text; `fallback` when it may stand for a Unicode mark just read.
    void Text(char32_t code, size_t from, size_t to, bool fallback) {
        if (fallback && skipFallback_ > 0) {
            --skipFallback_;
            if (!end_.empty() && lastWasUnicode_) end_.back() = to;
            return;
        }
        lastWasUnicode_ = false;
        if (Top().hidden) return;
        if (Top().fontTable) {
            FontNameCharacter(code);
            return;
        }
        Emit(code, from, to);
    }

    void FontNameCharacter(char32_t code) {
        if (code == U';') {
            fonts_[currentFont_] = vb::Trim(fontName_);
            fontName_.clear();
        } else {
            fontName_ += vb::FromUtf32(std::u32string(1, code));
        }
    }

    size_t Control(size_t at) {
        if (at + 1 >= source_.size()) return source_.size();
        char next = source_[at + 1];
        if (IsLetter(next)) {
            ControlWord word = ReadControlWord(source_, at + 1);
            Word(word, at);
            return word.end;
        }
        if (next == '\'') {
            int high = at + 2 < source_.size() ? HexValue(source_[at + 2]) : -1;
            int low = at + 3 < source_.size() ? HexValue(source_[at + 3]) : -1;
            if (high < 0 || low < 0) return at + 2;
            Text(FromCodePage(static_cast<unsigned char>(high * 16 + low)), at, at + 4, true);
            return at + 4;
        }
        Symbol(next, at);
        return at + 2;
    }

    void Symbol(char symbol, size_t at) {
        switch (symbol) {
            case '\\':
            case '{':
            case '}':
                Text(static_cast<char32_t>(symbol), at, at + 2, true);
                break;
            case '~':
                Text(0xA0, at, at + 2, true);
                break;
            case '_':
                Text(U'-', at, at + 2, true);
                break;
            case '*':
                Top().hidden = true;
                break;
            case '\n':
            case '\r':
                Text(U'\n', at, at + 2, false);
                break;
            default:
                break;
        }
    }

    void Word(const ControlWord& word, size_t at) {
        GroupState& top = Top();
        if (word.name == "bin") {
            skipBinary_ = word.hasParam && word.param > 0 ? static_cast<size_t>(word.param) : 0;
            return;
        }
        if (top.hidden) return;
        if (word.name == "fonttbl") {
            top.fontTable = true;
            return;
        }
        if (std::find(kHiddenDestinations.begin(), kHiddenDestinations.end(), word.name) !=
            kHiddenDestinations.end()) {
            top.hidden = true;
            return;
        }
        if (top.fontTable) {
            if (word.name == "f") currentFont_ = word.param;
            return;
        }
        if (word.name == "u") {
            Unicode(word, at);
            return;
        }
        skipFallback_ = 0;
        if (char32_t named = NamedCharacter(word.name)) {
            Text(named, at, word.end, false);
            return;
        }
        Format(word);
    }

    void Unicode(const ControlWord& word, size_t at) {
        int value = word.param < 0 ? word.param + 65536 : word.param;
        char32_t code = static_cast<char32_t>(std::clamp(value, 0, 0xFFFF));
        skipFallback_ = std::max(Top().uc, 0);
        if (code >= 0xD800 && code <= 0xDBFF) {
            highSurrogate_ = code;
            highBegin_ = at;
            return;
        }
        size_t from = at;
        if (code >= 0xDC00 && code <= 0xDFFF) {
            if (highSurrogate_ == 0) return;
            code = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (code - 0xDC00);
            from = highBegin_;
        }
        highSurrogate_ = 0;
        Emit(code, from, word.end);
        lastWasUnicode_ = true;
    }

    void Format(const ControlWord& word) {
        RtfCharFormat& f = Top().format;
        const bool on = !word.hasParam || word.param != 0;
        const std::string_view n = word.name;
        if (n == "b")
            f.bold = on;
        else if (n == "i")
            f.italic = on;
        else if (IsUnderlineWord(n))
            f.underline = on;
        else if (n == "ulnone")
            f.underline = false;
        else if (n == "fs")
            f.halfPoints = word.hasParam && word.param > 0 ? word.param : 24;
        else if (n == "f")
            f.font = word.param;
        else if (n == "deff")
            defaultFont_ = word.param;
        else if (n == "uc")
            Top().uc = word.param;
        else if (n == "pard" || n == "ql")
            f.alignment = 0;
        else if (n == "qr")
            f.alignment = 1;
        else if (n == "qc")
            f.alignment = 2;
        else if (n == "qj")
            f.alignment = 3;
        else if (n == "plain") {
            int alignment = f.alignment;
            f = RtfCharFormat{};
            f.font = defaultFont_;
            f.alignment = alignment;
        }
    }

    std::string_view source_;
    std::u32string& text_;
    std::vector<size_t>& begin_;
    std::vector<size_t>& end_;
    std::vector<RtfCharFormat>& formats_;
    std::map<int, std::string>& fonts_;
    std::vector<GroupState> stack_;
    bool opened_ = false;
    int currentFont_ = 0;
    int defaultFont_ = 0;
    std::string fontName_;
    int skipFallback_ = 0;
    bool lastWasUnicode_ = false;
    size_t skipBinary_ = 0;
    char32_t highSurrogate_ = 0;
    size_t highBegin_ = 0;
};

}  // namespace

std::string RtfEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : vb::ToUtf32(text)) {
        if (c == U'\\' || c == U'{' || c == U'}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == U'\n') {
            out += "\\par ";
        } else if (c == U'\r') {
            // Part of a line end; the line feed makes the mark.
        } else if (c == U'\t') {
            out += "\\tab ";
        } else if (c < 0x20) {
            // Other control characters have no place in a document.
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (std::string byte = vb::ToWindows1252(vb::FromUtf32(std::u32string(1, c)));
                   byte != "?") {
            // The code page of the documents: every reader knows these.
            static const char kHex[] = "0123456789abcdef";
            const auto value = static_cast<unsigned char>(byte.front());
            out += "\\'";
            out += kHex[value >> 4];
            out += kHex[value & 15];
        } else {
            auto mark = [&out](long unit) {
                out += "\\u" + std::to_string(unit > 32767 ? unit - 65536 : unit) + "?";
            };
            if (c < 0x10000) {
                mark(static_cast<long>(c));
            } else {
                mark(0xD800 + static_cast<long>((c - 0x10000) >> 10));
                mark(0xDC00 + static_cast<long>((c - 0x10000) & 0x3FF));
            }
        }
    }
    return out;
}

void RtfDocument::SetRtf(std::string rtf) {
    if (!rtf.starts_with("{\\rtf")) {
        SetText(rtf);
        return;
    }
    source_ = std::move(rtf);
    Parse();
}

void RtfDocument::SetText(std::string_view text) {
    source_ = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss DejaVu Sans;}}\n\\pard\\plain\\fs20 " +
              RtfEscape(text) + "\n}\n";
    Parse();
}

void RtfDocument::Parse() {
    text_.clear();
    begin_.clear();
    end_.clear();
    formats_.clear();
    fonts_.clear();
    Parser parser(source_, text_, begin_, end_, formats_, fonts_);
    bodyEnd_ = parser.Run();
}

std::string RtfDocument::Text() const {
    return vb::FromUtf32(text_);
}

std::string RtfDocument::TextRange(vb::Long start, vb::Long length) const {
    start = std::clamp<vb::Long>(start, 0, Length());
    length = std::clamp<vb::Long>(length, 0, Length() - start);
    return vb::FromUtf32(
        std::u32string_view(text_).substr(static_cast<size_t>(start), static_cast<size_t>(length)));
}

std::string RtfDocument::FontName(int font) const {
    auto it = fonts_.find(font);
    return it == fonts_.end() ? std::string() : it->second;
}

size_t RtfDocument::SourceAt(vb::Long position) const {
    if (position >= Length()) return bodyEnd_;
    return begin_[static_cast<size_t>(std::max<vb::Long>(position, 0))];
}

size_t RtfDocument::SourceEnd(vb::Long position) const {
    return end_[static_cast<size_t>(position)];
}

void RtfDocument::Splice(vb::Long start, vb::Long length, std::string_view replacement) {
    start = std::clamp<vb::Long>(start, 0, Length());
    length = std::clamp<vb::Long>(length, 0, Length() - start);
    const size_t from = SourceAt(start);
    const size_t to = length > 0 ? SourceEnd(start + length - 1) : from;
    source_.replace(from, to - from, replacement);
    Parse();
}

void RtfDocument::ReplaceText(vb::Long start, vb::Long length, std::string_view text) {
    Splice(start, length, RtfEscape(text));
}

vb::Long RtfDocument::ReplaceWithRtf(vb::Long start, vb::Long length, std::string_view fragment) {
    start = std::clamp<vb::Long>(start, 0, Length());
    length = std::clamp<vb::Long>(length, 0, Length() - start);
    const vb::Long kept = Length() - length;
    Splice(start, length, fragment);
    return Length() - kept;
}

vb::Long RtfDocument::Find(std::string_view find, vb::Long start, vb::Long end,
                           vb::Long options) const {
    const std::u32string wanted = vb::ToUtf32(find);
    const vb::Long size = static_cast<vb::Long>(wanted.size());
    if (size == 0) return -1;
    if (end < 0 || end > Length()) end = Length();
    const bool matchCase = (options & kMatchCase) != 0;
    const bool wholeWord = (options & kWholeWord) != 0;
    for (vb::Long p = std::max<vb::Long>(start, 0); p + size <= end; ++p) {
        bool same = true;
        for (vb::Long k = 0; k < size && same; ++k) {
            char32_t a = text_[static_cast<size_t>(p + k)];
            char32_t b = wanted[static_cast<size_t>(k)];
            same = matchCase ? a == b : Folded(a) == Folded(b);
        }
        if (!same) continue;
        if (wholeWord) {
            bool before = p > 0 && IsWordCharacter(text_[static_cast<size_t>(p - 1)]);
            bool after =
                p + size < Length() && IsWordCharacter(text_[static_cast<size_t>(p + size)]);
            if (before || after) continue;
        }
        return p;
    }
    return -1;
}

}  // namespace forms
