#include <gtest/gtest.h>

#include "tests/support/ErrorNumber.h"

#include "platform/forms/FlexGrid.h"
#include "tests/platform/forms/TestWindows.h"

using namespace forms;

namespace {

const char* const kGridWindow = R"({
  "Name": "frmGrid", "Caption": "Grid", "Width": 6000, "Height": 4000,
  "Controls": [
    { "Type": "MSFlexGrid", "Name": "fgList", "Left": 0, "Top": 0, "Width": 5000,
      "Height": 3000, "Rows": 3, "Cols": 3, "FixedCols": 0, "ColWidth": [1500, 700],
      "Font": { "Name": "Courier New", "Size": 10 } }
  ]
})";

class GridWindow : public Form {
public:
    GridWindow() : Form("frmGrid") {}
};

// Counts what reaches the view, as the on-screen grid would follow it.
struct CountingView : ControlView {
    std::vector<std::string> changes;
    void PropertyChanged(Control&, std::string_view name) override { changes.emplace_back(name); }
};

class FlexGridModel : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Describe("frmGrid", kGridWindow);
        grid = &Instance<GridWindow>().ControlAs<FlexGrid>("fgList");
    }
    FormsFixture fx;
    FlexGrid* grid = nullptr;
};

}  // namespace

TEST_F(FlexGridModel, TheDescriptionGivesSizeFixedPartsAndColumnWidths) {
    EXPECT_EQ(grid->Rows(), 3);
    EXPECT_EQ(grid->Cols(), 3);
    EXPECT_EQ(grid->FixedRows(), 1);
    EXPECT_EQ(grid->FixedCols(), 0);
    EXPECT_EQ(grid->ColWidth(0), 1500);
    EXPECT_EQ(grid->ColWidth(1), 700);
    EXPECT_EQ(grid->ColWidth(2), FlexGrid::kDefaultColWidth);
    EXPECT_EQ(grid->Font()->Name, "Courier New");
}

TEST_F(FlexGridModel, TheCurrentCellCarriesItsOwnTextAndLook) {
    grid->SetRow(0);
    grid->SetCol(2);
    grid->SetText("Sub Total");
    grid->SetCellAlignment(flexAlignRightCenter);
    grid->SetCellFontBold(true);
    grid->SetCellFontSize(12);
    grid->SetCol(1);
    EXPECT_EQ(grid->Text(), "");
    EXPECT_FALSE(grid->CellFontBold());
    EXPECT_EQ(grid->CellFontSize(), 10);  // the grid's font
    EXPECT_EQ(grid->CellAlignment(), flexAlignGeneral);
    grid->SetCol(2);
    EXPECT_EQ(grid->Text(), "Sub Total");
    EXPECT_TRUE(grid->CellFontBold());
    EXPECT_EQ(grid->CellFontSize(), 12);
    EXPECT_EQ(grid->CellAlignment(), flexAlignRightCenter);
    // By name, as late-bound code reaches it.
    EXPECT_EQ(grid->Get("TEXT").ToString(), "Sub Total");
    grid->SetTextMatrix(2, 0, "Total:");
    grid->SetRow(2);
    grid->SetCol(0);
    EXPECT_EQ(grid->Text(), "Total:");
    EXPECT_EQ(grid->TextMatrix(0, 2), "Sub Total");
}

TEST_F(FlexGridModel, CellsOutsideTheGridAreRefused) {
    EXPECT_EQ(ErrorNumber([&] { grid->SetRow(3); }), FlexGrid::kInvalidRowValue);
    EXPECT_EQ(ErrorNumber([&] { grid->SetCol(-1); }), FlexGrid::kInvalidColValue);
    EXPECT_EQ(ErrorNumber([&] { grid->TextMatrix(0, 3); }), FlexGrid::kInvalidColValue);
    EXPECT_EQ(ErrorNumber([&] { grid->SetColWidth(3, 10); }), vb::err::kSubscriptOutOfRange);
    EXPECT_EQ(ErrorNumber([&] { grid->SetCellFontSize(0); }), vb::err::kInvalidPropertyValue);
    EXPECT_EQ(ErrorNumber([&] { grid->SetCellAlignment(10); }), vb::err::kInvalidPropertyValue);
}

TEST_F(FlexGridModel, RowsComeAndGoWithTheirCells) {
    grid->SetTextMatrix(1, 0, "first");
    grid->SetTextMatrix(2, 0, "second");
    grid->AddItem("New");
    grid->AddItem("a\tb\tc\td", 1);  // more fields than columns: the rest is dropped
    ASSERT_EQ(grid->Rows(), 5);
    EXPECT_EQ(grid->TextMatrix(1, 0), "a");
    EXPECT_EQ(grid->TextMatrix(1, 2), "c");
    EXPECT_EQ(grid->TextMatrix(2, 0), "first");
    EXPECT_EQ(grid->TextMatrix(4, 0), "New");
    grid->RemoveItem(2);
    EXPECT_EQ(grid->TextMatrix(2, 0), "second");
    EXPECT_EQ(ErrorNumber([&] { grid->RemoveItem(0); }), FlexGrid::kCannotRemoveRow);
    EXPECT_EQ(ErrorNumber([&] { grid->RemoveItem(4); }), FlexGrid::kCannotRemoveRow);
    // Fewer rows keep the current cell inside the grid; more rows come empty.
    grid->SetRow(3);
    grid->SetRows(2);
    EXPECT_EQ(grid->Row(), 1);
    grid->SetRows(4);
    EXPECT_EQ(grid->TextMatrix(3, 0), "");
    EXPECT_EQ(grid->TextMatrix(1, 0), "a");
}

TEST_F(FlexGridModel, WithRedrawOffTheViewHearsNothingUntilItIsOnAgain) {
    CountingView view;
    grid->SetView(&view);
    grid->SetRedraw(false);
    grid->SetTextMatrix(1, 1, "x");
    grid->SetRows(10);
    EXPECT_TRUE(view.changes.empty());
    grid->SetRedraw(true);
    EXPECT_EQ(view.changes, std::vector<std::string>{"Redraw"});
    grid->SetTextMatrix(1, 1, "y");
    EXPECT_EQ(view.changes.back(), "Cells");
    grid->SetView(nullptr);
}
