#include <gtest/gtest.h>

#include <QToolButton>
#include <string>
#include <vector>

#include "platform/forms/RangeControl.h"
#include "tests/platform/qtview/QtFixture.h"

using namespace forms;

namespace {

// A window of two up-down controls that records their Change events with the new value.
class UpDownWindow : public Form {
public:
    UpDownWindow() : Form("frmUpDown") {
        for (const char* name : {"udDays", "udStep"})
            On(name, "Change", [this, name](Control& c, EventArgs&) {
                events.push_back(std::string(name) + " " +
                                 std::to_string(static_cast<UpDown&>(c).Value()));
            });
    }
    std::vector<std::string> events;
};

const char* const kUpDownWindow = R"({
  "Name": "frmUpDown", "Caption": "Up-down", "Width": 4000, "Height": 2000,
  "Controls": [
    { "Type": "UpDown", "Name": "udDays", "Left": 120, "Top": 120, "Width": 255, "Height": 390,
      "Min": 10, "Max": 12, "Value": 11, "Increment": 1 },
    { "Type": "UpDown", "Name": "udStep", "Left": 600, "Top": 120, "Width": 480, "Height": 240,
      "Min": 0, "Max": 100, "Value": 50, "Increment": 5, "Orientation": 1 }
  ]
})";

class UpDownViews : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Describe("frmUpDown", kUpDownWindow);
        fx.ShowActive(window);
    }

    QToolButton& Arrow(const char* name, Qt::ArrowType type) {
        QWidget& arrows = *fx.host.WidgetOf(window.ControlNamed(name));
        for (auto* button : arrows.findChildren<QToolButton*>())
            if (button->arrowType() == type) return *button;
        throw std::runtime_error("no such arrow");
    }
    void Click(const char* name, Qt::ArrowType type) {
        QTest::mouseClick(&Arrow(name, type), Qt::LeftButton);
    }
    using Events = std::vector<std::string>;

    QtFixture fx;
    UpDownWindow& window = Instance<UpDownWindow>();
};

TEST_F(UpDownViews, ArrowsStepTheValueWithinItsRange) {
    Click("udDays", Qt::UpArrow);
    Click("udDays", Qt::UpArrow);  // at Max: no step, no event
    Click("udDays", Qt::DownArrow);
    Click("udDays", Qt::DownArrow);
    Click("udDays", Qt::DownArrow);  // at Min
    EXPECT_EQ(window.events, (Events{"udDays 12", "udDays 11", "udDays 10"}));
    EXPECT_EQ(window.ControlAs<UpDown>("udDays").Value(), 10);
}

TEST_F(UpDownViews, AcrossTheArrowsPointSidewaysAndStepByTheIncrement) {
    QWidget& arrows = *fx.host.WidgetOf(window.ControlNamed("udStep"));
    EXPECT_EQ(arrows.size(), QSize(32, 16));
    QToolButton& left = Arrow("udStep", Qt::LeftArrow);
    QToolButton& right = Arrow("udStep", Qt::RightArrow);
    EXPECT_LT(left.geometry().x(), right.geometry().x());
    EXPECT_EQ(left.geometry().y(), right.geometry().y());
    Click("udStep", Qt::RightArrow);
    Click("udStep", Qt::LeftArrow);
    Click("udStep", Qt::LeftArrow);
    EXPECT_EQ(window.events, (Events{"udStep 55", "udStep 50", "udStep 45"}));
}

TEST_F(UpDownViews, AValueSetFromCodeRaisesOneChangeAndTheArrowsGoOnFromIt) {
    auto& days = window.ControlAs<UpDown>("udDays");
    QToolButton& up = Arrow("udDays", Qt::UpArrow);
    QToolButton& down = Arrow("udDays", Qt::DownArrow);
    EXPECT_LT(up.geometry().y(), down.geometry().y());
    days.SetValue(10);
    Click("udDays", Qt::UpArrow);
    EXPECT_EQ(window.events, (Events{"udDays 10", "udDays 11"}));
    // Hidden with the model, as the window's extra controls are.
    days.SetVisible(false);
    EXPECT_FALSE(fx.host.WidgetOf(days)->isVisible());
}

TEST_F(UpDownViews, TabGivesTheArrowsTheKeysWhichStepTheValue) {
    QWidget& days = *fx.host.WidgetOf(window.ControlNamed("udDays"));
    QWidget& step = *fx.host.WidgetOf(window.ControlNamed("udStep"));
    ASSERT_TRUE(days.hasFocus());  // the window's first control takes the keys
    QTest::keyClick(&days, Qt::Key_Up);
    QTest::keyClick(&days, Qt::Key_Down);
    QTest::keyClick(&days, Qt::Key_PageDown);  // ten steps, stopped at Min
    QTest::keyClick(&days, Qt::Key_Tab);
    ASSERT_TRUE(step.hasFocus());
    QTest::keyClick(&step, Qt::Key_Right);
    EXPECT_EQ(window.events, (Events{"udDays 12", "udDays 11", "udDays 10", "udStep 55"}));
}

}  // namespace
