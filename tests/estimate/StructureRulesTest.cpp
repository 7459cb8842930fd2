#include "tests/estimate/RuleBench.h"
#include "tests/support/ErrorNumber.h"

using zomel::PriceLine;

TEST_F(RuleTest, OneSupplyPerTwentyModulesBegunForGenerationOne) {
    const auto& row = Row("ONE / 20ZOMELS", "POWER", "$285.00");
    const struct {
        vb::Long x, y;
        const char* outcome;
    } cases[] = {
        {5, 4, "1 $285.00"}, {7, 3, "2 $570.00"}, {10, 4, "2 $570.00"}, {41, 1, "3 $855.00"}};
    for (const auto& c : cases) {
        Sign(c.x, c.y);
        Price(row);
        EXPECT_EQ(Outcome(run), c.outcome) << c.x << " x " << c.y;
    }
    run.Sign.Zomel2Mode = true;
    Price(row);
    EXPECT_EQ(Outcome(run), "skip");
    EXPECT_EQ(run.LoadStep, 500);
}

TEST_F(RuleTest, ModulesByDensityAndGeneration) {
    Sign(4, 2);
    EXPECT_EQ(Outcome((Price(Row("ZOMEL", "HIGH DENSITY", "$545.00")), run)), "8 $4360.00");
    EXPECT_EQ(Outcome((Price(Row("ZOMEL", "STD DENSITY", "$385.00")), run)), "skip");
    EXPECT_EQ(Outcome((Price(Row("ZOMEL2", "HIGH DENSITY", "$515.00")), run)), "skip");
    run.Sign.Zomel2Mode = true;
    run.Sign.HighDensity = false;
    EXPECT_EQ(Outcome((Price(Row("ZOMEL2", "STD DENSITY", "$365.00")), run)), "8 $2920.00");
    EXPECT_EQ(Outcome((Price(Row("ZOMEL", "STD DENSITY", "$385.00")), run)), "skip");
}

TEST_F(RuleTest, LockdownsAndHoleplugsComeFromTheSignsCounts) {
    Sign(3, 2).LockdownCount = 12;
    run.Sign.HoleplugCount = 3;
    EXPECT_EQ(Outcome((Price(Row("ZOMEL * 1.5", "CLAMP", "$6.50")), run)), "12 $78.00");
    EXPECT_EQ(Outcome((Price(Row("XZ*(ROWS-1)", "HORIZONTAL", "$0.85")), run)), "3 $2.55");
    EXPECT_EQ(Outcome((Price(Row("XZ*(ROWS-1)", "VERTICAL", "$0.85")), run)), "skip");
    run.Sign.Vertical = true;
    EXPECT_EQ(Outcome((Price(Row("XZ*(ROWS-1)", "VERTICAL", "$0.85")), run)), "3 $2.55");
    run.Sign.HoleplugCount = 0;
    EXPECT_EQ(Outcome((Price(Row("XZ*(ROWS-1)", "VERTICAL", "$0.85")), run)), "skip");
}

// Zomel2 power supplies: left ones for the odd rows, right ones for the even rows.
TEST_F(RuleTest, Zomel2SuppliesBySignSizeAndThePresetKit) {
    zomel::Zomel2Mode = vb::True;
    run.Sign.Zomel2Mode = true;
    const auto supplies = [&](vb::Long x, vb::Long y, bool high) {
        Sign(x, y).HighDensity = high;
        std::string seen;
        for (const char* info : {"LEFT HRZ", "RIGHT HRZ", "CM"}) {
            Price(Row("Z2-PWR", info, "$325.00", "240-2040", 1));
            seen += Outcome(run) + ";";
        }
        return seen;
    };
    EXPECT_EQ(supplies(10, 2, true), "1 $325.00;1 $325.00;1 $325.00;");
    EXPECT_EQ(supplies(10, 3, true), "2 $650.00;1 $325.00;2 $650.00;");
    EXPECT_EQ(supplies(20, 1, false), "1 $325.00;skip;1 $325.00;");  // a small sign
    // The preset kit brings the one left supply of a small sign.
    Option(2, "Installation kit ZOMEL2", "OPTION-SET", "KIT", "$745.00", "610-2000", 10).Checked =
        vb::True;
    run.PresetRowIndex = 2;
    Price(Row("Z2-PWR", "LEFT HRZ", "$325.00", "240-2040", 0));
    EXPECT_EQ(Outcome(run), "skip");
    // A catalogue without the preset row: a catalogue error, never a read past the table.
    run.PresetRowIndex = 0;
    run.BeginRow(Row("Z2-PWR", "LEFT HRZ", "$325.00", "240-2040", 0), 0);
    EXPECT_EQ(ErrorNumber([&] { zomel::RuleOf("Z2-PWR")(run); }), vb::err::kSubscriptOutOfRange);
    EXPECT_EQ(Outcome((Price(Row("Z2-PWR", "TOP", "$325.00")), run)), "skip");
}

TEST_F(RuleTest, FramePiecesArePricedByLengthOnceRoundedHalfAwayFromZero) {
    Sign(3, 1).Zomel2Mode = true;
    run.Sign.SignWidth = 3.5;
    run.Sign.SignHeight = 2.0;
    Price(Row("Z2-TOP/BOT", "HORIZONTAL", "$9.80", "220-2010"));
    EXPECT_EQ(run.Line.Cells,
              (std::array<std::string, 5>{"Part:", "$34.30", "2", "$68.60", "220-2010-03"}));
    Price(Row("Z2-SIDE", "HORIZONTAL", "$9.80", "220-2020"));
    EXPECT_EQ(run.Line.Cells,
              (std::array<std::string, 5>{"Part:", "$19.60", "2", "$39.20", "220-2020-01"}));
    // 1.25 feet at 10 cents: 12.5 cents make 13, and the pair 26.
    run.Sign.SignWidth = 1.25;
    Price(Row("Z2-TOP/BOT", "HORIZONTAL", "$0.10", "220-2010"));
    EXPECT_EQ(Cell(PriceLine::kSellingPrice), "$0.13");
    EXPECT_EQ(SubTotal(), "$0.26");
    EXPECT_EQ(Outcome((Price(Row("Z2-TOP/BOT", "VERTICAL", "$9.80")), run)), "skip");
    EXPECT_EQ(Outcome((Price(Row("Z2-SIDE", "SEGMENT", "$9.80")), run)), "skip");
}

TEST_F(RuleTest, TheBackPlateIsPricedByAreaInAnyUnit) {
    Sign(3, 1).Zomel2Mode = true;
    run.Sign.SignWidth = 42;  // inches
    run.Sign.SignHeight = 24;
    run.Sign.LengthUnit = "in";
    run.Sign.Factors = zomel::LengthFactorsOf("in");
    Price(Row("Z2-BACK", "HORIZONTAL", "$6.40", "220-2030"));
    // 2 ft by 3.5 ft at $6.40 a square foot.
    EXPECT_EQ(run.Line.Cells,
              (std::array<std::string, 5>{"Part:", "$44.80", "1", "$44.80", "VELDO will supply"}));
    run.Sign.BackPlatePartNo = "220-2030-0301";
    Price(Row("Z2-BACK", "HORIZONTAL", "$6.40", "220-2030"));
    EXPECT_EQ(Shown(), "220-2030-0301");
    EXPECT_EQ(Outcome((Price(Row("Z2-BACK", "LSEGMENT", "$7.15")), run)), "skip");
    run.Sign.Vertical = true;
    run.Sign.Layout = zomel::LayoutKind::LineMatrix;
    EXPECT_EQ(Outcome((Price(Row("Z2-BACK", "LSEGMENT", "$7.15")), run)), "1 $50.05");
}

// The spacer is an eighth of an inch shorter than its module row, whatever the unit.
TEST_F(RuleTest, RowSpacersDeductAnEighthInchInTheSignsUnit) {
    Sign(2, 3).Layout = zomel::LayoutKind::LineMatrix;
    for (const char* unit : {"in", "ft", "cm"}) {
        const zomel::LengthFactors factors = zomel::LengthFactorsOf(unit);
        run.Sign.Factors = factors;
        run.Sign.SpacerLength = 27.625 * factors.InchLengthFactor;
        Price(Row("Z2-SPACER", "LSEGMENT", "$3.90", "220-3010"));
        // 27.5 inches at $3.90 a foot is $8.9375 a piece.
        EXPECT_EQ(run.Line.Cells,
                  (std::array<std::string, 5>{"Part:", "$8.94", "2", "$17.88", "220-3010-02"}))
            << unit;
    }
    Sign(4, 1).Layout = zomel::LayoutKind::CharacterSegmented;
    EXPECT_EQ(Outcome((Price(Row("Z2-SPACER", "CSEGMENT", "$3.90")), run)), "skip");
    EXPECT_EQ(Outcome((Price(Row("SPACER", "CSEGMENT", "$4.75")), run)), "3 $14.25");
    EXPECT_EQ(Cell(PriceLine::kSellingPrice), "$4.75");
    run.Sign.Layout = zomel::LayoutKind::LineMatrix;
    EXPECT_EQ(Outcome((Price(Row("SPACER", "CSEGMENT", "$4.75")), run)), "skip");
}

// Rail, conductor, insulator and reset spacer make one line at the reset spacer's place.
TEST_F(RuleTest, TheGenerationOneRailAssemblyIsOneLine) {
    zomel::PricedSign& s = Sign(3, 1);
    s.LengthUnit = "in";
    s.Factors = zomel::LengthFactorsOf("in");
    s.RailLength = 67.75;
    s.ZomelWidth = 19.25;
    s.ConductorFirst = 27.0;
    s.ConductorNext = 17.25;
    record = Row("Z1-RAIL", "HORIZONTAL", "$14.25", "210-1010");
    record.Name = "Mounting rail assembly";
    Price(record);
    EXPECT_EQ(Outcome(run), "skip");
    EXPECT_EQ(Outcome((Price(Row("Z1-RAIL", "VERTICAL", "$14.25", "210-1020")), run)), "skip");
    EXPECT_EQ(Outcome((Price(Row("CONDUCTOR", "RAIL", "$1.15")), run)), "skip");
    EXPECT_EQ(Outcome((Price(Row("INSULATOR", "RAIL", "$0.42")), run)), "skip");
    Price(Row("RESET-SPACER", "RAIL", "$2.10", "210-1050"));
    // 67.75 in of rail $80.453125 and its fitting $72; 263.25 in of conductor $25.228125;
    // 271 in of insulator $9.485; six inches of reset spacer $1.05: $188.21625 a row.
    EXPECT_EQ(run.Line.Cells, (std::array<std::string, 5>{
                                  "Mounting rail assembly (with length 67.75 in):", "$188.22", "1",
                                  "$188.22", "210-1010-03"}));
    EXPECT_EQ(run.SkippedRows, 4);
}

TEST_F(RuleTest, Zomel2RailsHarnessesAndLockdownRails) {
    zomel::PricedSign& s = Sign(3, 2);
    s.Zomel2Mode = true;
    s.LengthUnit = "in";
    s.Factors = zomel::LengthFactorsOf("in");
    s.RailLength = 58.75;
    s.LockdownLength = 40.5;
    record = Row("Z2-RAIL", "HORIZONTAL", "$11.60", "220-1010");
    record.Name = "Mounting rail";
    Price(record);
    // 58.75 in at $11.60 a foot: $56.791666... a rail, one per row.
    EXPECT_EQ(run.Line.Cells,
              (std::array<std::string, 5>{"Mounting rail (with length 58.75 in):", "$56.79", "2",
                                          "$113.58", "220-1010-03"}));
    Price(Row("Z2=C(Y+1)", "HORIZONTAL", "$5.20", "220-1020"));
    EXPECT_EQ(run.Line.Cells,
              (std::array<std::string, 5>{"Part:", "$17.55", "3", "$52.65", "220-1020-03"}));
    Price(Row("Z2-HARN", "HORIZONTAL", "$18.50", "220-4010"));
    EXPECT_EQ(run.Line.Cells,
              (std::array<std::string, 5>{"Part:", "$55.50", "2", "$111.00", "220-4010-03"}));
    s.JumpHarnPartNo = "220-4010-0302";
    Price(Row("Z2-HARN", "HORIZONTAL", "$18.50", "220-4010"));
    EXPECT_EQ(Shown(), "220-4010-0302");
    s.X = 1;
    EXPECT_EQ(Outcome((Price(Row("Z2=C(Y+1)", "HORIZONTAL", "$5.20")), run)), "skip");
}

TEST_F(RuleTest, CountFormulasOfTheKeywords) {
    zomel::PricedSign& s = Sign(4, 3);
    s.Zomel2Mode = true;
    s.Layout = zomel::LayoutKind::LineMatrix;
    const auto counts = [&] {
        std::string seen;
        for (const char* keyword :
             {"Z2-CLIP", "Z2=C2X(Y-1)", "Z2=C2X(Y+1)", "Z2=2(X+Y)", "Z2=2XY", "Z2=2XY+C2X(Y-1)",
              "Z2=2XY+C4X(Y-1)", "Z2=4(X+Y)", "Z2=4Y", "Z2-GAPJUMPER"}) {
            Price(Row(keyword, "CLIP", "$1.00"));
            seen += (run.RowSkipped ? std::string("-") : Quantity()) + " ";
        }
        return seen;
    };
    EXPECT_EQ(counts(), "12 16 - 14 24 40 56 28 12 2 ");
    s.Layout = zomel::LayoutKind::FullMatrix;
    EXPECT_EQ(counts(), "12 - 32 14 24 24 24 28 12 - ");
    s.Vertical = true;
    EXPECT_EQ(counts(), "12 - 32 14 24 24 24 28 12 2 ");
    s.Zomel2Mode = false;
    EXPECT_EQ(counts(), "- - - - - - - - - - ");
}

TEST_F(RuleTest, QuantitiesAndMoneyDoNotOverflowOrDrift) {
    Sign(300, 300).Zomel2Mode = true;
    Price(Row("Z2=2XY", "HARDWARE", "$0.25"));
    EXPECT_EQ(Quantity(), "180000");  // beyond 16 bits
    EXPECT_EQ(SubTotal(), "$45000.00");
    Sign(10, 5).Zomel2Mode = true;
    Price(Row("Z2=2XY", "HARDWARE", "$1024.18"));
    EXPECT_EQ(SubTotal(), "$102418.00");  // 100 at $1,024.18, exactly
}

TEST_F(RuleTest, FixedCountsSignAssemblyAndUnknownKeywords) {
    Sign(3, 1).Zomel2Mode = true;
    EXPECT_EQ(Outcome((Price(Row("Z2=FIX", "HARDWARE", "$8.50", "220-5100", 4)), run)), "4 $34.00");
    EXPECT_EQ(Outcome((Price(Row("Z2=FIX", "HARDWARE", "$8.50", "220-5100", 0)), run)),
              "0 $0.00");  // shown, not skipped
    Price(Row("Z2=FIX", "HARDWARE", "$145.00", "350-2040", 1));
    EXPECT_EQ(Shown(), "350-2040");
    run.AltPartsFlag = true;
    Price(Row("Z2=FIX", "HARDWARE", "$145.00", "350-2040", 1));
    EXPECT_EQ(Shown(), "350-2045");
    EXPECT_EQ(run.Line.CataloguePartNo, "350-2040");
    EXPECT_EQ(Outcome((Price(Row("SIGN", "ASSEMBLY", "$1850.00")), run)), "1 $1850.00");
    const vb::Integer skipped = run.SkippedRows;
    EXPECT_EQ(Outcome((Price(Row("ZOMEL3", "X", "$1.00")), run)), "skip");
    EXPECT_EQ(Outcome((Price(Row("sign", "X", "$1.00")), run)), "skip");  // exact case
    EXPECT_EQ(run.SkippedRows, skipped + 2);
}
