#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "platform/forms/BasicControls.h"
#include "tests/platform/forms/FocusWindow.h"
#include "tests/platform/qtview/QtFixture.h"

using namespace forms;

namespace {

using Events = std::vector<std::string>;

// A person's focus moves on screen: Tab and clicks between the widgets of one window, and the
// arrow of a drop-down list.
class FocusView : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Describe("frmFocus", kFocusWindow);
        fx.ShowActive(window);
        window.events.clear();
    }
    QWidget& WidgetNamed(const char* name) { return *fx.host.WidgetOf(window.ControlNamed(name)); }
    std::string Active() { return window.ActiveControl() ? window.ActiveControl()->Name() : ""; }

    QtFixture fx;
    FocusWindow& window = Instance<FocusWindow>();
};

}  // namespace

TEST_F(FocusView, TabValidatesTheControlItLeaves) {
    ASSERT_TRUE(WidgetNamed("txtFirst").hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(WidgetNamed("cboSize").hasFocus());
    EXPECT_EQ(window.events,
              (Events{"Validate txtFirst", "LostFocus txtFirst", "GotFocus cboSize"}));
}

TEST_F(FocusView, ACancelledValidateTakesTheFocusBackAndEatsTheClick) {
    window.refuse = "txtFirst";
    QTest::mouseClick(&WidgetNamed("cmdOk"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(window.events, Events{"Validate txtFirst"});  // no Click cmdOk
    EXPECT_TRUE(WidgetNamed("txtFirst").hasFocus());
    EXPECT_EQ(Active(), "txtFirst");
    // Tab is refused the same way; once the box lets go, the click goes through.
    QTest::keyClick(&WidgetNamed("txtFirst"), Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_TRUE(WidgetNamed("txtFirst").hasFocus());
    window.refuse.clear();
    window.events.clear();
    QTest::mouseClick(&WidgetNamed("cmdOk"), Qt::LeftButton);
    EXPECT_EQ(window.events,
              (Events{"Validate txtFirst", "LostFocus txtFirst", "GotFocus cmdOk", "Click cmdOk"}));
}

TEST_F(FocusView, AButtonThatCausesNoValidationIsReachedWithoutIt) {
    window.refuse = "txtFirst";
    QTest::mouseClick(&WidgetNamed("cmdHelp"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(WidgetNamed("cmdHelp").hasFocus());
    EXPECT_EQ(window.events, (Events{"LostFocus txtFirst", "GotFocus cmdHelp"}));
}

TEST_F(FocusView, TheListOpensWithWhatDropDownPutInIt) {
    auto& combo = static_cast<QComboBox&>(WidgetNamed("cboSize"));
    QTest::mouseClick(&combo, Qt::LeftButton);
    EXPECT_EQ(window.events, (Events{"Validate txtFirst", "LostFocus txtFirst", "GotFocus cboSize",
                                     "DropDown cboSize"}));
    ASSERT_TRUE(combo.view()->isVisible());
    ASSERT_EQ(combo.view()->model()->rowCount(), 2);
    EXPECT_EQ(combo.itemText(1), "13.75 inches");
    combo.hidePopup();
    // A refused move leaves the list shut and the handler unheard.
    QTest::mouseClick(&WidgetNamed("cmdOk"), Qt::LeftButton);
    window.refuse = "cmdOk";
    window.events.clear();
    QTest::mouseClick(&combo, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(window.events, Events{"Validate cmdOk"});
    EXPECT_FALSE(combo.view()->isVisible());
}
