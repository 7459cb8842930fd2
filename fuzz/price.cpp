// The price decoding on any text and line: a price that encodes back to itself, or one
// reported refusal and an empty price; never a fault.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/CatalogueFields.h"
#include "core/ConvertItPrice.h"
#include "core/PriceCode.h"
#include "fuzz/Pieces.h"
#include "fuzz/ProgramFolder.h"
#include "platform/vb/Conversion.h"

namespace {

// Catalogue lines are numbered 1 to 32767.
std::int16_t LineOf(std::string_view text) {
    double number = 0;
    if (!vb::ParseNumber(text, number) || !(number >= 1 && number <= 32767)) return 1;
    return static_cast<std::int16_t>(number);
}

void CheckDecoded(const zomel::pricecode::DecodedPrice& price, std::int16_t line) {
    if (!price.ok) return;
    if (!price.amount || *price.amount < zomel::Cents()) __builtin_trap();
    if (price.text.empty() || price.text[0] != '$') __builtin_trap();
    const std::int64_t cents = price.amount->Count();
    const auto again =
        zomel::pricecode::DecodePrice(zomel::pricecode::EncodePrice(cents, line), line);
    if (!again.ok || *again.amount != *price.amount) __builtin_trap();
    // The estimate reads the price from the decoded text, the table's cost too.
    if (zomel::Cents::Parse(price.text) != *price.amount) __builtin_trap();
    const float cost = zomel::catalogue::CostOf(price.text);
    const double dollars = price.amount->ToDollars();
    if (!std::isfinite(cost) || std::fabs(cost - dollars) > 1e-6 * dollars + 0.01) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ProgramFolder folder;
    const auto pieces = Pieces(data, size, 2);
    const std::string text(pieces[0]);
    const std::int16_t line = LineOf(pieces[1]);
    const auto price = zomel::pricecode::DecodePrice(text, line);
    CheckDecoded(price, line);
    folder.TakeReports();
    const std::string converted = zomel::ConvertItPrice(text, line);
    const std::size_t reports = price.ok ? 0 : 1;
    if (converted != price.text || folder.TakeReports() != reports) __builtin_trap();
    return 0;
}
