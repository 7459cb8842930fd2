#include "tests/estimate/RuleBench.h"
#include "tests/support/ErrorNumber.h"

using zomel::PriceLine;

// Layout sets: the description takes the set's ending; a quantity of 0 is no line.
TEST_F(RuleTest, LayoutSetsFollowTheRowsAndTheSize) {
    const auto sets = [&](vb::Long x, vb::Long y, bool high) {
        Sign(x, y).HighDensity = high;
        std::string seen;
        for (const char* info :
             {"HRZ ONLY", "HRZ PWR", "LEFT HRZ", "LEFT HRZ PWR", "RIGHT HRZ", "RIGHT HRZ DTA"}) {
            Price(Row("OPTION-SET", info, "$36.00", "310-3100-01", 3));
            seen += (run.RowSkipped ? std::string("-") : Quantity()) + " ";
        }
        return seen;
    };
    EXPECT_EQ(sets(3, 1, true), "1 - - - - - ");
    EXPECT_EQ(sets(3, 2, true), "1 - - - 1 - ");
    EXPECT_EQ(sets(3, 6, false), "1 - 2 - 3 - ");
    EXPECT_EQ(sets(10, 2, false), "1 - - - 1 - ");  // 20 modules: not large
    EXPECT_EQ(sets(11, 2, false), "- 1 - - - 1 ");  // 22 modules
    EXPECT_EQ(sets(9, 1, true), "1 - - - - - ");    // large, one row
    EXPECT_EQ(run.PowerSetCount, 1);                // the 11 x 2 sign's power set
    Sign(11, 5).HighDensity = false;
    Price(Row("OPTION-SET", "LEFT HRZ PWR", "$74.00", "310-3300-01", 3));
    EXPECT_EQ(Outcome(run), "2 $148.00");
    EXPECT_EQ(Cell(PriceLine::kDescription), "Part, left horizontal with power:");
    EXPECT_EQ(run.PowerSetCount, 3);
    Price(Row("OPTION-SET", "RIGHT HRZ DTA", "$58.00", "310-3700-01", 3));
    EXPECT_EQ(Cell(PriceLine::kDescription), "Part, right horizontal data and reset:");
    EXPECT_EQ(Outcome(run), "2 $116.00");
}

TEST_F(RuleTest, TheVerticalBoxChoosesTheVerticalSets) {
    Sign(3, 2).VerticalBox = true;
    EXPECT_EQ(Outcome((Price(Row("OPTION-SET", "HRZ ONLY", "$42.00", "310-2100-01", 2)), run)),
              "skip");
    Price(Row("OPTION-SET", "VRT ONLY", "$42.00", "310-2300-01", 2));
    EXPECT_EQ(Cell(PriceLine::kDescription), "Part, vertical:");
    Price(Row("OPTION-SET", "RIGHT VRT", "$36.00", "310-3600-01", 3));
    EXPECT_EQ(Cell(PriceLine::kDescription), "Part, right vertical:");
    Price(Row("OPTION-SET", "VERTICAL", "$96.00", "310-1200-01", 1));
    EXPECT_EQ(Cell(PriceLine::kDescription), "Part, vertical:");
    // The horizontal mounting set reads the sign's own orientation, not the box.
    Price(Row("OPTION-SET", "HORIZONTAL", "$96.00", "310-1100-01", 1));
    EXPECT_EQ(Outcome(run), "1 $96.00");
    EXPECT_EQ(Cell(PriceLine::kDescription), "Part, horizontal:");
}

TEST_F(RuleTest, AlternativeMountingNumbersAndGenerationTwoSets) {
    run.AltPartsFlag = true;
    Price(Row("OPTION-SET", "HORIZONTAL", "$96.00", "310-1100-01", 1));
    EXPECT_EQ(Shown(), "310-1100-05");
    EXPECT_EQ(run.Line.CataloguePartNo, "310-1100-01");
    Price(Row("OPTION-SET", "HRZ ONLY", "$42.00", "310-2100-01", 2));
    EXPECT_EQ(Shown(), "310-2100-01");  // only the mounting sets have one
    run.Sign.Zomel2Mode = true;
    EXPECT_EQ(Outcome((Price(Row("OPTION-SET", "HRZ ONLY", "$42.00", "310-2100-01", 3)), run)),
              "skip");
    EXPECT_EQ(Outcome((Price(Row("OPTION-SET", "HRZ ONLY", "$39.00", "320-2100-01", 5)), run)),
              "1 $39.00");
}

TEST_F(RuleTest, KitsAndPackagesArePricedWhenChosen) {
    Option(1, "Portable sign trailer kit", "OPTION-KIT", "TOP", "$56800.00", "680-1000", 15);
    Option(2, "Phone modem", "OPTION-PKG", "OPTION", "$385.00", "630-1010", 31);
    EXPECT_EQ(Outcome((PriceOption(1), run)), "skip");
    EXPECT_EQ(Outcome((PriceOption(2), run)), "skip");
    zomel::gOptions(1).Checked = vb::True;
    zomel::gOptions(2).Checked = vb::True;
    EXPECT_EQ(Outcome((PriceOption(1), run)), "1 $56800.00");
    EXPECT_EQ(Outcome((PriceOption(2), run)), "1 $385.00");
    EXPECT_EQ(Cell(PriceLine::kDescription), "Phone modem:");
}

TEST_F(RuleTest, FuseKitsPerSixtyAmperes) {
    Option(1, "Fuse kit", "OPTION-KIT", "TOP", "$38.00", "260-0010", 11).Checked = vb::True;
    Sign(17, 5).HighDensity = false;  // 59.5 A
    EXPECT_EQ(Outcome((PriceOption(1), run)), "1 $38.00");
    Sign(43, 2).HighDensity = false;  // 60.2 A
    EXPECT_EQ(Outcome((PriceOption(1), run)), "2 $76.00");
    run.InstallKitIncluded = true;  // the kit brings one
    EXPECT_EQ(Outcome((PriceOption(1), run)), "1 $38.00");
    Sign(17, 5).HighDensity = false;
    EXPECT_EQ(Outcome((PriceOption(1), run)), "skip");
}

// The cabinet is the kit whose catalogue number is the placeholder, shown as "N/A".
TEST_F(RuleTest, TheCabinetIsRecognisedByItsCatalogueNumber) {
    zomel::OptionRecord& cabinet =
        Option(1, "NEMA 4X equipment cabinet", "OPTION-KIT", "TOP", "$0.00", "000-0400", 14);
    cabinet.PartNo = "N/A";
    cabinet.Checked = vb::True;
    Option(2, "Custom frame color", "OPTION-KIT", "TOP", "$350.00", "000-0900", 14).PartNo = "N/A";
    zomel::gOptions(2).Checked = vb::True;
    Sign(12, 1);  // 37.2 A: one 40 amp supply
    PriceOption(1);
    EXPECT_EQ(run.Line.Cells, (std::array<std::string, 5>{"NEMA 4X equipment cabinet:",
                                                          "Call VELDO", "1", "Call VELDO", "N/A"}));
    EXPECT_EQ(run.LineTotal, zomel::Cents());
    EXPECT_TRUE(run.PendingAdvice.empty());
    Sign(13, 1);  // 40.3 A
    PriceOption(1);
    Sign(19, 3).HighDensity = false;  // 39.9 A rounds to 40
    run.LargeSupplyChosen = true;
    PriceOption(1);
    EXPECT_EQ(AdvicePrompts(),
              (std::vector<std::string>{
                  "The selected NEMA cabinet only has room for one 40 amp power supply. "
                  "You will need a bigger cabinet and a larger power supply for this "
                  "sign.",
                  "The selected NEMA cabinet only has room for a 40 amp power supply "
                  "with the modem and other parts. You will need a bigger cabinet to "
                  "hold the larger power supply unless you don't need the modem for "
                  "this sign."}));
    // Another placeholder is an ordinary kit.
    EXPECT_EQ(Outcome((PriceOption(2), run)), "1 $350.00");
}

TEST_F(RuleTest, TheRadarKitAdvisesOnTheSignsShape) {
    Option(1, "Radar speed display kit", "OPTION-KIT", "TOP", "$1450.00", "640-1200", 12).Checked =
        vb::True;
    const auto advice = [&](vb::Long x, vb::Long y, bool high, bool box) {
        Sign(x, y).HighDensity = high;
        run.Sign.VerticalBox = box;
        run.PendingAdvice.clear();
        PriceOption(1);
        EXPECT_EQ(Outcome(run), "1 $1450.00");
        if (run.PendingAdvice.empty()) return std::string("none");
        const zomel::Advice& given = run.PendingAdvice[0];
        return given.Prompt.substr(47, 12) + "|" + given.Title;
    };
    EXPECT_EQ(advice(4, 1, true, true), "you have mor|Only need 2 or 3 vertical ZOMELs in 1 row.");
    EXPECT_EQ(advice(3, 2, true, true), "you should m|Only need 2 or 3 vertical ZOMELs in 1 row.");
    EXPECT_EQ(advice(3, 1, true, true), "none");
    EXPECT_EQ(advice(3, 1, true, false),
              "you have mor|Only need 1 or 2 horizontal ZOMELs in 1 row.");
    EXPECT_EQ(advice(2, 2, true, false),
              "you should m|Only need 1 or 2 horizontal ZOMELs in 1 row.");
    EXPECT_EQ(advice(2, 1, true, false), "none");
    EXPECT_EQ(advice(3, 2, false, true), "you have mor|Only need 2 or 3 vertical ZOMELs in 1 row.");
    EXPECT_EQ(advice(3, 1, false, true), "none");
    EXPECT_EQ(advice(1, 1, false, false),
              "you should c|Recommend 2 or 3 vertical ZOMELs in 1 row.");
}

TEST_F(RuleTest, PowerSuppliesForTheLoadWithAdviceAndTheCabinetsOwn) {
    Option(1, "Power supply - 10 amp", "OPTION-SET", "OPTION", "$95.00", "240-0010").Checked =
        vb::True;
    Option(2, "Power supply - 100 amp", "OPTION-SET", "OPTION", "$540.00", "240-0100").Checked =
        vb::True;
    Sign(8, 1);  // 24.8 A
    PriceOption(1);
    EXPECT_EQ(Outcome(run), "3 $285.00");
    EXPECT_EQ(run.LoadStep, 551);
    EXPECT_EQ(AdvicePrompts(),
              std::vector<std::string>{"You should consider replacing more than one "
                                       "'Power supply - 10 amp' with one of the "
                                       "higher amp parts."});
    EXPECT_FALSE(run.LargeSupplyChosen);
    PriceOption(2);
    EXPECT_EQ(Outcome(run), "1 $540.00");
    EXPECT_TRUE(run.LargeSupplyChosen);
    EXPECT_EQ(AdvicePrompts().size(), 1u);
    Sign(1, 1);  // 3.1 A: one supply, which the cabinet brings
    run.CabinetOption = true;
    EXPECT_EQ(Outcome((PriceOption(1), run)), "0 $0.00");
    EXPECT_EQ(Outcome((PriceOption(2), run)), "1 $540.00");
}

TEST_F(RuleTest, ThePowerCableIsChosenForTheEstimateAndOnlyThatCheckIsUndone) {
    Option(1, "Power cable ZOMEL male 25 ft", "OPTION-SET", "KIT", "$65.00", "250-0025", 10);
    Option(2, "Long power cable - 50 ft", "OPTION-SET", "OPTION", "$110.00", "250-0050");
    Option(3, "Long power cable - 100 ft", "OPTION-SET", "OPTION", "$195.00", "250-0100");
    run.PowerSetCount = 2;
    EXPECT_EQ(Outcome((PriceOption(1), run)), "skip");
    EXPECT_EQ(run.PowerCableIndex, 2);
    EXPECT_EQ(zomel::gOptions(2).Checked, vb::True);
    EXPECT_EQ(Outcome((PriceOption(2), run)), "3 $330.00");
    EXPECT_EQ(run.LoadStep, 549);
    EXPECT_EQ(Outcome((PriceOption(3), run)), "skip");
    EXPECT_EQ(run.CableCheckedByEngine, 2);
    // The person's own choice of the longest cable is the cable, and stays chosen.
    run = {};
    Sign(3, 1).Zomel2Mode = true;
    zomel::gOptions(2).Checked = vb::False;
    zomel::gOptions(3).Checked = vb::True;
    PriceOption(1);
    EXPECT_EQ(run.PowerCableIndex, 3);
    EXPECT_EQ(run.CableCheckedByEngine, 0);
    PriceOption(3);
    EXPECT_EQ(Outcome(run), "1 $195.00");
    EXPECT_EQ(Cell(PriceLine::kDescription), "Power Cable ZOMEL2 male:");
    // The installation kit brings the first cable of a kit cable.
    run = {};
    Sign(3, 1);
    zomel::gOptions(1).Checked = vb::True;
    run.InstallKitIncluded = true;
    EXPECT_EQ(Outcome((PriceOption(1), run)), "skip");  // no power sets: 0 cables
    EXPECT_EQ(run.PowerCableIndex, 1);
}

TEST_F(RuleTest, TheCableRowsBelowAPowerCableMustExist) {
    Option(1, "Power cable ZOMEL male 25 ft", "OPTION-SET", "KIT", "$65.00", "250-0025", 10);
    run.BeginRow(zomel::gOptions(1), 1);
    EXPECT_EQ(ErrorNumber([&] { zomel::RuleOf("OPTION-SET")(run); }),
              vb::err::kSubscriptOutOfRange);
}

TEST_F(RuleTest, TheInstallationKitAndItsMembers) {
    Option(1, "Installation kit ZOMEL", "OPTION-SET", "KIT", "$695.00", "610-1000", 10);
    Option(2, "Sign control software", "OPTION-SET", "KIT", "$450.00", "630-0100", 10).Checked =
        vb::True;
    run.EstimateTotal = zomel::Cents(123456);
    run.GridRow = 7;
    run.FirstEstimate = vb::True;
    PriceOption(1);  // the first estimate chooses the kit of the sign's generation
    EXPECT_EQ(zomel::gOptions(1).Checked, vb::True);
    EXPECT_EQ(run.FirstEstimate, vb::False);
    EXPECT_EQ(Outcome(run), "1 $695.00");
    EXPECT_EQ(Cell(PriceLine::kDescription), "Installation kit ZOMEL:");
    EXPECT_EQ(run.KitRow, 7);
    EXPECT_EQ(run.KitRowSeen, 7);
    EXPECT_EQ(run.KitSubtotal, zomel::Cents(123456));
    EXPECT_EQ(Outcome((PriceOption(2), run)), "skip");  // inside the kit
    run.InstallKitIncluded = false;
    EXPECT_EQ(Outcome((PriceOption(2), run)), "1 $450.00");
}

TEST_F(RuleTest, SolarPanelsOpenTheSolarWindowOnceTheSignChanged) {
    Option(1, "Solar array - Panels 85 watt", "OPTION-SET", "GROUP", "$640.00", "650-0085", 41)
        .Checked = vb::True;
    Option(2, "Solar array - Batteries 92 amp hour", "OPTION-SET", "GROUP", "$310.00", "650-0092",
           41)
        .Checked = vb::True;
    int shown = 0;
    run.ShowSolar = [&](zomel::PriceRun& r) {
        ++shown;
        r.PanelCount = vb::Long{3};
        r.BatteryCount = vb::Long{6};
    };
    EXPECT_EQ(Outcome((PriceOption(1), run)), "0 $0.00");  // no counts yet
    EXPECT_EQ(shown, 0);
    run.SignChanged = vb::True;
    EXPECT_EQ(Outcome((PriceOption(1), run)), "3 $1920.00");
    EXPECT_EQ(run.SignChanged, vb::False);
    EXPECT_EQ(Outcome((PriceOption(1), run)), "3 $1920.00");
    EXPECT_EQ(shown, 1);
    PriceOption(2);
    EXPECT_EQ(run.Line.Cells,
              (std::array<std::string, 5>{"Solar array - Batteries 92 amp hour:", "Call VELDO", "6",
                                          "Call VELDO", "650-0092"}));
    EXPECT_EQ(run.LineTotal, zomel::Cents(186000));  // still part of the total
    run.PanelCount = "many";
    run.BeginRow(zomel::gOptions(1), 1);
    EXPECT_EQ(ErrorNumber([&] { zomel::RuleOf("OPTION-SET")(run); }), vb::err::kTypeMismatch);
}

// The rules put no box on the screen: their advice waits in the run, in the order given, for
// the window that runs the estimate.
TEST_F(RuleTest, TheRulesLeaveTheirAdviceInTheRun) {
    Option(1, "Power supply - 10 amp", "OPTION-SET", "OPTION", "$95.00", "240-0010").Checked =
        vb::True;
    Option(2, "NEMA 4X equipment cabinet", "OPTION-KIT", "TOP", "$0.00", "000-0400", 14).Checked =
        vb::True;
    Sign(8, 1);  // 24.8 A
    run.BeginRow(zomel::gOptions(1), 1);
    zomel::RuleOf("OPTION-SET")(run);
    Sign(13, 1);  // 40.3 A
    run.BeginRow(zomel::gOptions(2), 2);
    zomel::RuleOf("OPTION-KIT")(run);
    EXPECT_TRUE(host.Messages().empty());
    ASSERT_EQ(run.PendingAdvice.size(), 2u);
    EXPECT_EQ(run.PendingAdvice[0].Prompt,
              "You should consider replacing more than one 'Power supply - 10 amp' with one of "
              "the higher amp parts.");
    EXPECT_EQ(run.PendingAdvice[0].Title, "");
    EXPECT_EQ(run.PendingAdvice[1].Prompt, forms::LoadResString(11113));
}
