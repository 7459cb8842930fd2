#include <gtest/gtest.h>

#include <QTableWidget>

#include "core/Catalogue.h"
#include "core/Globals.h"
#include "editor/frmMain.h"
#include "estimate/frmOrder.h"
#include "platform/forms/StringTable.h"
#include "tests/support/OnScreenRun.h"
#include "tests/support/WindowShot.h"

namespace {

// The estimate of HELLO on the Qt host, as a person sees it; the shot is kept.
class EstimateScreen : public OnScreenRun<> {
protected:
    void SetUp() override {
        OnScreenRun::SetUp();
        zomel::ResetOptions();
        std::string* headers[] = {&zomel::HdrDescription, &zomel::HdrSellingPrice,
                                  &zomel::HdrQuantity, &zomel::HdrSubTotal};
        for (vb::Long i = 0; i < 4; ++i)
            *headers[i] = forms::LoadResString(15000 + i);
        zomel::HdrPartNumber = forms::LoadResString(15007);
        FreshRun::StartSign().Load();
    }
};

}  // namespace

TEST_F(EstimateScreen, TheItemisedEstimateOfHello) {
    zomel::MainForm->txtZomelText(0).SetText("HELLO");
    zomel::frmOrder& order = forms::Instance<zomel::frmOrder>();
    order.Load();
    ShootWindow(host, order, std::string(ZOMEL_ARTIFACT_DIR) + "/estimate-hello.png");
    auto* table = qobject_cast<QTableWidget*>(host.WidgetOf(*order.fgPrices));
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rowCount(), 5);
    EXPECT_EQ(table->item(0, 3)->text(), "Sub Total");
    EXPECT_TRUE(table->item(0, 3)->font().bold());
    EXPECT_EQ(table->item(1, 0)->text(), "AF0-1H2A4-0301H: ");
    EXPECT_EQ(table->item(4, 3)->text(), "$5080.22");
    EXPECT_TRUE(table->item(4, 3)->font().bold());
    EXPECT_EQ(table->item(2, 0)->font().pointSizeF(), 8);
    // Columns of 5616, 2160, 1404, 1728 and 2160 twips, 15 to the pixel.
    EXPECT_EQ(table->columnWidth(0), 374);
    EXPECT_EQ(table->columnWidth(2), 94);
    EXPECT_EQ(table->columnWidth(4), 144);
    order.Unload();
}

// Keys alone: Tab and Shift+Tab leave the price grid for the buttons, whatever cell is current.
TEST_F(EstimateScreen, TabLeavesThePriceGridForTheButtons) {
    zomel::MainForm->txtZomelText(0).SetText("HELLO");
    zomel::frmOrder& order = forms::Instance<zomel::frmOrder>();
    order.Load();
    order.Show();
    QApplication::processEvents();
    auto* grid = qobject_cast<QTableWidget*>(host.WidgetOf(*order.fgPrices));
    QWidget* ok = host.WidgetOf(*order.cmdOk);
    ASSERT_TRUE(grid && ok);
    grid->setFocus(Qt::MouseFocusReason);
    grid->setCurrentCell(1, 0);
    ASSERT_EQ(order.ActiveControl(), &*order.fgPrices);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->currentRow(), 2);
    EXPECT_TRUE(grid->hasFocus());
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_TRUE(ok->hasFocus());
    EXPECT_EQ(order.ActiveControl(), &*order.cmdOk);
    QTest::keyClick(ok, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(grid->hasFocus());
    QTest::keyClick(grid, Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_FALSE(grid->hasFocus());
    EXPECT_NE(order.ActiveControl(), &*order.fgPrices);
    order.Unload();
}
