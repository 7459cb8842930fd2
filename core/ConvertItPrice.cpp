#include "core/ConvertItPrice.h"

#include "core/Diagnostics.h"
#include "core/PriceCode.h"
#include "core/PriceLoad.h"
#include "platform/vb/Error.h"

namespace zomel {

namespace {

// The error each fault raised where the text was taken apart.
vb::Long ErrorNumber(pricecode::Fault fault) {
    switch (fault) {
        case pricecode::Fault::BadDigit:
            return vb::err::kTypeMismatch;
        case pricecode::Fault::Overflow:
            return vb::err::kOverflow;
        default:
            return vb::err::kInvalidCall;
    }
}

}  // namespace

std::string ConvertItPrice(const std::string& priceText, vb::Integer row) {
    const auto price = pricecode::DecodePrice(priceText, row);
    if (price.amount) gPriceLoad.PriceValue = *price.amount;
    if (price.ok) return price.text;

    vb::OnError report([&] {
        ReportError("Convert It Price Step: " + std::to_string(price.step) +
                    " Problem string: " + priceText);
    });
    report([&] { vb::Raise(ErrorNumber(price.fault)); });
    return {};
}

}  // namespace zomel
