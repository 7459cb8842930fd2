#include "tools/catcode/CatalogueSource.h"

#include <stdexcept>

#include "core/PriceCode.h"

namespace catcode {

namespace {

constexpr std::string_view DateDirective = "@date";

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// What the file format cannot carry: commas split fields, quotes enclose them, and the file
// is 8-bit text, so the source keeps to printable ASCII.
void CheckStorable(std::string_view field, int line) {
    for (unsigned char c : field) {
        if (c == ',' || c == '"' || c < 0x20 || c > 0x7e)
            throw std::runtime_error("line " + std::to_string(line) +
                                     ": a field may hold printable ASCII but no comma or quote");
    }
}

SourceRow ParseRow(std::string_view text, int line) {
    SourceRow row;
    row.sourceLine = line;
    size_t count = 0;
    size_t start = 0;
    while (true) {
        const auto bar = text.find('|', start);
        if (count == row.fields.size())
            throw std::runtime_error("line " + std::to_string(line) + ": more than nine fields");
        const auto field = Trimmed(text.substr(start, bar - start));
        CheckStorable(field, line);
        row.fields[count++] = field;
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    if (count != row.fields.size())
        throw std::runtime_error("line " + std::to_string(line) + ": fewer than nine fields");
    try {
        row.cents = ParseAmount(row.fields[PriceField]);
    } catch (const std::invalid_argument&) {
        throw std::runtime_error("line " + std::to_string(line) + ": price \"" +
                                 row.fields[PriceField] + "\" is not an amount");
    }
    return row;
}

std::string Quoted(std::string_view field) {
    return "\"" + std::string(field) + "\"";
}

}  // namespace

std::int64_t ParseAmount(std::string_view text) {
    const auto point = text.find('.');
    const auto whole = text.substr(0, point);
    const auto cents =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.empty() || whole.size() > 12 || cents.size() > 2)
        throw std::invalid_argument("not an amount");
    std::int64_t value = 0;
    for (char c : whole) {
        if (c < '0' || c > '9') throw std::invalid_argument("not an amount");
        value = value * 10 + (c - '0');
    }
    std::int64_t fraction = 0;
    for (char c : cents) {
        if (c < '0' || c > '9') throw std::invalid_argument("not an amount");
        fraction = fraction * 10 + (c - '0');
    }
    if (cents.size() == 1) fraction *= 10;
    return value * 100 + fraction;
}

CatalogueSource ParseCatalogueSource(std::string_view text) {
    CatalogueSource source;
    int line = 0;
    size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const auto content = Trimmed(text.substr(start, end - start));
        start = end + 1;
        ++line;
        if (content.empty() || content.front() == '#') continue;
        if (content.starts_with(DateDirective)) {
            source.date = Trimmed(content.substr(DateDirective.size()));
            CheckStorable(source.date, line);
            continue;
        }
        source.rows.push_back(ParseRow(content, line));
    }
    return source;
}

std::string CodeCatalogue(const CatalogueSource& source) {
    std::string file;
    std::int32_t fileLine = 0;
    for (const auto& row : source.rows) {
        ++fileLine;
        for (size_t i = 0; i < row.fields.size(); ++i) {
            if (i > 0) file += ',';
            file += Quoted(i == PriceField ? zomel::pricecode::EncodePrice(row.cents, fileLine)
                                           : row.fields[i]);
        }
        if (fileLine == 1 && !source.date.empty()) file += "," + Quoted(source.date);
        file += "\r\n";
    }
    return file;
}

}  // namespace catcode
