// The runtime's number conversions on any text, and Format on any pattern: a finite number or
// the language's conversion error, text that reads back as the same number; never a fault.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/Converting.h"
#include "fuzz/Pieces.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Format.h"

namespace {

void CheckFinite(double value) {
    if (!std::isfinite(value)) __builtin_trap();
}

// The text of a number reads back as that number, to the digits it keeps.
void CheckWritten(double value) {
    double back = 0;
    if (!vb::ParseNumber(vb::CStr(value), back)) __builtin_trap();
    if (std::fabs(back - value) > std::fabs(value) * 1e-14) __builtin_trap();
    const auto single = static_cast<vb::Single>(value);
    if (!std::isfinite(single)) return;
    if (!vb::ParseNumber(vb::CStr(single), back)) __builtin_trap();
    if (std::fabs(back - single) > std::fabs(single) * 1e-6) __builtin_trap();
}

void CheckFormat(double value, std::string_view pattern) {
    const std::string text = vb::Format(value, pattern);
    if (text.size() > 2 * pattern.size() + 512) __builtin_trap();
}

void CheckText(const std::string& text, std::string_view pattern) {
    Converting([&] {
        const double value = vb::Val(text);
        CheckFinite(value);
        CheckWritten(value);
        CheckFormat(value, pattern);
        (void)vb::Round(value, static_cast<int>(pattern.size() % 8));
    });
    double parsed = 0;
    if (vb::ParseNumber(text, parsed)) CheckFinite(parsed);
    const vb::Variant variant(text);
    Converting([&] { CheckFinite(vb::CDbl(variant)); });
    Converting([&] { CheckFinite(vb::CSng(variant)); });
    Converting([&] { (void)vb::CLng(variant); });
    Converting([&] { (void)vb::CInt(variant); });
    Converting([&] { (void)vb::CBool(variant); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto pieces = Pieces(data, size, 2);
    CheckText(std::string(pieces[0]), pieces[1]);
    return 0;
}
