#include "platform/vb/Conversion.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace vb {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

double RoundHalfEven(double value) {
    double floor = std::floor(value);
    double diff = value - floor;
    if (diff > 0.5) return floor + 1;
    if (diff < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

// Reads "&Hff" or "&O17"; returns false when text is not such a number.
bool ParseRadix(std::string_view text, double& out, bool whole) {
    if (text.size() < 2 || text[0] != '&') return false;
    int base = 0;
    char kind = static_cast<char>(text[1] | 0x20);
    if (kind == 'h') base = 16;
    if (kind == 'o') base = 8;
    if (base == 0) return false;
    long long value = 0;
    auto [end, ec] = std::from_chars(text.data() + 2, text.data() + text.size(), value, base);
    if (ec != std::errc{} || (whole && end != text.data() + text.size())) return false;
    // Hexadecimal constants of 4 digits or fewer are 16-bit, as the language reads them.
    if (end - (text.data() + 2) <= 4 && value > 0x7FFF) value -= 0x10000;
    out = static_cast<double>(value);
    return true;
}

std::string FormatGeneral(double value, int precision) {
    if (value == 0) return "0";
    char buffer[64];
    auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
    std::string text(buffer, ec == std::errc{} ? end : buffer);
    auto e = text.find('e');
    if (e == std::string::npos) return text;
    // 1e+15 -> 1E+15, 1e-05 stays two digits: the language writes at least two.
    std::string exponent = text.substr(e + 2);
    if (exponent.size() < 2) exponent = "0" + exponent;
    return text.substr(0, e) + "E" + text[e + 1] + exponent;
}

}  // namespace

double Val(std::string_view text) {
    std::string digits;
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    double radix = 0;
    if (ParseRadix(text.substr(i), radix, false)) return radix;
    bool seenPoint = false, seenExponent = false, seenDigit = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (IsBlank(c)) continue;
        if (IsDigit(c)) {
            digits += c;
            seenDigit = true;
        } else if ((c == '+' || c == '-') &&
                   (digits.empty() || (seenExponent && (digits.back() == 'e')))) {
            digits += c;
        } else if (c == '.' && !seenPoint && !seenExponent) {
            digits += c;
            seenPoint = true;
        } else if ((c == 'e' || c == 'E' || c == 'd' || c == 'D') && seenDigit && !seenExponent) {
            digits += 'e';
            seenExponent = true;
        } else {
            break;
        }
    }
    // A dangling exponent or sign reads as the number before it.
    while (!digits.empty() && (digits.back() == 'e' || digits.back() == '+' ||
                               digits.back() == '-' || digits.back() == '.'))
        digits.pop_back();
    if (digits.empty()) return 0;
    const char* begin = digits.data();
    if (*begin == '+') ++begin;
    double value = 0;
    auto [end, ec] = std::from_chars(begin, digits.data() + digits.size(), value);
    if (ec == std::errc::result_out_of_range) Raise(err::kOverflow);
    return ec == std::errc{} ? value : 0;
}

bool ParseNumber(std::string_view text, double& out) {
    size_t first = 0, last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    text = text.substr(first, last - first);
    if (text.empty()) return false;
    if (ParseRadix(text, out, true)) return true;
    // from_chars also reads "inf" and "nan", which are no numbers to the language.
    const size_t lead = text[0] == '+' || text[0] == '-' ? 1 : 0;
    if (lead == text.size() || !(IsDigit(text[lead]) || text[lead] == '.')) return false;
    std::string number(text);
    for (char& c : number)
        if (c == 'd' || c == 'D') c = 'e';
    const char* begin = number.data();
    if (*begin == '+') ++begin;
    auto [end, ec] = std::from_chars(begin, number.data() + number.size(), out);
    return ec == std::errc{} && end == number.data() + number.size();
}

Integer CInt(double value) {
    if (std::isnan(value)) Raise(err::kOverflow);
    double rounded = RoundHalfEven(value);
    if (rounded < -32768.0 || rounded > 32767.0) Raise(err::kOverflow);
    return static_cast<Integer>(rounded);
}

Integer CInt(const Variant& value) {
    return CInt(value.ToDouble());
}

Long CLng(double value) {
    if (std::isnan(value)) Raise(err::kOverflow);
    double rounded = RoundHalfEven(value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0) Raise(err::kOverflow);
    return static_cast<Long>(rounded);
}

Long CLng(const Variant& value) {
    return CLng(value.ToDouble());
}

Single CSng(const Variant& value) {
    return value.ToSingle();
}
double CDbl(const Variant& value) {
    return value.ToDouble();
}
bool CBool(const Variant& value) {
    return value.ToBool();
}

std::string CStr(Single value) {
    return FormatGeneral(value, 7);
}
std::string CStr(double value) {
    return FormatGeneral(value, 15);
}
std::string CStr(Long value) {
    return std::to_string(value);
}
std::string CStr(const Variant& value) {
    return value.ToString();
}

double Round(double value, int digits) {
    if (digits < 0) Raise(err::kInvalidCall);
    double scale = std::pow(10.0, digits);
    double scaled = value * scale;
    // Values written with `digits` decimals, such as 2.675, are not exact in binary: treat
    // a product within a few ulps of a half as that half.
    double nearest = std::round(scaled * 2) / 2;
    if (std::fabs(scaled - nearest) <=
        std::fabs(scaled) * 4 * std::numeric_limits<double>::epsilon())
        scaled = nearest;
    return RoundHalfEven(scaled) / scale;
}

}  // namespace vb
