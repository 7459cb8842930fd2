#include "platform/vb/Format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "platform/vb/Conversion.h"
#include "platform/vb/Strings.h"

namespace vb {
namespace {

struct Token {
    enum class Kind { Literal, Digit, Point };
    Kind kind = Kind::Literal;
    char placeholder = 0;  // '0' or '#' for a digit
    std::string text;      // the literal
};

// One ";" section of a pattern, parsed.
struct Section {
    std::vector<Token> tokens;
    size_t point = 0;  // index of the Point token, or tokens.size()
    int fractionDigits = 0;
    int scaleThousands = 0;
    bool grouping = false;
    bool percent = false;
};

// The value's digits rounded half away from zero at `fractionDigits` decimals, read from
// its 15 significant digits as the language does (so 1.005 rounds to 1.01).
struct Digits {
    std::string whole;  // without leading zeros; "" for 0
    std::string fraction;
};

Digits DecimalDigits(double value, int fractionDigits) {
    char buffer[32];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
    size_t e = text.find('e');
    std::string digits = std::string(1, text[0]) + std::string(text.substr(2, e - 2));
    int exponent = 0;
    std::string_view exp = text.substr(e + 1);
    if (exp.front() == '+') exp.remove_prefix(1);
    std::from_chars(exp.data(), exp.data() + exp.size(), exponent);

    long point = exponent + 1;
    if (point < 1) {
        digits.insert(0, static_cast<size_t>(1 - point), '0');
        point = 1;
    }
    size_t keep = static_cast<size_t>(point + fractionDigits);
    if (digits.size() > keep) {
        bool up = digits[keep] >= '5';
        digits.resize(keep);
        if (up) {
            size_t i = keep;
            while (i > 0 && digits[i - 1] == '9')
                digits[--i] = '0';
            if (i == 0) {
                digits.insert(0, 1, '1');
                ++point;
            } else {
                ++digits[i - 1];
            }
        }
    }
    size_t wanted = static_cast<size_t>(point + fractionDigits);
    if (digits.size() < wanted) digits.resize(wanted, '0');
    Digits out;
    out.whole = digits.substr(0, static_cast<size_t>(point));
    out.fraction = digits.substr(static_cast<size_t>(point));
    out.whole.erase(0, out.whole.find_first_not_of('0'));
    return out;
}

bool IsPlaceholder(char c) {
    return c == '0' || c == '#';
}

void AddLiteral(Section& section, std::string_view text) {
    if (section.tokens.empty() || section.tokens.back().kind != Token::Kind::Literal) {
        section.tokens.push_back({});
    }
    section.tokens.back().text.append(text);
}

// Commas among the whole-number placeholders group by thousands; commas after the last of
// them scale the value down by a thousand each.
size_t ParseCommas(Section& section, std::string_view text, size_t at, bool seenDigit) {
    size_t end = text.find_first_not_of(',', at);
    if (end == std::string_view::npos) end = text.size();
    if (!seenDigit) {
        AddLiteral(section, text.substr(at, end - at));
    } else if (end < text.size() && IsPlaceholder(text[end])) {
        section.grouping = true;
    } else {
        section.scaleThousands += static_cast<int>(end - at);
    }
    return end - 1;
}

Section ParseSection(std::string_view text) {
    Section section;
    bool afterPoint = false, seenDigit = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '"') {
            size_t close = std::min(text.find('"', i + 1), text.size());
            AddLiteral(section, text.substr(i + 1, close - i - 1));
            i = close;
        } else if (c == '\\') {
            if (i + 1 < text.size()) AddLiteral(section, text.substr(++i, 1));
        } else if (IsPlaceholder(c)) {
            section.tokens.push_back({Token::Kind::Digit, c, {}});
            if (afterPoint) ++section.fractionDigits;
            seenDigit = true;
        } else if (c == '.' && !afterPoint) {
            // The whole number needs a place even when the pattern gives none (".00").
            if (!seenDigit) section.tokens.push_back({Token::Kind::Digit, '#', {}});
            section.point = section.tokens.size();
            section.tokens.push_back({Token::Kind::Point, 0, {}});
            afterPoint = seenDigit = true;
        } else if (c == ',' && !afterPoint) {
            i = ParseCommas(section, text, i, seenDigit);
        } else {
            if (c == '%') section.percent = true;
            AddLiteral(section, text.substr(i, 1));
        }
    }
    if (!afterPoint) section.point = section.tokens.size();
    return section;
}

// The whole-number tokens, filled from the right: each placeholder takes one digit, the
// leftmost takes all that remain.
std::string RenderWhole(const Section& section, std::string digits) {
    // Places from the first "0" on are always shown.
    size_t placeholders = 0, minimum = 0;
    for (size_t k = 0; k < section.point; ++k) {
        const Token& token = section.tokens[k];
        if (token.kind != Token::Kind::Digit) continue;
        ++placeholders;
        if (token.placeholder == '0' || minimum > 0) ++minimum;
    }
    if (digits.size() < minimum) digits.insert(0, minimum - digits.size(), '0');

    std::string reversed;
    size_t remaining = digits.size(), emitted = 0;
    for (size_t k = section.point; k-- > 0;) {
        const Token& token = section.tokens[k];
        if (token.kind == Token::Kind::Literal) {
            reversed.append(token.text.rbegin(), token.text.rend());
            continue;
        }
        size_t take = --placeholders == 0 ? remaining : std::min<size_t>(1, remaining);
        for (; take > 0; --take, ++emitted) {
            if (section.grouping && emitted > 0 && emitted % 3 == 0) reversed += ',';
            reversed += digits[--remaining];
        }
    }
    return std::string(reversed.rbegin(), reversed.rend());
}

// The point and what follows it; trailing zeros on "#" places are dropped.
std::string RenderFraction(const Section& section, const std::string& digits) {
    if (section.point == section.tokens.size()) return {};
    size_t keep = digits.find_last_not_of('0') + 1;  // npos + 1 == 0
    size_t index = 0;
    for (size_t k = section.point + 1; k < section.tokens.size(); ++k) {
        const Token& token = section.tokens[k];
        if (token.kind == Token::Kind::Digit && token.placeholder == '0')
            keep = std::max(keep, index + 1);
        if (token.kind == Token::Kind::Digit) ++index;
    }
    std::string out = ".";
    index = 0;
    for (size_t k = section.point + 1; k < section.tokens.size(); ++k) {
        const Token& token = section.tokens[k];
        if (token.kind == Token::Kind::Literal) {
            out += token.text;
        } else if (index++ < keep) {
            out += digits[index - 1];
        }
    }
    return out;
}

std::string Render(const Section& section, double magnitude, bool negative) {
    if (section.percent) magnitude *= 100;
    for (int i = 0; i < section.scaleThousands; ++i)
        magnitude /= 1000;
    Digits digits = DecimalDigits(magnitude, section.fractionDigits);
    // A negative value that rounds to nothing shows no sign ("0.00", not "-0.00").
    bool zero = digits.whole.empty() && digits.fraction.find_first_not_of('0') == std::string::npos;
    std::string out = negative && !zero ? "-" : "";
    out += RenderWhole(section, digits.whole);
    out += RenderFraction(section, digits.fraction);
    return out;
}

// The pattern's ";" sections; quoted text and escaped characters do not split.
std::vector<std::string_view> SplitSections(std::string_view pattern) {
    std::vector<std::string_view> sections;
    size_t start = 0;
    bool quoted = false;
    for (size_t i = 0; i < pattern.size(); ++i) {
        char c = pattern[i];
        if (c == '"') quoted = !quoted;
        if (c == '\\' && !quoted) ++i;
        if (c == ';' && !quoted) {
            sections.push_back(pattern.substr(start, i - start));
            start = i + 1;
        }
    }
    sections.push_back(pattern.substr(std::min(start, pattern.size())));
    return sections;
}

std::string_view NamedPattern(std::string_view pattern) {
    struct Named {
        std::string_view name, pattern;
    };
    static constexpr Named kNamed[] = {{"Fixed", "0.00"},
                                       {"Standard", "#,##0.00"},
                                       {"Currency", "$#,##0.00"},
                                       {"Percent", "0.00%"}};
    for (const Named& named : kNamed) {
        if (TextEquals(pattern, named.name)) return named.pattern;
    }
    return pattern;
}

}  // namespace

std::string Format(double value, std::string_view pattern) {
    if (pattern.empty() || TextEquals(pattern, "General Number") || !std::isfinite(value)) {
        return CStr(value);
    }
    std::vector<std::string_view> sections = SplitSections(NamedPattern(pattern));
    std::string_view chosen = sections[0];
    bool sign = value < 0;
    if (value < 0 && sections.size() >= 2 && !sections[1].empty()) {
        chosen = sections[1];
        sign = false;  // the negative section shows the sign its own way
    } else if (value == 0 && sections.size() >= 3 && !sections[2].empty()) {
        chosen = sections[2];
    }
    if (chosen.empty()) return CStr(value);
    return Render(ParseSection(chosen), std::fabs(value), sign);
}

}  // namespace vb
