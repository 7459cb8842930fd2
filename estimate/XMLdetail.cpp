#include "estimate/XMLdetail.h"

#include <ctime>
#include <regex>

#include "platform/forms/Interaction.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"

namespace zomel {
namespace {

constexpr const char* kDatePlaceholder = "2004-05-03";
constexpr const char* kNamePlaceholder = "ZomelBuilder XML";
constexpr const char* kClosing = "</DocumentItems></Document></Documents></QuoteWerksXML>";

std::string NowText(const char* format) {
    std::time_t now = std::time(nullptr);
    char text[64];
    std::strftime(text, sizeof text, format, std::localtime(&now));
    return text;
}

void ReplaceFirst(std::string& text, const std::string& find, const std::string& with) {
    size_t at = text.find(find);
    if (at != std::string::npos) text.replace(at, find.size(), with);
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
    document_ = DeclaredUtf16(vb::FromWindows1252(*header));
    ReplaceFirst(document_, kDatePlaceholder, NowText("%Y-%m-%d"));
    if (document_.find(kNamePlaceholder) != std::string::npos) {
        const std::string fallback = "Quote " + NowText("%m/%d/%Y %I:%M:%S %p");
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
    const std::string path = ExportPath();
    try {
        os::ReplaceAllBytes(path, Utf16WithMark(document_));
    } catch (const vb::VbError& failure) {
        forms::MsgBox((failure.Number() == vb::err::kDiskFull
                           ? "There is not enough disk space to write "
                           : "Make sure the file is not read only ") +
                      path);
        document_.clear();
        return;
    }
    document_.clear();
    forms::MsgBox("Updated file " + path);
}

}  // namespace zomel
