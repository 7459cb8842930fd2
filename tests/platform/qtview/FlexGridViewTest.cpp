#include <gtest/gtest.h>

#include <QTableWidget>

#include "platform/forms/FlexGrid.h"
#include "tests/platform/qtview/QtFixture.h"

using namespace forms;

namespace {

const char* const kGridWindow = R"({
  "Name": "frmGrid", "Caption": "Grid", "Width": 6000, "Height": 4000,
  "Controls": [
    { "Type": "MSFlexGrid", "Name": "fgList", "Left": 0, "Top": 0, "Width": 5400,
      "Height": 3000, "Rows": 2, "Cols": 3, "FixedCols": 0, "ColWidth": [1500],
      "Font": { "Name": "Courier New", "Size": 10 } }
  ]
})";

class GridWindow : public Form {
public:
    GridWindow() : Form("frmGrid") {}
};

class FlexGridOnScreen : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Describe("frmGrid", kGridWindow);
        fx.ShowActive(window);
        grid = &window.ControlAs<FlexGrid>("fgList");
        table = &fx.WidgetOf<QTableWidget>(*grid);
    }
    QtFixture fx;
    GridWindow& window = Instance<GridWindow>();
    FlexGrid* grid = nullptr;
    QTableWidget* table = nullptr;
};

}  // namespace

TEST_F(FlexGridOnScreen, CellsShowTheirTextBoldSizeAndAlignment) {
    grid->SetRow(1);
    grid->SetCol(2);
    grid->SetText("$12.50");
    grid->SetCellAlignment(flexAlignRightCenter);
    grid->SetCellFontBold(true);
    grid->SetCellFontSize(12);
    QTableWidgetItem* item = table->item(1, 2);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "$12.50");
    EXPECT_EQ(item->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_TRUE(item->font().bold());
    EXPECT_EQ(item->font().pointSizeF(), 12);
    // A cell without a look of its own has the grid's font, left and centred.
    QTableWidgetItem* plain = table->item(1, 0);
    EXPECT_FALSE(plain->font().bold());
    EXPECT_EQ(plain->font().family(), "Courier New");
    EXPECT_EQ(plain->font().pointSizeF(), 10);
    EXPECT_EQ(plain->textAlignment(), int(Qt::AlignLeft | Qt::AlignVCenter));
    // The header row is shaded as fixed, the rest is not.
    EXPECT_NE(table->item(0, 1)->background(), table->item(1, 1)->background());
    // A person cannot type into the price list.
    EXPECT_EQ(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(table->selectionMode(), QAbstractItemView::NoSelection);
}

TEST_F(FlexGridOnScreen, RowsAndWidthsFollowAndRedrawOffHoldsTheScreen) {
    EXPECT_EQ(table->columnWidth(0), 100);  // 1500 twips
    grid->SetColWidth(1, 3000);
    EXPECT_EQ(table->columnWidth(1), 200);
    grid->SetRedraw(false);
    grid->AddItem("a\tb");
    grid->SetTextMatrix(1, 0, "held");
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_NE(table->item(1, 0)->text(), "held");
    grid->SetRedraw(true);
    EXPECT_EQ(table->rowCount(), 3);
    EXPECT_EQ(table->item(1, 0)->text(), "held");
    EXPECT_EQ(table->item(2, 1)->text(), "b");
    grid->RemoveItem(1);
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(1, 0)->text(), "a");
}
