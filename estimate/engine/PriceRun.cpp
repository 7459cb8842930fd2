#include "estimate/engine/PriceRun.h"

#include "core/Catalogue.h"
#include "platform/vb/Error.h"

namespace zomel {

void PriceRun::BeginRow(const OptionRecord& record, vb::Integer optionIndex) {
    Record = &record;
    OptionIndex = optionIndex;
    RowSkipped = false;
    LineTotal = Cents();
    Line.Cells = {record.Name + ":", record.Price, record.Type, "", ""};
    Line.CataloguePartNo = record.PartNo;
    ShownPartNo = record.PartNo;
    // A price the loader could not read was reported then, and left no price text.
    UnitPrice = Cents();
    if (!vb::ResumeNext([&] { UnitPrice = Cents::Parse(record.Price); })) vb::Err().Clear();
}

void PriceRun::SkipRow() {
    ++SkippedRows;
    LineTotal = Cents();
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
    Line.Cells[PriceLine::kSubTotal] = total.Dollars();
}

OptionRecord& PriceRun::Option() const {
    return CatalogueOption(OptionIndex);
}

OptionRecord& CatalogueOption(vb::Long index) {
    // No rows at all: the catalogue is missing or could not be read, and the file is named.
    if (gOptionCount < 1)
        vb::Raise(vb::err::kSubscriptOutOfRange, "The catalogue " + CataloguePath() +
                                                     " holds no options: it is missing or "
                                                     "could not be read");
    if (index < 1 || index > gOptionCount)
        vb::Raise(vb::err::kSubscriptOutOfRange, "The catalogue " + CataloguePath() +
                                                     " has no option row " + std::to_string(index));
    return gOptions(static_cast<int>(index));
}

}  // namespace zomel
