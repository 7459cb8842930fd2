#include "estimate/engine/LengthFactors.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Interaction.h"
#include "tests/estimate/EstimateFixture.h"

using zomel::frmOrder;

namespace {

struct Look {
    vb::Integer alignment;
    bool bold;
    double size;
    bool operator==(const Look&) const = default;
};

Look LookAt(forms::FlexGrid& grid, vb::Long row, vb::Long col) {
    grid.SetRow(row);
    grid.SetCol(col);
    return {grid.CellAlignment(), grid.CellFontBold(), grid.CellFontSize()};
}

constexpr Look kRightBold12 = {forms::flexAlignRightCenter, true, 12};

}  // namespace

TEST_F(EstimateTest, ThePriceCommandShowsTheEstimateModallyOverTheMainWindow) {
    Type(0, "HELLO");
    host.ClearJournal();
    std::string caption;
    std::vector<vb::Long> widths;
    std::vector<Look> headerLooks;
    std::vector<vb::Integer> pointersInside;
    const Grid grid = PriceIt([&](frmOrder& order) {
        caption = order.Caption();
        for (vb::Long c = 0; c < order.fgPrices->Cols(); ++c) {
            widths.push_back(order.fgPrices->ColWidth(c));
            headerLooks.push_back(LookAt(*order.fgPrices, 0, c));
        }
        pointersInside = host.MousePointers();
    });
    EXPECT_EQ(host.Journal().front(), "modal frmOrder owner frmMain");
    EXPECT_EQ(caption, "Estimated Retail Pricing Information - June 2005");
    ASSERT_FALSE(grid.empty());
    EXPECT_EQ(grid[0], (std::vector<std::string>{"Description:", "Selling Price", "Quantity",
                                                 "Sub Total", "Part Number"}));
    EXPECT_EQ(headerLooks, std::vector<Look>(5, kRightBold12));
    // The first column's designed 1080 twips times 5.2, 2.0, 1.3, 1.6 and 2.0.
    EXPECT_EQ(widths, (std::vector<vb::Long>{5616, 2160, 1404, 1728, 2160}));
    // The hourglass while the estimate is worked out, the arrow once it is shown.
    ASSERT_GE(pointersInside.size(), 2u);
    EXPECT_EQ(pointersInside[pointersInside.size() - 2], forms::vbHourglass);
    EXPECT_EQ(pointersInside.back(), forms::vbDefault);
    EXPECT_FALSE(Order().IsLoaded());
    // The same sign again is no change for the solar sizing; another density is.
    PriceIt();
    EXPECT_EQ(Main().SignChanged, vb::False);
    Click("id_SignStandard");
    PriceIt();
    EXPECT_EQ(Main().SignChanged, vb::True);
}

TEST_F(EstimateTest, ItemsTotalsAndPartNumbersHaveTheirOwnLook) {
    Type(0, "HELLO");
    std::vector<Look> item, totals, assembled;
    std::vector<std::string> partNumbers;
    const Grid grid = PriceIt([&](frmOrder& order) {
        forms::FlexGrid& g = *order.fgPrices;
        const vb::Long last = g.Rows() - 1;
        for (vb::Long c = 0; c < 5; ++c) {
            item.push_back(LookAt(g, 2, c));
            totals.push_back(LookAt(g, last, c));
            assembled.push_back(LookAt(g, 1, c));
        }
        for (vb::Long r = 0; r <= last + 1; ++r)
            partNumbers.push_back(order.PartNumber(r));
    });
    const Look plain10 = {forms::flexAlignGeneral, false, 10};
    const Look right10 = {forms::flexAlignRightCenter, false, 10};
    const Look right8 = {forms::flexAlignRightCenter, false, 8};
    EXPECT_EQ(item, (std::vector<Look>{right8, right10, right10, kRightBold12, plain10}));
    EXPECT_EQ(totals, (std::vector<Look>{kRightBold12, plain10, plain10, kRightBold12, plain10}));
    // The model number of the assembled sign reads like every part number below it.
    EXPECT_EQ(assembled, (std::vector<Look>{right8, right10, right10, kRightBold12, plain10}));
    // Each row's own part number, the model number for the assembled sign; none for the
    // headers and the totals.
    ASSERT_EQ(grid.size(), 5u);
    EXPECT_EQ(partNumbers, (std::vector<std::string>{"", TheSign().ModelNumber(), "610-1000",
                                                     "250-0050", "", ""}));
    EXPECT_EQ(grid[4][4], "");  // the totals row keeps no part number
}

TEST_F(EstimateTest, ResizingMovesTheGridLabelsAndButtonsOnlyAboveTheirThresholds) {
    Type(0, "HELLO");
    frmOrder& order = Order();
    order.Load();
    const vb::Single gridHeight = order.fgPrices->Height();
    const vb::Single commentWidth = order.lblComment->Width();
    const vb::Single buttonLeft = order.cmdOk->Left();
    order.Move(order.Left(), order.Top(), 6000, 2500);
    EXPECT_EQ(order.fgPrices->Height(), gridHeight);
    EXPECT_EQ(order.fgPrices->Width(), 6000 - 360);
    EXPECT_EQ(order.lblComment->Width(), commentWidth);
    EXPECT_EQ(order.cmdOk->Left(), buttonLeft);
    order.Move(order.Left(), order.Top(), 6001, 2501);
    EXPECT_EQ(order.fgPrices->Height(), 501);
    EXPECT_EQ(order.lblComment->Width(), 6001 - 1745);
    EXPECT_EQ(order.lblTitle->Left(), order.lblComment->Left() + (6001 - 1745 - 2535) / 2.0F);
    for (forms::CommandButton* button : {&*order.cmdOk, &*order.cmdOpt, &*order.cmdPrint})
        EXPECT_EQ(button->Left(), 6001 - 1360);
    order.Move(order.Left(), order.Top(), 400, 2000);  // nothing becomes negative
    EXPECT_EQ(order.fgPrices->Width(), 6001 - 360);
    EXPECT_EQ(order.fgPrices->Height(), 501);
    order.Unload();
}

TEST_F(EstimateTest, F12ShowsTheCaptionIdWithAnyShiftState) {
    Type(0, "HELLO");
    PriceIt([&](frmOrder& order) {
        for (vb::Integer shift = 0; shift < 8; ++shift)
            order.KeyUp(forms::vbKeyF12, shift);
        order.KeyUp(forms::vbKeyF12 - 1, 0);  // F11 does nothing
    });
    const std::string expected = Text(111) + " #111";
    EXPECT_EQ(Prompts(), std::vector<std::string>(8, expected));
}

TEST_F(EstimateTest, OkClosesTheEstimate) {
    Type(0, "HELLO");
    PriceIt([&](frmOrder& order) {
        order.cmdOk->Click();
        EXPECT_FALSE(order.IsLoaded());
    });
    EXPECT_TRUE(host.Messages().empty());
}

TEST(LengthFactors, PerFootPricesAndInchesInEachUnit) {
    using zomel::LengthFactorsOf;
    EXPECT_DOUBLE_EQ(LengthFactorsOf("ft").PriceLengthFactor, 1);
    EXPECT_DOUBLE_EQ(LengthFactorsOf("ft").InchLengthFactor, 1.0 / 12);
    EXPECT_DOUBLE_EQ(LengthFactorsOf("in").PriceLengthFactor, 1.0 / 12);
    EXPECT_DOUBLE_EQ(LengthFactorsOf("in").InchLengthFactor, 1);
    EXPECT_DOUBLE_EQ(LengthFactorsOf("m").PriceLengthFactor, 100 / 30.48);
    EXPECT_DOUBLE_EQ(LengthFactorsOf("m").InchLengthFactor, 1 / 39.37);  // not 0.0254
    EXPECT_DOUBLE_EQ(LengthFactorsOf("cm").PriceLengthFactor, 1 / 30.48);
    EXPECT_DOUBLE_EQ(LengthFactorsOf("cm").InchLengthFactor, 2.54);
    EXPECT_DOUBLE_EQ(LengthFactorsOf("FT").PriceLengthFactor, 0);  // compared exactly
    EXPECT_DOUBLE_EQ(LengthFactorsOf("yd").InchLengthFactor, 0);
}
