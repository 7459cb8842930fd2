#include "estimate/PriceRun.h"

#include "core/Catalogue.h"
#include "platform/vb/Error.h"

namespace zomel {

void PriceRun::BeginRow(const OptionRecord& record, vb::Integer optionIndex) {
    Record = &record;
    OptionIndex = optionIndex;
    RowSkipped = false;
    LineTotal = 0;
    Line.Cells = {record.Name + ":", record.Price, record.Type, "", ""};
    Line.CataloguePartNo = record.PartNo;
    ShownPartNo = record.PartNo;
    // A price the loader could not read as text still has its number.
    UnitPrice = 0;
    if (!vb::ResumeNext([&] { UnitPrice = CentsOfPrice(record.Price); })) {
        vb::Err().Clear();
        UnitPrice = RoundCents(static_cast<double>(record.Cost) * 100.0);
    }
}

void PriceRun::SkipRow() {
    ++SkippedRows;
    LineTotal = 0;
    RowSkipped = true;
}

void PriceRun::Resume(const std::function<void()>& statement) const {
    if (!Report) return statement();
    vb::OnError([this] { Report(*this); })(statement);
}

void PriceRun::Emit(vb::Long q) {
    Emit(std::to_string(q), q * UnitPrice);
}

void PriceRun::Emit(const std::string& quantity, Cents total) {
    Line.Cells[PriceLine::kQuantity] = quantity;
    LineTotal = total;
    Line.Cells[PriceLine::kSubTotal] = Dollars(total);
}

OptionRecord& PriceRun::Option() const {
    return CatalogueOption(OptionIndex);
}

OptionRecord& CatalogueOption(vb::Long index) {
    if (index < 1 || index > gOptionCount)
        vb::Raise(vb::err::kSubscriptOutOfRange,
                  "The catalogue has no option row " + std::to_string(index));
    return gOptions(static_cast<int>(index));
}

}  // namespace zomel
