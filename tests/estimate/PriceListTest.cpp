#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/PriceLoad.h"
#include "tests/estimate/EstimateFixture.h"
#include "tests/estimate/RuleBench.h"

using zomel::PriceLine;

namespace {

struct Reported {
    vb::Integer step;
    vb::Long number;
    vb::Long row;
};

// A small catalogue of its own: the sign row and two parts, then options.
class PriceListTest : public RuleTest {
protected:
    void SetUp() override {
        RuleTest::SetUp();
        Base(1, "Sign assembly and test", "SIGN", "ASSEMBLY", "$1850.00", "000-0000");
        Base(2, "ZOMEL module high density", "ZOMEL", "HIGH DENSITY", "$545.00", "110-1100");
        Base(3, "Lockdown clamp", "ZOMEL * 1.5", "CLAMP", "$6.50", "330-1010");
        run.Sign.LockdownCount = 6;
        // The first option row is the preset, without a generation-2 twin.
        zomel::PresetFirstIndex = zomel::PresetNextIndex = 1;
        zomel::KitOptionIndex = 0;
    }
    void Base(vb::Integer index, const std::string& name, const std::string& keyword,
              const std::string& info, const std::string& price, const std::string& partNo) {
        zomel::OptionRecord& row = zomel::gBaseParts(index);
        row = {};
        row.Name = name;
        row.Type = keyword;
        row.Info = info;
        row.Price = price;
        row.PartNo = row.CataloguePartNo = partNo;
        zomel::gBaseCount = index;
    }
    // A run of its own, on the sign of the test.
    std::vector<PriceLine> PriceAll() {
        const zomel::PricedSign sign = run.Sign;
        run = {};
        run.Sign = sign;
        return zomel::PriceCatalogue(run, [this](const zomel::PriceRun& r) {
            reported.push_back({r.LoadStep, vb::Err().Number, r.RowIndex});
            vb::Err().Clear();
        });
    }
    static std::vector<std::string> Column(const std::vector<PriceLine>& lines, int column) {
        std::vector<std::string> texts;
        for (const auto& line : lines)
            texts.push_back(line.Cells[static_cast<size_t>(column)]);
        return texts;
    }
    std::vector<Reported> reported;
};

}  // namespace

TEST_F(PriceListTest, TheComponentsFoldIntoTheAssembledSignWithTheirPartNumbers) {
    Option(1, "Installation kit ZOMEL", "OPTION-SET", "KIT", "$695.00", "610-1000", 10).Checked =
        vb::True;
    Option(2, "Phone modem", "OPTION-PKG", "OPTION", "$385.00", "630-1010", 31).Checked = vb::True;
    auto lines = PriceAll();
    EXPECT_TRUE(reported.empty());
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(run.KitRow, 4);
    EXPECT_EQ(run.KitSubtotal, zomel::Cents(185000 + 163500 + 3900));
    EXPECT_EQ(lines.back().Cells, (std::array<std::string, 5>{"Total:", "", "", "$4604.00", ""}));
    // 3 modules: (3/12 + 1.5) x 80 = 140.00 more.
    EXPECT_TRUE(zomel::AssembleSign(lines, run, "AF0-1H2A4-0301H", "AF0-1H2A4-0301H"));
    EXPECT_EQ(Column(lines, PriceLine::kSubTotal),
              (std::vector<std::string>{"$3664.00", "$695.00", "$385.00", "$4744.00"}));
    std::vector<std::string> partNumbers;
    for (const auto& line : lines)
        partNumbers.push_back(line.CataloguePartNo);
    EXPECT_EQ(partNumbers,
              (std::vector<std::string>{"AF0-1H2A4-0301H", "610-1000", "630-1010", ""}));
}

TEST_F(PriceListTest, AKitNotChosenStillMarksWhereTheOptionsStart) {
    Option(1, "Installation kit ZOMEL", "OPTION-SET", "KIT", "$695.00", "610-1000", 10);
    Option(2, "Phone modem", "OPTION-PKG", "OPTION", "$385.00", "630-1010", 31).Checked = vb::True;
    auto lines = PriceAll();
    EXPECT_EQ(run.KitRow, 0);
    EXPECT_EQ(run.KitRowSeen, 4);
    EXPECT_TRUE(zomel::AssembleSign(lines, run, "M: ", "M"));
    EXPECT_EQ(Column(lines, PriceLine::kDescription),
              (std::vector<std::string>{"M: : ", "Phone modem:", "Total:"}));
}

// Without an installation kit row there is no telling parts from options: all stay listed.
TEST_F(PriceListTest, ACatalogueWithoutAnInstallationKitKeepsItsLines) {
    Option(1, "Phone modem", "OPTION-PKG", "OPTION", "$385.00", "630-1010", 31).Checked = vb::True;
    auto lines = PriceAll();
    const auto before = lines;
    EXPECT_FALSE(zomel::AssembleSign(lines, run, "M", "M"));
    ASSERT_EQ(lines.size(), before.size());
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].Cells, before[i].Cells) << i;
    EXPECT_EQ(lines[0].Cells[PriceLine::kDescription], "Sign assembly and test:");
}

// A power cable row without its two rows below: reported with its step, and the rows after
// it are still priced.
TEST_F(PriceListTest, AnErrorInARowIsReportedWithItsStepAndTheEstimateGoesOn) {
    Option(1, "Power cable ZOMEL male 25 ft", "OPTION-SET", "KIT", "$65.00", "250-0025", 10);
    Option(2, "Phone modem", "OPTION-PKG", "OPTION", "$385.00", "630-1010", 31).Checked = vb::True;
    zomel::PresetFirstIndex = zomel::PresetNextIndex = 2;
    auto lines = PriceAll();
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].step, 548);
    EXPECT_EQ(reported[0].number, vb::err::kSubscriptOutOfRange);
    EXPECT_EQ(reported[0].row, 4);  // three base rows, then the first option
    EXPECT_EQ(lines.back().Cells[PriceLine::kSubTotal], "$3909.00");  // 3524 + 385
}

TEST_F(PriceListTest, MissingPresetAndKitRowsAreReportedNotRead) {
    Sign(10, 2);  // 62 amperes: the power distribution kit is wanted
    run.Sign.Zomel2Mode = true;
    zomel::PresetFirstIndex = zomel::PresetNextIndex = 0;
    auto lines = PriceAll();
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_EQ(reported[0].number, vb::err::kSubscriptOutOfRange);
    EXPECT_EQ(reported[1].number, vb::err::kSubscriptOutOfRange);
    EXPECT_EQ(lines.back().Cells[PriceLine::kDescription], "Total:");
}

TEST_F(PriceListTest, TheKitForAHighLoadIsCheckedAboveSixtyAmperes) {
    Option(1, "Power distribution kit", "OPTION-KIT", "TOP", "$380.00", "640-1100", 13);
    zomel::KitOptionIndex = 1;
    Sign(6, 3);  // 55.8 A
    PriceAll();
    EXPECT_EQ(zomel::gOptions(1).Checked, vb::False);
    Sign(5, 4);  // 62 A
    auto lines = PriceAll();
    EXPECT_EQ(zomel::gOptions(1).Checked, vb::True);
    EXPECT_EQ(lines[lines.size() - 2].Cells[PriceLine::kDescription], "Power distribution kit:");
    run.Sign.HighDensity = false;
    Sign(10, 9).HighDensity = false;  // 63 A at standard density
    zomel::gOptions(1).Checked = vb::False;
    PriceAll();
    EXPECT_EQ(zomel::gOptions(1).Checked, vb::True);
}

TEST_F(PriceListTest, TheGenerationFilterLeavesNoTraceAndSkipsAreCounted) {
    zomel::gBaseParts(2).ZomelVersion = 1;
    Base(4, "ZOMEL2 module high density", "ZOMEL2", "HIGH DENSITY", "$515.00", "120-1100");
    zomel::gBaseParts(4).ZomelVersion = 2;
    Base(5, "Unknown", "NOTHING", "X", "$1.00", "1");
    zomel::gBaseParts(5).ZomelVersion = 3;  // any other version is priced in both
    auto lines = PriceAll();
    EXPECT_EQ(Column(lines, PriceLine::kDescription),
              (std::vector<std::string>{"Sign assembly and test:", "ZOMEL module high density:",
                                        "Lockdown clamp:", "Total:"}));
    EXPECT_EQ(run.SkippedRows, 1);  // the unknown keyword; the filtered row is no skip
}

// Through the window: a count the solar window could not make is reported with its step.
TEST_F(EstimateTest, AnErrorIsReportedWithTheEstimatesStepAndTheRestIsPriced) {
    Type(0, "HELLO");
    for (vb::Integer i = 1; i <= zomel::gOptionCount; ++i)
        if (zomel::gOptions(i).CataloguePartNo == "650-0085") zomel::gOptions(i).Checked = -1;
    Order().PanelCount = "several";
    const Grid grid = PriceIt();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].prompt.rfind(
                  "An unexpected error has occurred in Price Estimate Load Prices Step: 556 ", 0),
              0u)
        << host.Messages()[0].prompt;
    ASSERT_GE(grid.size(), 2u);
    EXPECT_EQ(grid.back()[0], "Total:");
    EXPECT_EQ(zomel::gPriceLoad.OptionIndex.ToLong(), zomel::gOptionCount);
    // The rule went on after the count: its row is finished, one panel, and in the total.
    const auto panel = std::find_if(grid.begin(), grid.end(),
                                    [](const auto& row) { return row[4] == "650-0085"; });
    ASSERT_NE(panel, grid.end());
    EXPECT_EQ((*panel)[2], "1");
    EXPECT_EQ((*panel)[3], (*panel)[1]);
    long cents = 0;
    for (auto row = grid.begin() + 1; row + 1 != grid.end(); ++row)
        cents += std::lround(std::strtod((*row)[3].c_str() + 1, nullptr) * 100);
    EXPECT_EQ(std::lround(std::strtod(grid.back()[3].c_str() + 1, nullptr) * 100), cents);
}

TEST_F(PriceListTest, APersonsCableChoiceStaysChosenAfterTheEstimate) {
    Option(1, "Power cable ZOMEL male 25 ft", "OPTION-SET", "KIT", "$65.00", "250-0025", 10);
    Option(2, "Long power cable - 50 ft", "OPTION-SET", "OPTION", "$110.00", "250-0050");
    Option(3, "Long power cable - 100 ft", "OPTION-SET", "OPTION", "$195.00", "250-0100").Checked =
        vb::True;
    zomel::PresetFirstIndex = zomel::PresetNextIndex = 1;
    auto lines = PriceAll();
    EXPECT_EQ(zomel::gOptions(3).Checked, vb::True);
    EXPECT_EQ(zomel::gOptions(2).Checked, vb::False);
    EXPECT_EQ(lines[lines.size() - 2].Cells[PriceLine::kDescription], "Long power cable - 100 ft:");
    // The cable the estimate took for itself is put back.
    zomel::gOptions(3).Checked = vb::False;
    lines = PriceAll();
    EXPECT_EQ(lines[lines.size() - 2].Cells[PriceLine::kDescription], "Long power cable - 50 ft:");
    EXPECT_EQ(zomel::gOptions(2).Checked, vb::False);
}

// A catalogue of many chosen options: every grid row keeps its own part number.
TEST_F(EstimateTest, EveryRowOfALongEstimateKeepsItsPartNumber) {
    Type(0, "HELLO");
    zomel::gOptionCount = 180;
    zomel::PresetFirstIndex = zomel::PresetNextIndex = 1;  // no generation-2 twin
    for (vb::Integer i = 1; i <= zomel::gOptionCount; ++i) {
        zomel::OptionRecord& option = zomel::gOptions(i);
        option = {};
        option.Name = "Option " + std::to_string(i);
        option.Type = "OPTION-PKG";
        option.Price = "$1.00";
        option.PartNo = option.CataloguePartNo = "900-" + std::to_string(1000 + i);
        option.Checked = vb::True;
    }
    std::vector<std::string> partNumbers;
    const Grid grid = PriceIt([&](zomel::frmOrder& order) {
        for (vb::Long r = 0; r < order.fgPrices->Rows(); ++r)
            partNumbers.push_back(order.PartNumber(r));
    });
    // No installation kit row: the parts stay listed, then the 180 options and the totals.
    ASSERT_EQ(grid.size(), 1 + 7 + 180 + 1u);
    for (vb::Long r = 8; r < 188; ++r) {
        EXPECT_EQ(partNumbers[static_cast<size_t>(r)], grid[static_cast<size_t>(r)][4]) << r;
        EXPECT_EQ(grid[static_cast<size_t>(r)][4], "900-" + std::to_string(1000 + r - 7)) << r;
    }
    EXPECT_EQ(grid.back()[3], "$4315.22");  // 4135.22 of parts and 180 options at $1.00
}
