// The display control on screen: a person's mouse on its display reaches the window's
// handlers as the control's events, in the display's own pixels.
#include <gtest/gtest.h>

#include <QFrame>
#include <cmath>

#include "platform/com/ServerLibrary.h"
#include "platform/forms/HostedControl.h"
#include "platform/forms/UserControl.h"
#include "tests/platform/qtview/QtFixture.h"

namespace {

class SignWindow : public forms::Form {
public:
    SignWindow() : Form("frmSign") {
        for (const char* event : {"MouseDown", "MouseUp", "Click", "DblClick"})
            On("ViewSign", event, [this, event](forms::Control&, forms::EventArgs& args) {
                std::string line = event;
                for (const auto& arg : args)
                    line += " " + arg.ToString();
                heard.push_back(line);
            });
    }
    std::vector<std::string> heard;
};

TEST(SignObjectView, APersonsClickOnTheDisplayReachesTheWindowInDisplayPixels) {
    QtFixture fx;
    com::RegisterServer(VELDOSIGN_LIBRARY);
    fx.Describe("frmSign", R"({ "Name": "frmSign", "Width": 7000, "Height": 4000, "Controls": [
        { "Type": "SignObject", "Name": "ViewSign", "ClassId": "VELDOSign.SignOcx",
          "Left": 0, "Top": 0, "Width": 6000, "Height": 2400 } ] })");
    auto& window = forms::Instance<SignWindow>();
    fx.ShowActive(window);
    auto& sign = window.ControlAs<forms::HostedControl>("ViewSign");
    auto* control = dynamic_cast<forms::UserControl*>(&sign.Object());
    ASSERT_NE(control, nullptr);
    const forms::Control* display = nullptr;
    for (const auto& child : control->Children())
        if (child->Name() == "picSign") display = child.get();
    ASSERT_NE(display, nullptr);

    // Pixel (3, 2) of the display, where the control lies on the window.
    const QPoint pixel(static_cast<int>(std::lround(display->Left() / 15)) + 3,
                       static_cast<int>(std::lround(display->Top() / 15)) + 2);
    QTest::mouseClick(&fx.WidgetOf<QFrame>(sign), Qt::LeftButton, Qt::ShiftModifier, pixel);
    EXPECT_EQ(window.heard,
              (std::vector<std::string>{"MouseDown 1 1 3 2", "MouseUp 1 1 3 2", "Click"}));

    // Beside the display, the control's own twips.
    window.heard.clear();
    const QPoint corner(1, 1);
    QTest::mouseClick(&fx.WidgetOf<QFrame>(sign), Qt::RightButton, {}, corner);
    ASSERT_FALSE(window.heard.empty());
    EXPECT_EQ(window.heard[0], "MouseDown 2 0 15 15");
}

}  // namespace
