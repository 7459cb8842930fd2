#include "estimate/engine/PriceList.h"

#include <string_view>
#include <unordered_map>

#include "core/Catalogue.h"
#include "core/FuseAmps.h"
#include "core/PresetRows.h"
#include "estimate/engine/OptionRules.h"
#include "estimate/engine/StructureRules.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Error.h"

namespace zomel {
namespace {

constexpr vb::Long kTotalId = 11123;

using namespace rules;

const std::unordered_map<std::string_view, PriceRule>& Rules() {
    static const std::unordered_map<std::string_view, PriceRule> rules = {
        {"ONE / 20ZOMELS", PriceSupplyPer20Zomels},
        {"ZOMEL * 1.5", PriceLockdowns},
        {"XZ*(ROWS-1)", PriceHoleplugs},
        {"ZOMEL", PriceZomels},
        {"ZOMEL2", PriceZomel2s},
        {"Z2-TOP/BOT", PriceFrameTopBottom},
        {"Z2-SIDE", PriceFrameSides},
        {"Z2-BACK", PriceBackPlate},
        {"Z2-PWR", PriceZomel2Supplies},
        {"SPACER", PriceCharacterSpacers},
        {"Z2-SPACER", PriceRowSpacers},
        {"CONDUCTOR", PriceRailConductor},
        {"INSULATOR", PriceRailInsulator},
        {"Z1-RAIL", PriceZomelRail},
        {"Z2-RAIL", PriceZomel2Rail},
        {"RESET-SPACER", PriceResetSpacer},
        {"Z2-GAPJUMPER", PriceGapJumpers},
        {"SIGN", PriceSignAssembly},
        {"Z2-HARN", PriceJumperHarness},
        {"Z2-CLIP", PriceModuleClips},
        {"Z2=FIX", PriceFixedCount},
        {"Z2=C2X(Y-1)", PriceRowCouplingClips},
        {"Z2=C2X(Y+1)", PriceLockdownClips},
        {"Z2=C(Y+1)", PriceLockdownRails},
        {"Z2=2(X+Y)", PriceFrameScrews},
        {"Z2=2XY", PriceModuleScrews},
        {"Z2=2XY+C2X(Y-1)", PriceModuleWashers},
        {"Z2=2XY+C4X(Y-1)", PriceModuleNuts},
        {"Z2=4(X+Y)", PriceFrameRivets},
        {"Z2=4Y", PriceSideBolts},
        {"OPTION-KIT", PriceKit},
        {"OPTION-PKG", PricePackage},
        {"OPTION-SET", PriceSet},
    };
    return rules;
}

// The installation kit of the sign's generation is the one chosen: a choice moves to it.
void MovePresetCheck(PriceRun& run) {
    const bool gen2 = run.Sign.Zomel2Mode;
    if (gen2 && CatalogueOption(PresetFirstIndex).Checked) {
        CatalogueOption(PresetNextIndex).Checked = vb::True;
        CatalogueOption(PresetFirstIndex).Checked = vb::False;
    } else if (gen2 && !CatalogueOption(PresetNextIndex).Checked) {
        CatalogueOption(PresetNextIndex).Checked = vb::True;
    } else if (!gen2 && CatalogueOption(PresetNextIndex).Checked) {
        CatalogueOption(PresetNextIndex).Checked = vb::False;
        CatalogueOption(PresetFirstIndex).Checked = vb::True;
    }
}

class CatalogueWalk {
public:
    CatalogueWalk(PriceRun& run, const PriceErrorReport& report)
        : run_(run), step_([this, &report] { report(run_); }) {
        run_.Report = report;
    }

    std::vector<PriceLine> Run() {
        run_.LoadStep = 0;
        run_.PresetRowIndex = PresetRowOf(run_.Sign.Zomel2Mode, PresetFirstIndex, PresetNextIndex);
        step_([&] { MovePresetCheck(run_); });
        if (run_.Sign.PowerLoad() > kFuseAmps)
            step_([] { CatalogueOption(KitOptionIndex).Checked = vb::True; });
        run_.LoadStep = 1;
        const vb::Long rows = vb::Long{gBaseCount} + gOptionCount;
        for (vb::Long index = 1; index <= rows; ++index)
            PriceRow(index);
        step_([&] {
            if (run_.CableCheckedByEngine)
                CatalogueOption(run_.CableCheckedByEngine).Checked = vb::False;
        });
        run_.LoadStep = 6;
        lines_.push_back(TotalsLine());
        return std::move(lines_);
    }

private:
    void PriceRow(vb::Long index) {
        run_.RowIndex = index;
        const bool base = index <= gBaseCount;
        if (!base) run_.OptionIndex = static_cast<vb::Integer>(index - gBaseCount);
        const OptionRecord& record =
            base ? gBaseParts(static_cast<int>(index)) : gOptions(run_.OptionIndex);
        if (ForOtherGeneration(record, run_.Sign.Zomel2Mode)) return;
        run_.GridRow = static_cast<vb::Long>(lines_.size()) + 1;
        run_.BeginRow(record, base ? vb::Integer{0} : run_.OptionIndex);
        run_.LoadStep = 5;
        step_([&] { RuleOf(record.Type)(run_); });
        run_.EstimateTotal += run_.LineTotal;
        if (run_.RowSkipped) return;
        run_.Line.Cells[PriceLine::kPartNumber] = run_.ShownPartNo;
        lines_.push_back(run_.Line);
    }

    PriceLine TotalsLine() const {
        PriceLine totals;
        totals.Cells[PriceLine::kDescription] = forms::LoadResString(kTotalId);
        totals.Cells[PriceLine::kSubTotal] = run_.EstimateTotal.Dollars();
        return totals;
    }

    PriceRun& run_;
    vb::OnError step_;
    std::vector<PriceLine> lines_;
};

}  // namespace

PriceRule RuleOf(const std::string& keyword) {
    const auto& rules = Rules();
    const auto found = rules.find(keyword);
    return found == rules.end() ? PriceUnknown : found->second;
}

std::vector<PriceLine> PriceCatalogue(PriceRun& run, const PriceErrorReport& report) {
    return CatalogueWalk(run, report).Run();
}

}  // namespace zomel
