#include "estimate/engine/StructureRules.h"

#include "core/PartNumbers.h"
#include "platform/forms/StringTable.h"
#include "platform/vb/Error.h"
#include "platform/vb/Format.h"

namespace zomel::rules {
namespace {

using enum LayoutKind;

constexpr vb::Long kWithLengthId = 11122;
// The spacer is cut this much shorter than the module row it spans, in inches.
constexpr double kSpacerCutInches = 0.125;
// Fitting a generation-1 rail to a module row, per row.
constexpr Cents kRailFitting{7200};

bool Gen1(const PriceRun& run) {
    return !run.Sign.Zomel2Mode;
}
bool Gen2(const PriceRun& run) {
    return run.Sign.Zomel2Mode;
}
bool InfoIs(const PriceRun& run, const char* word) {
    return run.RowInfo() == word;
}

// The count as a two-digit part-number suffix: 5 gives "-05".
std::string Suffix(vb::Long count) {
    return "-" + vb::Format(static_cast<double>(count), "00");
}

// The row's price per unit of the sign's length unit.
LengthPrice PricePerLength(const PriceRun& run) {
    return {run.UnitPrice, run.Sign.Factors.PriceLengthFactor};
}

// Emits q when the conditions hold; skips otherwise.
void CountOrSkip(PriceRun& run, vb::Integer step, bool applies, vb::Long q) {
    run.LoadStep = step;
    if (!applies) return run.SkipRow();
    run.Emit(q);
}

// A piece priced by its length, `pieces` of them.
void EmitLengthPieces(PriceRun& run, const std::string& quantity, vb::Long pieces, double length) {
    const Cents piece = run.UnitPrice.TimesLength(length, run.Sign.Factors.PriceLengthFactor);
    run.SetSellingPrice(piece);
    run.Emit(quantity, pieces * piece);
}

// "Mounting rail assembly (with length 12.36 ft):"
std::string RailDescription(const PriceRun& run) {
    std::string name = run.Line.Cells[PriceLine::kDescription];
    if (!name.empty()) name.pop_back();
    return name + forms::LoadResString(kWithLengthId) +
           vb::Format(run.Sign.RailLength, "#,###.00") + " " + run.Sign.LengthUnit + "):";
}

// One rail per module row, at the rail cost shared out over the rows.
void EmitRails(PriceRun& run) {
    const Cents piece = run.RailCost.Share(run.Sign.Y);
    run.Emit(std::to_string(run.Sign.Y), run.Sign.Y * piece);
    run.SetSellingPrice(piece);
    run.Line.Cells[PriceLine::kDescription] = run.RailDescription;
}

}  // namespace

bool OrientationTestA(const PriceRun& run) {
    const PricedSign& s = run.Sign;
    return (InfoIs(run, "HORIZONTAL") && !s.Vertical) ||
           (InfoIs(run, "VERTICAL") && s.Vertical && s.Layout != CharacterSegmented) ||
           (InfoIs(run, "CSEGMENT") && s.Vertical && s.Layout == CharacterSegmented);
}

bool OrientationTestB(const PriceRun& run) {
    const PricedSign& s = run.Sign;
    return (InfoIs(run, "HORIZONTAL") && !s.Vertical) ||
           (InfoIs(run, "VERTICAL") && s.Vertical && s.Layout != CharacterSegmented) ||
           (InfoIs(run, "SEGMENT") && s.Vertical && s.Layout == CharacterSegmented);
}

bool SideTest(const PriceRun& run) {
    const PricedSign& s = run.Sign;
    return (InfoIs(run, "HORIZONTAL") && !s.Vertical) ||
           (InfoIs(run, "VERTICAL") && s.Vertical && s.Layout == FullMatrix) ||
           (InfoIs(run, "SEGMENT") && s.Vertical && Segmented(s.Layout));
}

bool BackTest(const PriceRun& run) {
    const PricedSign& s = run.Sign;
    return (InfoIs(run, "HORIZONTAL") && !s.Vertical) ||
           (InfoIs(run, "VERTICAL") && s.Vertical && s.Layout == FullMatrix) ||
           (InfoIs(run, "CSEGMENT") && s.Vertical && s.Layout == CharacterSegmented) ||
           (InfoIs(run, "LSEGMENT") && s.Vertical && s.Layout == LineMatrix);
}

bool DensityTest(const PriceRun& run) {
    return run.Sign.HighDensity ? InfoIs(run, "HIGH DENSITY") : InfoIs(run, "STD DENSITY");
}

void PriceSupplyPer20Zomels(PriceRun& run) {
    const vb::Long modules = run.Sign.Modules();
    CountOrSkip(run, 500, Gen1(run), modules / 20 + (modules % 20 > 0 ? 1 : 0));
}

void PriceLockdowns(PriceRun& run) {
    CountOrSkip(run, 501, true, run.Sign.LockdownCount);
}

void PriceHoleplugs(PriceRun& run) {
    const bool applies =
        run.Sign.HoleplugCount > 0 && ((InfoIs(run, "VERTICAL") && run.Sign.Vertical) ||
                                       (InfoIs(run, "HORIZONTAL") && !run.Sign.Vertical));
    CountOrSkip(run, 502, applies, run.Sign.HoleplugCount);
}

void PriceZomels(PriceRun& run) {
    CountOrSkip(run, 503, Gen1(run) && DensityTest(run), run.Sign.Modules());
}

void PriceZomel2s(PriceRun& run) {
    CountOrSkip(run, 504, Gen2(run) && DensityTest(run), run.Sign.Modules());
}

void PriceFrameTopBottom(PriceRun& run) {
    run.LoadStep = 505;
    if (!Gen2(run) || !OrientationTestA(run)) return run.SkipRow();
    EmitLengthPieces(run, "2", 2, run.Sign.SignWidth);
    run.ShownPartNo = run.RowPartNo() + Suffix(run.Sign.X);
}

void PriceFrameSides(PriceRun& run) {
    run.LoadStep = 506;
    if (!Gen2(run) || !SideTest(run)) return run.SkipRow();
    EmitLengthPieces(run, "2", 2, run.Sign.SignHeight);
    run.ShownPartNo = run.RowPartNo() + Suffix(run.Sign.Y);
}

// Priced per square foot.
void PriceBackPlate(PriceRun& run) {
    run.LoadStep = 507;
    if (!Gen2(run) || !BackTest(run)) return run.SkipRow();
    const LengthPrice perArea = PricePerLength(run).PerArea(run.Sign.Factors.PriceLengthFactor);
    const Cents plate = perArea.Times(run.Sign.SignHeight * run.Sign.SignWidth);
    run.Emit("1", plate);
    run.SetSellingPrice(plate);
    run.ShownPartNo = run.Sign.BackPlatePartNo;
}

// Left supplies feed the odd rows, right ones the even rows, a centre-mounted one both; a
// small sign needs one supply, and the preset option brings one left supply with it.
void PriceZomel2Supplies(PriceRun& run) {
    run.LoadStep = 508;
    if (!Gen2(run)) return run.SkipRow();
    const vb::Long y = run.Sign.Y;
    const bool small = !run.Sign.LargeSign();
    vb::Long q = 0;
    if (InfoIs(run, "LEFT HRZ") || InfoIs(run, "CM")) {
        q = small ? 1 : (y + 1) / 2;
        if (InfoIs(run, "LEFT HRZ") && run.RowPackage() == 0 &&
            CatalogueOption(run.PresetRowIndex).Checked)
            --q;
    } else if (InfoIs(run, "RIGHT HRZ")) {
        q = small ? 0 : y / 2;
    }
    if (q <= 0) return run.SkipRow();
    run.Emit(q);
}

void PriceCharacterSpacers(PriceRun& run) {
    run.LoadStep = 509;
    if (run.Sign.Layout != CharacterSegmented || !InfoIs(run, "CSEGMENT")) return run.SkipRow();
    const vb::Long q = (run.Sign.X - 1) * run.Sign.Y;
    run.SetSellingPrice(run.UnitPrice);
    run.Emit(std::to_string(q), q * run.UnitPrice);
}

// The spacer's cut is in inches; the sign's lengths are in its own unit.
void PriceRowSpacers(PriceRun& run) {
    run.LoadStep = 510;
    const PricedSign& s = run.Sign;
    const bool applies = s.Y > 1 && ((InfoIs(run, "CSEGMENT") && s.Layout == CharacterSegmented) ||
                                     (InfoIs(run, "LSEGMENT") && s.Layout == LineMatrix));
    if (!applies) return run.SkipRow();
    const double length = s.SpacerLength - kSpacerCutInches * s.Factors.InchLengthFactor;
    EmitLengthPieces(run, std::to_string(s.Y - 1), s.Y - 1, length);
    run.ShownPartNo = run.RowPartNo() + Suffix(s.X);
}

void PriceRailConductor(PriceRun& run) {
    run.LoadStep = 511;
    if (Gen1(run)) {
        const PricedSign& s = run.Sign;
        const double inch = s.Factors.InchLengthFactor;
        const double length =
            static_cast<double>(s.Y) *
            (3 * (static_cast<double>(s.X) * s.ZomelWidth + 9.5 * inch) +
             (static_cast<double>(s.X - 1) * s.ConductorNext + s.ConductorFirst) * inch);
        run.RailCost += PricePerLength(run).Of(length);
    }
    run.SkipRow();
}

void PriceRailInsulator(PriceRun& run) {
    run.LoadStep = 512;
    if (Gen1(run)) {
        const PricedSign& s = run.Sign;
        const double length =
            4.0 * static_cast<double>(s.Y) *
            (static_cast<double>(s.X) * s.ZomelWidth + 10 * s.Factors.InchLengthFactor);
        run.RailCost += PricePerLength(run).Of(length);
    }
    run.SkipRow();
}

void PriceZomelRail(PriceRun& run) {
    run.LoadStep = 513;
    if (Gen1(run) && OrientationTestB(run)) {
        LengthPrice row = PricePerLength(run).Of(run.Sign.RailLength);
        row += kRailFitting;
        run.RailCost = run.Sign.Y * row;
        run.RailDescription = RailDescription(run);
        run.RailPartNo = run.RowPartNo() + Suffix(run.Sign.X);
    }
    run.SkipRow();
}

void PriceResetSpacer(PriceRun& run) {
    run.LoadStep = 515;
    if (!Gen1(run)) return run.SkipRow();
    const PricedSign& s = run.Sign;
    const double length = 2.0 * static_cast<double>(s.X) * static_cast<double>(s.Y);
    run.RailCost += PricePerLength(run).Of(length * s.Factors.InchLengthFactor);
    EmitRails(run);
    run.ShownPartNo = run.RailPartNo;
}

void PriceZomel2Rail(PriceRun& run) {
    run.LoadStep = 514;
    if (!Gen2(run) || !OrientationTestB(run)) return run.SkipRow();
    run.RailCost = PricePerLength(run).Of(static_cast<double>(run.Sign.Y) * run.Sign.RailLength);
    run.RailDescription = RailDescription(run);
    EmitRails(run);
    run.ShownPartNo = run.RowPartNo() + Suffix(run.Sign.X);
}

void PriceGapJumpers(PriceRun& run) {
    const PricedSign& s = run.Sign;
    CountOrSkip(run, 516, Gen2(run) && s.Y > 1 && (s.Vertical || Segmented(s.Layout)), s.Y - 1);
}

void PriceSignAssembly(PriceRun& run) {
    run.LoadStep = 518;
    run.Emit("1", run.UnitPrice);
}

// One harness per module row, priced for the row's modules.
void PriceJumperHarness(PriceRun& run) {
    run.LoadStep = 519;
    if (!Gen2(run) || !OrientationTestA(run)) return run.SkipRow();
    const Cents perRow = run.Sign.X * run.UnitPrice;
    run.SetSellingPrice(perRow);
    run.Emit(std::to_string(run.Sign.Y), run.Sign.Y * perRow);
    run.ShownPartNo = run.Sign.JumpHarnPartNo.empty() ? run.RowPartNo() + Suffix(run.Sign.X)
                                                      : run.Sign.JumpHarnPartNo;
}

void PriceModuleClips(PriceRun& run) {
    CountOrSkip(run, 520, Gen2(run), run.Sign.Modules());
}

void PriceFixedCount(PriceRun& run) {
    CountOrSkip(run, 521, Gen2(run), run.RowPackage());
    if (run.RowSkipped) return;
    if (run.RowPartNo() == kFixedKitPartNo && run.AltPartsFlag)
        run.ShownPartNo = std::string(kFixedKitAltPartNo);
}

void PriceRowCouplingClips(PriceRun& run) {
    const PricedSign& s = run.Sign;
    CountOrSkip(run, 522, Gen2(run) && Segmented(s.Layout) && s.Y > 1, 2 * s.X * (s.Y - 1));
}

void PriceLockdownClips(PriceRun& run) {
    const PricedSign& s = run.Sign;
    CountOrSkip(run, 523, Gen2(run) && s.Layout == FullMatrix, 2 * s.X * (s.Y + 1));
}

void PriceLockdownRails(PriceRun& run) {
    run.LoadStep = 524;
    const PricedSign& s = run.Sign;
    if (!Gen2(run) || Segmented(s.Layout) || s.X <= 1 || !OrientationTestB(run))
        return run.SkipRow();
    EmitLengthPieces(run, std::to_string(s.Y + 1), s.Y + 1, s.LockdownLength);
    run.ShownPartNo = run.RowPartNo() + Suffix(s.X);
}

void PriceFrameScrews(PriceRun& run) {
    CountOrSkip(run, 525, Gen2(run), 2 * (run.Sign.X + run.Sign.Y));
}

void PriceModuleScrews(PriceRun& run) {
    CountOrSkip(run, 526, Gen2(run), 2 * run.Sign.Modules());
}

void PriceModuleWashers(PriceRun& run) {
    const PricedSign& s = run.Sign;
    CountOrSkip(run, 527, Gen2(run),
                2 * s.Modules() + (Segmented(s.Layout) ? 2 * s.X * (s.Y - 1) : 0));
}

void PriceModuleNuts(PriceRun& run) {
    const PricedSign& s = run.Sign;
    CountOrSkip(run, 528, Gen2(run),
                2 * s.Modules() + (Segmented(s.Layout) ? 4 * s.X * (s.Y - 1) : 0));
}

void PriceFrameRivets(PriceRun& run) {
    CountOrSkip(run, 529, Gen2(run), 4 * (run.Sign.X + run.Sign.Y));
}

void PriceSideBolts(PriceRun& run) {
    CountOrSkip(run, 530, Gen2(run), 4 * run.Sign.Y);
}

}  // namespace zomel::rules
