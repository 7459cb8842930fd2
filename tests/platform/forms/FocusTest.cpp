#include <gtest/gtest.h>

#include "platform/forms/Focus.h"
#include "platform/forms/Instance.h"
#include "tests/platform/forms/FocusWindow.h"
#include "tests/platform/forms/TestWindows.h"

using namespace forms;

namespace {

using Events = std::vector<std::string>;

class Focus : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Describe("frmFocus", kFocusWindow);
        window.Load();
        window.ControlNamed("txtFirst").SetFocus();
        window.events.clear();
    }
    Control& Named(const char* name, vb::Integer index = -1) {
        return window.ControlNamed(name, index);
    }
    ComboBox& Size() { return window.ControlAs<ComboBox>("cboSize"); }
    std::string Active() { return window.ActiveControl() ? window.ActiveControl()->Name() : ""; }

    FormsFixture fx;
    FocusWindow& window = Instance<FocusWindow>();
};

}  // namespace

TEST_F(Focus, TabValidatesTheControlItLeavesThenMovesTheFocus) {
    EXPECT_TRUE(fx.host.PressTab(window));
    EXPECT_EQ(window.events,
              (Events{"Validate txtFirst", "LostFocus txtFirst", "GotFocus cboSize"}));
    EXPECT_EQ(Active(), "cboSize");
}

TEST_F(Focus, TabSkipsWhatAPersonCannotReachAndGoesRound) {
    Events stops;
    for (int i = 0; i < 6; ++i) {
        fx.host.PressTab(window);
        stops.push_back(Active());
    }
    // No label, hidden box, box in a hidden frame or box without a tab stop; round again.
    EXPECT_EQ(stops, (Events{"cboSize", "cmdHelp", "txtLast", "cboSimple", "cmdOk", "txtFirst"}));
    Named("fraPage", 4).SetVisible(true);
    Named("txtLast").SetEnabled(false);
    fx.host.PressTab(window, true);
    EXPECT_EQ(Active(), "cmdOk");
    fx.host.PressTab(window, true);
    EXPECT_EQ(Active(), "cboSimple");
    fx.host.PressTab(window, true);
    EXPECT_EQ(Active(), "txtInPage");
}

TEST_F(Focus, ACancelledValidateKeepsTheFocusAndTheClick) {
    window.refuse = "txtFirst";
    EXPECT_FALSE(fx.host.Click(Named("cmdOk")));
    EXPECT_FALSE(fx.host.PressTab(window));
    EXPECT_FALSE(fx.host.OpenList(Size()));
    EXPECT_EQ(window.events,
              (Events{"Validate txtFirst", "Validate txtFirst", "Validate txtFirst"}));
    EXPECT_EQ(Active(), "txtFirst");
    EXPECT_EQ(Size().List(0), "stale");  // the list never opened
    // Code setting the focus is refused the same way.
    Named("txtLast").SetFocus();
    EXPECT_EQ(Active(), "txtFirst");
    window.refuse.clear();
    window.events.clear();
    EXPECT_TRUE(fx.host.Click(Named("cmdOk")));
    EXPECT_EQ(window.events,
              (Events{"Validate txtFirst", "LostFocus txtFirst", "GotFocus cmdOk", "Click cmdOk"}));
}

TEST_F(Focus, AControlThatCausesNoValidationIsReachedWithoutIt) {
    EXPECT_FALSE(Named("cmdHelp").CausesValidation());  // from the description
    EXPECT_TRUE(Named("cmdOk").CausesValidation());     // the default
    window.refuse = "txtFirst";
    EXPECT_TRUE(fx.host.Click(Named("cmdHelp")));
    EXPECT_EQ(window.events, (Events{"LostFocus txtFirst", "GotFocus cmdHelp"}));
    // Leaving it for one that does validates the button, not the box before it.
    window.events.clear();
    EXPECT_TRUE(fx.host.Click(Named("txtLast")));
    EXPECT_EQ(window.events, (Events{"Validate cmdHelp", "LostFocus cmdHelp", "GotFocus txtLast"}));
    Named("cmdOk").Let("CausesValidation", false);
    EXPECT_FALSE(Named("cmdOk").CausesValidation());
}

TEST_F(Focus, OpeningAListMovesTheFocusThenRaisesDropDown) {
    EXPECT_TRUE(fx.host.OpenList(Size()));
    EXPECT_EQ(window.events, (Events{"Validate txtFirst", "LostFocus txtFirst", "GotFocus cboSize",
                                     "DropDown cboSize"}));
    ASSERT_EQ(Size().ListCount(), 2);
    EXPECT_EQ(Size().List(1), "13.75 inches");
    // Choosing opens the list afresh, so the entry is found among what the handler offers.
    window.offered = {"19.25 inches"};
    EXPECT_TRUE(fx.host.Choose(Size(), "19.25 inches"));
    EXPECT_EQ(Size().Text(), "19.25 inches");
    EXPECT_FALSE(fx.host.Choose(Size(), "13.75 inches"));
    // A simple combo shows its list all the time: it never drops down.
    window.events.clear();
    EXPECT_TRUE(fx.host.OpenList(window.ControlAs<ComboBox>("cboSimple")));
    EXPECT_EQ(window.events.back(), "GotFocus cboSimple");
}

TEST_F(Focus, HiddenControlsCannotBeReachedByAPerson) {
    Named("cboSize").SetVisible(false);
    EXPECT_FALSE(fx.host.OpenList(Size()));
    EXPECT_FALSE(fx.host.Click(Named("txtInPage")));  // in the hidden frame
    EXPECT_TRUE(window.events.empty());
    EXPECT_FALSE(CanReceiveFocus(window, Named("lblNote")));
}

TEST_F(Focus, AValidateHandlerMayMoveTheFocusOrUnloadTheWindow) {
    // Moving the focus from inside Validate (as a message box giving it back does) is
    // refused: the person's move goes on.
    window.onValidate = [this] { Named("txtLast").SetFocus(); };
    EXPECT_TRUE(fx.host.Click(Named("cmdOk")));
    EXPECT_EQ(Active(), "cmdOk");
    EXPECT_EQ(window.events,
              (Events{"Validate txtFirst", "LostFocus txtFirst", "GotFocus cmdOk", "Click cmdOk"}));
    window.onValidate = [this] { window.Unload(); };
    EXPECT_FALSE(fx.host.PressTab(window));
    EXPECT_FALSE(window.IsLoaded());
}
