#include "estimate/engine/OptionRules.h"

#include "core/FuseAmps.h"
#include "core/PartNumbers.h"
#include "core/PresetRows.h"
#include "core/StringText.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Strings.h"

namespace zomel::rules {
namespace {

constexpr vb::Long kMoreThanNeededId = 11106;
constexpr vb::Long kVerticalNeedId = 11107;
constexpr vb::Long kMoveToFirstRowId = 11108;
constexpr vb::Long kHorizontalNeedId = 11109;
constexpr vb::Long kChangeToVerticalId = 11110;
constexpr vb::Long kRecommendVerticalId = 11111;
constexpr vb::Long kCabinetWithModemId = 11112;
constexpr vb::Long kCabinetOneSupplyId = 11113;
constexpr vb::Long kCallVeldoId = 11114;
constexpr vb::Long kReplaceSupplyId = 11115;
constexpr vb::Long kHigherAmpId = 11116;
constexpr vb::Long kFuseKitId = 11134;
constexpr vb::Integer kOptionRowStep = 548;  // the step of a chosen option row

// Whether the option's name begins with `prefix`, whatever the case of its letters.
bool NameStartsWith(const OptionRecord& option, std::string_view prefix) {
    return vb::TextStartsWith(option.Name, prefix);
}

bool IsInstallationKit(const OptionRecord& option) {
    return NameStartsWith(option, "INSTALLATION KIT");
}

void CallVeldo(PriceRun& run) {
    run.Line.Cells[PriceLine::kSellingPrice] = Text(kCallVeldoId);
    run.Line.Cells[PriceLine::kSubTotal] = Text(kCallVeldoId);
}

// What a rated power supply row is: its step, its amperes and whether it is one of the three.
struct SupplyRating {
    vb::Integer step;
    double amperes;
    bool rated;
};

SupplyRating RatingOf(const std::string& partNo) {
    if (partNo == kSupply10PartNo) return {551, 10, true};
    if (partNo == kSupply20PartNo) return {552, 20, true};
    if (partNo == kSupply40PartNo) return {554, 40, true};
    return {555, 100, false};
}

// The counts the solar window leaves: empty is none; a text that is no number is an error.
vb::Long CountOf(const vb::Variant& count) {
    return count.IsEmpty() ? 0 : vb::CLng(count);
}

}  // namespace

void PriceKit(PriceRun& run) {
    run.LoadStep = 531;
    if (!run.Option().Checked) return run.SkipRow();
    if (run.RowPartNo() == kRadarKitPartNo) AdviseRadarUse(run);
    if (run.Record->CataloguePartNo == kCabinetPlaceholderPartNo) return PriceCabinet(run);
    if (run.Option().Name == Text(kFuseKitId)) return PriceFuseKit(run);
    run.Emit("1", run.UnitPrice);
}

// A radar sign needs few modules, in one row, upright and of standard density.
void AdviseRadarUse(PriceRun& run) {
    const PricedSign& s = run.Sign;
    vb::Long prompt = 0;
    vb::Long title = 0;
    if (s.HighDensity) {
        const vb::Long most = s.VerticalBox ? 3 : 2;
        title = s.VerticalBox ? kVerticalNeedId : kHorizontalNeedId;
        if (s.X > most)
            prompt = kMoreThanNeededId;
        else if (s.Y > 1)
            prompt = kMoveToFirstRowId;
    } else if (s.VerticalBox) {
        if (s.X > 3 || s.Y > 1) prompt = kMoreThanNeededId;
        title = kVerticalNeedId;
    } else {
        prompt = kChangeToVerticalId;
        title = kRecommendVerticalId;
    }
    if (prompt) run.Advise(Text(prompt), Text(title));
}

// The cabinet holds one 40 amp supply; its price comes from the maker.
void PriceCabinet(PriceRun& run) {
    const vb::Long supplies = static_cast<vb::Long>(vb::Round(run.Sign.PowerLoad())) / 40 + 1;
    if (supplies > 1)
        run.Advise(Text(run.LargeSupplyChosen ? kCabinetWithModemId : kCabinetOneSupplyId));
    run.Line.Cells[PriceLine::kQuantity] = "1";
    CallVeldo(run);
    run.LineTotal = Cents();
}

// One fuse kit per fuse begun; the installation kit brings one.
void PriceFuseKit(PriceRun& run) {
    vb::Long q = static_cast<vb::Long>(run.Sign.PowerLoad() / kFuseAmps) + 1;
    if (run.InstallKitIncluded) --q;
    if (q == 0) return run.SkipRow();
    run.Emit(q);
}

void PricePackage(PriceRun& run) {
    run.LoadStep = 532;
    if (!run.Option().Checked) return run.SkipRow();
    run.Emit("1", run.UnitPrice);
}

void PriceSet(PriceRun& run) {
    run.LoadStep = 533;
    if (run.Sign.Zomel2Mode && run.RowPackage() < 4) return run.SkipRow();
    std::string& description = run.Line.Cells[PriceLine::kDescription];
    if (!description.empty()) description.pop_back();
    if (PriceLayoutSet(run, run.RowInfo())) return;

    run.LoadStep = kOptionRowStep;
    CheckPresetOnFirstEstimate(run);
    SelectPowerCable(run);
    OptionRecord& option = run.Option();
    if (IsInstallationKit(option)) {
        run.KitSubtotal = run.EstimateTotal;
        run.KitRowSeen = run.GridRow;
    }
    if (!option.Checked) return run.SkipRow();
    run.Append(":");
    if (IsInstallationKit(option)) return PriceInstallationKit(run);
    if (run.OptionIndex == run.PowerCableIndex) return PricePowerCable(run);
    if (option.Info == "KIT") return PriceKitMember(run);
    run.LoadStep = 550;
    if (NameStartsWith(option, "POWER S")) return PricePowerSupply(run);
    PriceOtherOption(run);
}

void PriceUnknown(PriceRun& run) {
    run.SkipRow();
}

// The first estimate of a run chooses the installation kit of the sign's generation.
void CheckPresetOnFirstEstimate(PriceRun& run) {
    if (!run.FirstEstimate || run.RowPartNo() != kPresetPartNo) return;
    CatalogueOption(PresetRowFrom(run.Sign.Zomel2Mode, run.OptionIndex)).Checked = vb::True;
    run.FirstEstimate = vb::False;
}

// A sign needs a power cable: when the short one is not chosen, the longer one chosen below it
// is the cable, or else the first of them for this estimate only.
void SelectPowerCable(PriceRun& run) {
    const OptionRecord& option = run.Option();
    if (!NameStartsWith(option, "POWER C")) return;
    if (run.PowerCableIndex == 0) run.PowerCableIndex = run.OptionIndex;
    if (run.CableAutoChecked || option.Checked) return;
    run.CableAutoChecked = true;
    const auto next = static_cast<vb::Integer>(run.OptionIndex + 1);
    const auto last = static_cast<vb::Integer>(run.OptionIndex + 2);
    if (CatalogueOption(last).Checked) {
        run.PowerCableIndex = last;
    } else if (CatalogueOption(next).Checked) {
        run.PowerCableIndex = next;
    } else {
        run.PowerCableIndex = next;
        CatalogueOption(next).Checked = vb::True;
        run.CableCheckedByEngine = next;
    }
}

void PriceInstallationKit(PriceRun& run) {
    run.InstallKitIncluded = true;
    run.KitSubtotal = run.EstimateTotal;
    run.KitRow = run.GridRow;
    run.Emit("1", run.UnitPrice);
}

// One cable per power set, and one more unless the installation kit brings it.
void PricePowerCable(PriceRun& run) {
    const bool inKit = run.Option().Info == "KIT" && run.InstallKitIncluded;
    const vb::Long q = inKit ? run.PowerSetCount : run.PowerSetCount + 1;
    if (run.Sign.Zomel2Mode) run.Line.Cells[PriceLine::kDescription] = "Power Cable ZOMEL2 male:";
    if (q == 0) return run.SkipRow();
    run.LoadStep = 549;
    run.Emit(q);
}

void PriceKitMember(PriceRun& run) {
    if (run.InstallKitIncluded) return run.SkipRow();
    run.Emit("1", run.UnitPrice);
}

// Enough supplies of the chosen rating for the sign's load; the cabinet brings one.
void PricePowerSupply(PriceRun& run) {
    const OptionRecord& option = run.Option();
    const SupplyRating rating = RatingOf(option.PartNo);
    run.LoadStep = rating.step;
    vb::Long q = static_cast<vb::Long>(run.Sign.PowerLoad() / rating.amperes) + 1;
    if (!rating.rated) {
        run.LargeSupplyChosen = true;
    } else {
        if (q > 1) run.Advise(Text(kReplaceSupplyId) + option.Name + Text(kHigherAmpId));
        if (run.CabinetOption) --q;
    }
    run.Emit(q);
}

// Solar panels and batteries come in the counts of the solar window, which opens when the
// sign changed since the last estimate; batteries are priced by the maker.
void PriceOtherOption(PriceRun& run) {
    run.LoadStep = 556;
    const OptionRecord& option = run.Option();
    const bool batteries = NameStartsWith(option, "SOLAR ARRAY - B");
    vb::Long q = 1;
    if (NameStartsWith(option, "SOLAR ARRAY - P")) {
        if (run.SignChanged) {
            if (run.ShowSolar) run.ShowSolar(run);
            run.SignChanged = vb::False;
        }
        run.Resume([&] { q = CountOf(run.PanelCount); });
    } else if (batteries) {
        run.Resume([&] { q = CountOf(run.BatteryCount); });
    }
    run.Emit(q);
    if (batteries) CallVeldo(run);
}

}  // namespace zomel::rules
