#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QRadioButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <memory>

#include "catalogue/frmChooser.h"
#include "catalogue/frmOptions.h"
#include "core/Catalogue.h"
#include "core/Globals.h"
#include "core/PartNumbers.h"
#include "core/PriceLoad.h"
#include "core/Sign.h"
#include "platform/forms/Instance.h"
#include "platform/qtview/FormWindow.h"
#include "platform/qtview/QtHost.h"
#include "tests/platform/qtview/QtFixture.h"
#include "tests/support/FreshRun.h"
#include "tests/support/WindowShot.h"

namespace {

// The catalogue windows shown on the Qt host, as a person sees them; each shot is saved and
// must show more than a blank window.
class CatalogueScreens : public ::testing::Test {
protected:
    void SetUp() override {
        run_ = std::make_unique<FreshRun>(host);
        FreshRun::StartSign();
    }
    void TearDown() override {
        run_.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The options window over the shipped catalogue's options, as a new estimate reads them.
    static zomel::frmChooser& ChooserWithSignOptions() {
        zomel::ResetOptions();
        zomel::gPriceLoad = zomel::PriceLoadValues{};
        zomel::LoadSignOptions();
        return forms::Instance<zomel::frmChooser>();
    }

    QImage Shoot(forms::Form& form, const std::string& name) {
        return ShootWindow(host, form,
                           std::string(ZOMEL_ARTIFACT_DIR) + "/catalogue-" + name + ".png");
    }

    QApplication& app = TestApplication();
    TestEnvironment env;
    qtview::QtHost host;
    std::unique_ptr<FreshRun> run_;
};

TEST_F(CatalogueScreens, UnitsWindowShowsTheUnitsInForce) {
    zomel::gSign->SetWeightUnit("kg");
    zomel::gSign->SetLengthUnit("m");
    auto& units = forms::Instance<zomel::frmOptions>();
    Shoot(units, "units");
    auto* kilograms = qobject_cast<QRadioButton*>(host.WidgetOf(units.OptWeight(0)));
    auto* meters = qobject_cast<QRadioButton*>(host.WidgetOf(units.OptHeight(2)));
    auto* feet = qobject_cast<QRadioButton*>(host.WidgetOf(units.OptHeight(1)));
    ASSERT_TRUE(kilograms && meters && feet);
    EXPECT_TRUE(kilograms->isChecked());
    EXPECT_TRUE(meters->isChecked());
    EXPECT_FALSE(feet->isChecked());
    // A person's click on the screen reaches the window: Apply comes alive.
    feet->click();
    EXPECT_TRUE(units.OptHeight(1).Value());
    EXPECT_TRUE(units.cmdApply->Enabled());
}

TEST_F(CatalogueScreens, OptionsTreeWithAPackageChosen) {
    zomel::frmChooser& chooser = ChooserWithSignOptions();
    chooser.Load();
    ASSERT_EQ(zomel::gPriceLoad.LoadError, vb::False);
    forms::TreeView& tree = *chooser.tvOption;
    tree.ClickCheckBox(tree.Item("OPT" + std::to_string(zomel::PresetOptionIndex)));
    tree.Item("OPT" + std::to_string(zomel::PresetOptionIndex)).SetExpanded(true);
    Shoot(chooser, "options-tree");

    auto* widget = qobject_cast<QTreeWidget*>(host.WidgetOf(tree));
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(QFontInfo(widget->font()).fixedPitch());
    QTreeWidgetItem* preset = widget->topLevelItem(0);
    ASSERT_NE(preset, nullptr);
    EXPECT_EQ(preset->checkState(0), Qt::Checked);
    ASSERT_GT(preset->childCount(), 0);
    EXPECT_EQ(preset->child(0)->checkState(0), Qt::Checked);  // a kit item came with it
    // A person's tick on screen runs the rules: unticking an item unticks the preset.
    preset->child(0)->setCheckState(0, Qt::Unchecked);
    EXPECT_EQ(preset->checkState(0), Qt::Unchecked);
    EXPECT_EQ(zomel::gOptions(zomel::PresetOptionIndex).Checked, vb::False);
}

// The tree opens at its first row, however a person left it the time before.
TEST_F(CatalogueScreens, OptionsTreeOpensAtTheTop) {
    zomel::frmChooser& chooser = ChooserWithSignOptions();
    chooser.Show();
    QApplication::processEvents();
    auto* widget = qobject_cast<QTreeWidget*>(host.WidgetOf(*chooser.tvOption));
    ASSERT_NE(widget, nullptr);
    QScrollBar& bar = *widget->verticalScrollBar();
    ASSERT_GT(bar.maximum(), 0);  // more rows than the tree shows
    EXPECT_EQ(bar.value(), 0);
    bar.setValue(bar.maximum());
    chooser.Hide();
    chooser.Show();
    QApplication::processEvents();
    EXPECT_EQ(bar.value(), 0);
    EXPECT_TRUE(
        widget->viewport()->rect().contains(widget->visualItemRect(widget->topLevelItem(0))));
}

}  // namespace
