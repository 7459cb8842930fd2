#include <algorithm>
#include <cstdlib>

#include "catalogue/frmChooser.h"
#include "core/PartNumbers.h"
#include "core/PriceLoad.h"
#include "tests/estimate/EstimateFixture.h"

using zomel::frmOrder;

namespace {

// The options tree as the estimate window opens it: the Options button, the person's choices
// in the tree, and the estimate priced again when the tree closes.
class OptionsFromEstimate : public EstimateTest {
protected:
    void SetUp() override {
        zomel::ResetOptions();
        zomel::gPriceLoad = zomel::PriceLoadValues{};
        EstimateTest::SetUp();
    }
    // Inside the tree, at the next press of the Options button.
    void InTree(std::function<void(zomel::frmChooser&)> action) {
        host.OnModal("frmChooser", [action](forms::Form& form) {
            action(static_cast<zomel::frmChooser&>(form));
        });
    }
    static void Tick(zomel::frmChooser& tree, std::string_view partNo) {
        for (vb::Integer i = 1; i <= zomel::gOptionCount; ++i) {
            if (zomel::gOptions(i).CataloguePartNo == partNo) {
                tree.tvOption->ClickCheckBox(tree.tvOption->Item("OPT" + std::to_string(i)));
                return;
            }
        }
        ADD_FAILURE() << "no option " << partNo;
    }
    int TreeShown() const {
        int count = 0;
        for (const std::string& line : host.Journal())
            count += line == "modal frmChooser owner frmOrder";
        return count;
    }
    // A grid row of an option priced once at its catalogue price.
    static std::vector<std::string> Once(const std::string& name, const std::string& price,
                                         const std::string& partNo) {
        return {name + ":", price, "1", price, partNo};
    }
    // "$" and the cents, as the grid shows money.
    static long Cents(const std::string& money) {
        return std::lround(std::strtod(money.c_str() + 1, nullptr) * 100);
    }
    static std::string Money(long cents) {
        const std::string fraction = std::to_string(100 + cents % 100).substr(1);
        return "$" + std::to_string(cents / 100) + "." + fraction;
    }
    static std::vector<std::string> TotalRow(long cents) {
        return {"Total:", "", "", Money(cents), ""};
    }
};

// Open the estimate, press Options, check a package and other options, close, and see the
// estimate priced with them.
TEST_F(OptionsFromEstimate, TheTreesChoicesArePricedWhenItCloses) {
    Type(0, "HELLO");
    Grid before, unchanged, chosen;
    bool presetShown = false, kitItemShown = false;
    InTree([&](zomel::frmChooser& tree) {
        // The first estimate chose the installation kit; the tree shows its items with it.
        presetShown = tree.tvOption->Item("OPT1").Checked();
        kitItemShown = tree.tvOption->Item("OPT3").Checked();
        tree.cmdDone->Click();
    });
    InTree([&](zomel::frmChooser& tree) {
        Tick(tree, "600-1200");  // Controller - NTCIP controller
        Tick(tree, "690-1005");  // Extended warranty 5 years
        Tick(tree, "630-1100");  // the photocell package: sensor and bracket
        Tick(tree, "630-1105");
        tree.cmdDone->Click();
    });
    PriceIt([&](frmOrder& order) {
        before = TextsOf(*order.fgPrices);
        order.cmdOpt->Click();
        unchanged = TextsOf(*order.fgPrices);
        order.cmdOpt->Click();
        chosen = TextsOf(*order.fgPrices);
    });
    EXPECT_EQ(TreeShown(), 2);
    EXPECT_TRUE(presetShown);
    EXPECT_TRUE(kitItemShown);
    EXPECT_TRUE(host.Messages().empty());

    // Before: the assembled sign, the installation kit and the power cable the first estimate
    // adds for a kit without its own cable chosen yet.
    ASSERT_EQ(before.size(), 5u);
    const std::vector<std::string> sign = before[1];
    const long signCents = Cents(sign[3]);
    EXPECT_EQ(before[2], Once("Installation kit ZOMEL", "$695.00", "610-1000"));
    EXPECT_EQ(before[3], Once("Long power cable - 50 ft", "$110.00", "250-0050"));
    EXPECT_EQ(before[4], TotalRow(signCents + 69500 + 11000));

    // Closed without a change, the tree still prices again: the kit now brings its own items,
    // its 25 ft power cable among them, inside its price.
    EXPECT_EQ(unchanged,
              (Grid{before[0], sign, Once("Installation kit ZOMEL", "$695.00", "610-1000"),
                    TotalRow(signCents + 69500)}));

    // The person's choices, each at its catalogue price, in catalogue order.
    EXPECT_EQ(chosen, (Grid{before[0], sign, Once("Installation kit ZOMEL", "$695.00", "610-1000"),
                            Once("Controller - NTCIP controller", "$2400.00", "600-1200"),
                            Once("Extended warranty 5 years", "$950.00", "690-1005"),
                            Once("Photocell dimming sensor", "$145.00", "630-1100"),
                            Once("Photocell mounting bracket", "$22.00", "630-1105"),
                            TotalRow(signCents + 69500 + 240000 + 95000 + 14500 + 2200)}));
}

TEST_F(OptionsFromEstimate, ATreeThatFailsToBuildIsUnloadedAtOnceAndThePricesStay) {
    Type(0, "HELLO");
    for (vb::Integer i = 1; i <= zomel::gOptionCount; ++i)
        if (zomel::gOptions(i).CataloguePartNo == zomel::kSupply20PartNo)
            zomel::gOptions(i).Name = "Power supply 20 amp";  // a set row without "-"
    Grid before, after;
    bool loadedAfter = true;
    PriceIt([&](frmOrder& order) {
        before = TextsOf(*order.fgPrices);
        order.cmdOpt->Click();
        after = TextsOf(*order.fgPrices);
        loadedAfter = forms::Instance<zomel::frmChooser>().IsLoaded();
    });
    EXPECT_EQ(TreeShown(), 0);
    EXPECT_FALSE(loadedAfter);
    EXPECT_EQ(after, before);
    EXPECT_TRUE(host.Messages().empty());  // the build's failure is a trace line
}

TEST_F(OptionsFromEstimate, ClearedChoicesAreNotPricedAndTheEstimateForgetsWhatTheTreeToldIt) {
    Type(0, "HELLO");
    Grid chosen, cleared;
    InTree([&](zomel::frmChooser& tree) {
        Tick(tree, "360-0800");  // QZ8 - Pole mount adapter: the clamp set comes with it
        Tick(tree, zomel::kCabinetPlaceholderPartNo);
        tree.cmdDone->Click();
    });
    InTree([&](zomel::frmChooser& tree) {
        tree.cmdClear->Click();
        tree.cmdDone->Click();
    });
    vb::Integer altParts = 0, cabinet = 0;
    PriceIt([&](frmOrder& order) {
        order.cmdOpt->Click();
        chosen = TextsOf(*order.fgPrices);
        altParts = order.AltPartsFlag;
        cabinet = order.CabinetOption;
        order.cmdOpt->Click();
        cleared = TextsOf(*order.fgPrices);
    });
    EXPECT_EQ(altParts, vb::True);
    EXPECT_EQ(cabinet, vb::True);
    EXPECT_EQ(Order().AltPartsFlag, vb::False);
    EXPECT_EQ(Order().CabinetOption, vb::False);
    auto hasPart = [](const Grid& grid, const std::string& partNo) {
        for (const auto& row : grid)
            if (row.size() > 4 && row[4] == partNo) return true;
        return false;
    };
    EXPECT_TRUE(hasPart(chosen, "360-0800"));
    EXPECT_TRUE(hasPart(chosen, "360-0810"));
    // The cabinet kit reached the estimate: its row asks the maker for the price.
    const std::vector<std::string> cabinetRow = {"NEMA 4X equipment cabinet:", "Call VELDO", "1",
                                                 "Call VELDO", "N/A"};
    EXPECT_NE(std::find(chosen.begin(), chosen.end(), cabinetRow), chosen.end());
    EXPECT_FALSE(hasPart(cleared, "360-0800"));
    EXPECT_FALSE(hasPart(cleared, "360-0810"));
    EXPECT_FALSE(hasPart(cleared, "610-1000"));  // Clear takes the installation kit too
}

}  // namespace
