#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/ErrorNumber.h"

#include "platform/forms/Interaction.h"
#include "platform/forms/Ref.h"
#include "platform/vb/Error.h"
#include "tests/platform/forms/TestWindows.h"

using namespace forms;

class FormLifecycle : public ::testing::Test {
protected:
    void SetUp() override {
        fx.Describe("frmRecording", kRecordingWindow);
        fx.Describe("frmOwned", R"({"Name": "frmOwned", "Caption": "Owned", "Controls": []})");
    }
    FormsFixture fx;
};

TEST_F(FormLifecycle, ObjectExistsBeforeItsWindowLoads) {
    auto& window = Instance<RecordingWindow>();
    EXPECT_FALSE(window.IsLoaded());
    EXPECT_EQ(&window, &Instance<RecordingWindow>());
    EXPECT_TRUE(window.events.empty());
}

TEST_F(FormLifecycle, TouchingAControlLoadsTheWindowHidden) {
    auto& window = Instance<RecordingWindow>();
    Ref<TextBox> name(window, "txtName");
    EXPECT_EQ(name->Text(), "start");
    EXPECT_TRUE(window.IsLoaded());
    EXPECT_FALSE(window.Visible());
    EXPECT_EQ(window.loads, 1);
    EXPECT_TRUE(fx.host.Journal().empty());
    // The description's own values raise no events; only Form_Load ran.
    EXPECT_EQ(window.events, std::vector<std::string>{"Load"});
}

TEST_F(FormLifecycle, VariablesOutliveUnloadAndControlsStartAfresh) {
    auto& window = Instance<RecordingWindow>();
    Ref<TextBox> name(window, "txtName");
    name->SetText("typed");
    window.remembered = "kept";
    ASSERT_TRUE(window.Unload());
    EXPECT_FALSE(window.IsLoaded());
    EXPECT_EQ(window.remembered, "kept");
    EXPECT_EQ(name->Text(), "start");  // reloaded from the description
    EXPECT_EQ(window.loads, 2);
}

TEST_F(FormLifecycle, QueryUnloadCanRefuse) {
    auto& window = Instance<RecordingWindow>();
    window.Show();
    window.refuseToClose = true;
    EXPECT_FALSE(window.CloseByUser());
    EXPECT_TRUE(window.IsLoaded());
    EXPECT_TRUE(window.Visible());
    window.refuseToClose = false;
    EXPECT_TRUE(window.Unload());
    EXPECT_EQ(window.events, (std::vector<std::string>{"Load", "Activate", "QueryUnload 0",
                                                       "QueryUnload 1", "Unload"}));
}

TEST_F(FormLifecycle, OwnedWindowsUnloadWithTheirOwner) {
    auto& owner = Instance<RecordingWindow>();
    auto& owned = Instance<OwnedWindow>();
    owner.Show();
    owned.Show(ShowStyle::Modeless, &owner);
    EXPECT_EQ(owned.Owner(), &owner);
    owner.Unload();
    EXPECT_FALSE(owned.IsLoaded());
    EXPECT_EQ(fx.host.Journal(),
              (std::vector<std::string>{"show frmRecording", "show frmOwned owner frmRecording",
                                        "hide frmOwned", "unload frmOwned", "hide frmRecording",
                                        "unload frmRecording"}));
}

TEST_F(FormLifecycle, ModalShowRunsTheTestInsideAndReturnsWhenClosed) {
    auto& owner = Instance<OwnedWindow>();
    auto& dialog = Instance<RecordingWindow>();
    bool wasModal = false;
    fx.host.OnModal("frmRecording", [&](Form& shown) {
        wasModal = shown.IsModal() && shown.Visible();
        dialog.ControlAs<CommandButton>("cmdClose").Click();
    });
    dialog.Show(ShowStyle::Modal, &owner);
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_EQ(fx.host.Journal().front(), "modal frmRecording owner frmOwned");
}

TEST_F(FormLifecycle, ModalWindowWithoutScriptIsClosedAsAPersonWould) {
    auto& dialog = Instance<RecordingWindow>();
    dialog.Show(ShowStyle::Modal);
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_EQ(dialog.events.back(), "Unload");
}

TEST_F(FormLifecycle, KeyPreviewGivesTheWindowTheKeyFirst) {
    auto& window = Instance<RecordingWindow>();
    window.KeyUp(vbKeyF12, 0, &window.ControlNamed("txtName"));
    EXPECT_EQ(window.events.back(), "KeyUp 123 0");
}

TEST_F(FormLifecycle, EscapeClicksTheCancelButtonWhileAPersonCouldClickIt) {
    auto& window = Instance<RecordingWindow>();
    Control& name = window.ControlNamed("txtName");
    window.KeyDown(vbKeyEscape, 0, &name);
    EXPECT_FALSE(window.IsLoaded());  // cmdClose, the Cancel button, unloads the window
    EXPECT_EQ(std::count(window.events.begin(), window.events.end(), "KeyDown 27"), 0);

    // Without a button to click, Escape is a key like any other.
    window.events.clear();
    window.ControlNamed("cmdClose").SetEnabled(false);
    window.KeyDown(vbKeyEscape, 0, &window.ControlNamed("txtName"));
    window.KeyPress(vbKeyEscape, &window.ControlNamed("txtName"));
    window.ControlNamed("cmdClose").SetEnabled(true);
    window.ControlNamed("cmdClose").SetVisible(false);
    window.KeyDown(vbKeyEscape, 0);
    EXPECT_TRUE(window.IsLoaded());
    EXPECT_EQ(window.events,
              (std::vector<std::string>{"Load", "KeyDown 27", "KeyPress 27", "KeyDown 27"}));
}

TEST_F(FormLifecycle, ControlArraysAndMissingControls) {
    auto& window = Instance<RecordingWindow>();
    ArrayRef<OptionButton> size(window, "optSize");
    EXPECT_EQ(size(1).Index(), 1);
    EXPECT_EQ(ErrorNumber([&] { size(2); }), vb::err::kControlArrayElementMissing);
    EXPECT_EQ(ErrorNumber([&] { window.ControlNamed("txtMissing"); }), vb::err::kNotSupported);
    Control& added = window.LoadArrayElement("optSize", 2);
    EXPECT_FALSE(added.Visible());
    EXPECT_EQ(&size(2), &added);
    EXPECT_EQ(ErrorNumber([&] { window.LoadArrayElement("optSize", 2); }), 360);
}

TEST_F(FormLifecycle, MissingOrBrokenDescriptionRaises) {
    class Nameless : public Form {
    public:
        Nameless() : Form("frmNowhere") {}
    };
    auto& window = Instance<Nameless>();
    try {
        window.Load();
        FAIL();
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.Number(), vb::err::kFileNotFound);
    }
}

TEST_F(FormLifecycle, AnErrorNoHandlerTookIsReportedAndTheWindowStays) {
    class Faulty : public RecordingWindow {
    public:
        Faulty() {
            On("cmdClose", "Click",
               [](Control&, EventArgs&) { vb::Raise(vb::err::kTypeMismatch); });
        }
    };
    auto& window = Instance<Faulty>();
    window.Show();
    EXPECT_NO_THROW(window.ControlAs<CommandButton>("cmdClose").Click());
    ASSERT_EQ(fx.host.Messages().size(), 1u);
    EXPECT_EQ(fx.host.Messages()[0].prompt, "Run-time error '13':\r\rType mismatch");
    EXPECT_EQ(fx.host.Messages()[0].Icon(), vbCritical);
    EXPECT_TRUE(window.IsLoaded());
    EXPECT_EQ(vb::Err().Number, 0);
}

TEST_F(FormLifecycle, HandlersThatCanNeverRunAreReportedAtEveryLoad) {
    class MisWired : public RecordingWindow {
    public:
        MisWired() {
            On("cmdMissing", "Click", [](Control&, EventArgs&) {});
            On("CHKBOLD", "clik", [](Control&, EventArgs&) {});
            On("OPTSIZE", "click", [](Control&, EventArgs&) {});  // names are without case
        }
    };
    auto& window = Instance<MisWired>();
    window.Load();
    const std::vector<std::string> faults = {
        "frmRecording.cmdMissing_Click is bound to a control that the window's description "
        "does not have",
        "frmRecording.CHKBOLD_clik is bound to an event that a CheckBox does not raise"};
    EXPECT_EQ(fx.host.WiringFaults(), faults);
    EXPECT_EQ(window.events, std::vector<std::string>{"Load"});  // the window loads as before
    window.Unload();
    window.Load();
    EXPECT_EQ(fx.host.WiringFaults().size(), 4u);
}

TEST_F(FormLifecycle, AWindowWiredToItsOwnControlsReportsNothing) {
    Instance<RecordingWindow>().Load();
    EXPECT_TRUE(fx.host.WiringFaults().empty());
}
