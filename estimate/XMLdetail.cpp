#include "estimate/XMLdetail.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <regex>
#include <string_view>
#include <vector>

#include "platform/forms/Interaction.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/vb/Error.h"
#include "platform/vb/Now.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

constexpr const char* kDatePlaceholder = "2004-05-03";
constexpr const char* kNamePlaceholder = "ZomelBuilder XML";
constexpr const char* kClosing = "</DocumentItems></Document></Documents></QuoteWerksXML>";

void ReplaceFirst(std::string& text, const std::string& find, const std::string& with) {
    size_t at = text.find(find);
    if (at != std::string::npos) text.replace(at, find.size(), with);
}

bool Blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Where the name starting at `at` ends (`at` itself when none starts there).
size_t NameEnd(const std::string& text, size_t at) {
    auto start = [](unsigned char c) { return std::isalpha(c) || c == '_'; };
    auto inside = [](unsigned char c) {
        return std::isalnum(c) || c == '_' || c == '.' || c == '-';
    };
    if (at >= text.size() || !start(static_cast<unsigned char>(text[at]))) return at;
    while (++at < text.size() && inside(static_cast<unsigned char>(text[at]))) {
    }
    return at;
}

size_t SkipBlanks(const std::string& text, size_t at) {
    while (at < text.size() && Blank(text[at]))
        ++at;
    return at;
}

// An element's tag between its brackets: "name", "name a='v' b=\"w\"", "name/" or "/name".
struct Tag {
    std::string name;
    bool closing = false;
    bool empty = false;
};

std::optional<Tag> ReadTag(const std::string& text) {
    Tag tag;
    size_t at = 0;
    if (!text.empty() && text.front() == '/') tag.closing = true, at = 1;
    size_t end = NameEnd(text, at);
    if (end == at) return {};
    tag.name = text.substr(at, end - at);
    if (tag.closing)
        return SkipBlanks(text, end) == text.size() ? std::optional(tag) : std::nullopt;
    std::vector<std::string> attributes;
    for (at = end;;) {
        const size_t blanks = at;
        at = SkipBlanks(text, at);
        if (at == text.size()) return tag;
        if (text[at] == '/' && at + 1 == text.size()) return tag.empty = true, tag;
        end = NameEnd(text, at);
        if (blanks == at || end == at) return {};
        const std::string name = text.substr(at, end - at);
        if (std::find(attributes.begin(), attributes.end(), name) != attributes.end()) return {};
        attributes.push_back(name);
        at = SkipBlanks(text, end);
        if (at == text.size() || text[at] != '=') return {};
        at = SkipBlanks(text, at + 1);
        if (at == text.size() || (text[at] != '"' && text[at] != '\'')) return {};
        const size_t close = text.find(text[at], at + 1);
        if (close == std::string::npos || text.find_first_of("<&", at + 1) < close) return {};
        at = close + 1;
    }
}

// Text between tags: characters XML allows, "&" only in the five named references.
bool TextIsWellFormed(std::string_view text) {
    static const std::string_view kReferences[] = {"&amp;", "&lt;", "&gt;", "&quot;", "&apos;"};
    for (size_t at = 0; at < text.size(); ++at) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (c < 0x20 && !Blank(static_cast<char>(c))) return false;
        if (c != '&') continue;
        const auto named =
            std::find_if(std::begin(kReferences), std::end(kReferences),
                         [&](std::string_view r) { return text.substr(at, r.size()) == r; });
        if (named == std::end(kReferences)) return false;
    }
    return true;
}

// Whether the head is an XML declaration and the elements the closing text closes, opened in
// that nesting and left open, all well-formed: otherwise the file written would not be.
bool OpensTheItems(const std::string& head) {
    static const std::vector<std::string> kOpen = {"QuoteWerksXML", "Documents", "Document",
                                                   "DocumentItems"};
    static const std::regex kDeclaration(
        R"(<\?xml[ \t\r\n]+version[ ]*=[ ]*(["'])1\.[0-9]\1([ \t\r\n]+encoding[ ]*=[ ]*(["'])[A-Za-z][A-Za-z0-9._-]*\3)?([ \t\r\n]+standalone[ ]*=[ ]*(["'])(yes|no)\5)?[ \t\r\n]*\?>)");
    // Nothing may come before the declaration, not even a blank; it is short.
    const size_t declared = head.find("?>");
    if (!head.starts_with("<?xml") || declared == std::string::npos || declared > 200 ||
        !std::regex_match(head.begin(), head.begin() + static_cast<long>(declared + 2),
                          kDeclaration))
        return false;
    std::vector<std::string> open;
    for (size_t at = declared + 2; at < head.size();) {
        const size_t next = std::min(head.find('<', at), head.size());
        const std::string_view text = std::string_view(head).substr(at, next - at);
        // Outside the elements only blanks.
        if (open.empty() ? SkipBlanks(head, at) < next : !TextIsWellFormed(text)) return false;
        if (next == head.size()) break;
        if (head.compare(next, 4, "<!--") == 0) {
            const size_t end = head.find("--", next + 4);
            if (end == std::string::npos || head.compare(end, 3, "-->") != 0) return false;
            at = end + 3;
            continue;
        }
        const size_t end = head.find('>', next);
        if (end == std::string::npos) return false;
        const std::optional<Tag> tag = ReadTag(head.substr(next + 1, end - next - 1));
        at = end + 1;
        if (!tag || (open.empty() && !tag->closing && tag->name != kOpen.front())) return false;
        if (tag->empty) {
            if (open.empty()) return false;  // a second root element would follow
            continue;
        }
        if (!tag->closing) {
            open.push_back(tag->name);
        } else if (open.empty() || open.back() != tag->name) {
            return false;
        } else {
            open.pop_back();
        }
        // The root element is never closed in the head.
        if (open.empty()) return false;
    }
    return open == kOpen;
}

// The head names the encoding the file is written in, whatever it said.
std::string DeclaredUtf16(const std::string& header) {
    static const std::regex declaration(R"((<\?xml[^>]*encoding\s*=\s*)(["'])[^"']*\2)");
    return std::regex_replace(header, declaration, "$1$2UTF-16$2",
                              std::regex_constants::format_first_only);
}

std::string Utf16WithMark(const std::string& text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : vb::ToUtf16(text)) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// The message of an export that could not be written.  A failure that carries a cause of its
// own (a link not followed, a loop of links) tells it; without a path there is no documents
// folder, and its description names the folder and why.
std::string WhyNotWritten(const std::string& path, const vb::VbError& failure) {
    if (failure.Number() == vb::err::kDiskFull && !path.empty())
        return "There is not enough disk space to write " + path;
    if (path.empty() || failure.Description() != vb::ErrorText(failure.Number()) + ": " + path)
        return failure.Description();
    return "Make sure the file is not read only " + path;
}

}  // namespace

std::string XMLdetail::HeaderPath() {
    return os::JoinPath(os::ProgramFolder(), "Header.inc");
}

std::string XMLdetail::ExportPath() {
    return os::JoinPath(os::DocumentFolder(), "Export.xml");
}

std::string XmlEscape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                out += c;
                break;
        }
    }
    return out;
}

std::string ExportDescription(const std::string& description) {
    std::string text = vb::RTrim(description);
    if (!text.empty() && text.back() == ':') text.pop_back();
    return text;
}

std::string ExportPrice(const std::string& price) {
    return !price.empty() && price.front() == '$' ? price.substr(1) : price;
}

void XMLdetail::ExportStart() {
    ready_ = false;
    std::optional<std::string> header = os::ReadIfPresent(HeaderPath());
    if (!header) {
        forms::MsgBox("Could not open file " + HeaderPath());
        return;
    }
    if (!OpensTheItems(*header)) {
        forms::MsgBox("The file " + HeaderPath() +
                      " does not hold the XML head the export needs (the XML declaration and "
                      "the opening tags of QuoteWerksXML, Documents, Document and "
                      "DocumentItems): nothing was exported.");
        return;
    }
    document_ = DeclaredUtf16(vb::FromWindows1252(*header));
    ReplaceFirst(document_, kDatePlaceholder, vb::NowText("%Y-%m-%d"));
    if (document_.find(kNamePlaceholder) != std::string::npos) {
        const std::string fallback = "Quote " + vb::NowText();
        std::string name = forms::InputBox("What unique name do you want to use?",
                                           "XML Export Description", fallback);
        ReplaceFirst(document_, kNamePlaceholder, XmlEscape(name.empty() ? fallback : name));
    }
    ready_ = true;
}

void XMLdetail::Element(const char* name, const std::string& text) {
    document_ += std::string("<") + name + ">" + XmlEscape(text) + "</" + name + ">";
}

void XMLdetail::Item(vb::Integer row) {
    document_ += "<DocumentItem id =\"" + std::to_string(row) + "\"><LineType>1</LineType>";
}

void XMLdetail::Quantity(const std::string& text) {
    Element("QtyTotal", text);
    Element("QtyBase", text);
}

void XMLdetail::Desc(const std::string& text) {
    Element("Description", ExportDescription(text));
}

void XMLdetail::UnitPrice(const std::string& text) {
    Element("UnitPrice", ExportPrice(text));
    Element("UnitList", ExportPrice(text));
}

void XMLdetail::LinePrice(const std::string& text) {
    Element("ExtendedPrice", ExportPrice(text));
    Element("ExtendedList", ExportPrice(text));
}

void XMLdetail::Part(const std::string& text) {
    Element("ManufacturerPartNo", text);
    document_ += "</DocumentItem>";
}

// Success is reported only once the whole file is in place.
void XMLdetail::ExportClose() {
    document_ += kClosing;
    std::string path;
    try {
        path = ExportPath();
        os::ReplaceAllBytes(path, Utf16WithMark(document_));
    } catch (const vb::VbError& failure) {
        // Without a path there is no documents folder: its message names the folder and why.
        forms::MsgBox(WhyNotWritten(path, failure));
        document_.clear();
        return;
    }
    document_.clear();
    forms::MsgBox("Updated file " + path);
}

}  // namespace zomel
