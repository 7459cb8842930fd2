#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <nlohmann/json.hpp>

#include "tests/support/ErrorNumber.h"

#include "platform/forms/Interaction.h"
#include "platform/forms/Ref.h"
#include "platform/vb/Error.h"
#include "platform/vb/HandledErrors.h"
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

// A window whose key preview takes away the control that has the key, or the whole window.
class KeyTakingWindow : public RecordingWindow {
public:
    KeyTakingWindow() {
        for (const char* event : {"KeyDown", "KeyPress", "KeyUp"})
            On("optSize", event, [this, event](Control& c, EventArgs&) {
                events.push_back("optSize(" + std::to_string(c.Index()) + ")_" + event);
            });
    }
    bool wholeWindow = false;

protected:
    void Form_KeyDown(vb::Integer&, vb::Integer&) override { TakeAway(); }
    void Form_KeyPress(vb::Integer&) override { TakeAway(); }
    void Form_KeyUp(vb::Integer&, vb::Integer&) override { TakeAway(); }

private:
    void TakeAway() {
        if (wholeWindow)
            Unload();
        else
            UnloadArrayElement("optSize", 2);
    }
};

TEST_F(FormLifecycle, AKeyGoesNoFurtherThanTheWindowThatTookItsControlAway) {
    auto& window = Instance<KeyTakingWindow>();
    const std::vector<std::function<void(Control*)>> keys = {
        [&](Control* focus) { window.KeyDown(vbKeyF12, 0, focus); },
        [&](Control* focus) { window.KeyPress('a', focus); },
        [&](Control* focus) { window.KeyUp(vbKeyF12, 0, focus); },
    };
    for (const auto& key : keys) {
        window.LoadArrayElement("optSize", 2);
        key(&window.ControlNamed("optSize", 2));
        EXPECT_TRUE(window.IsLoaded());
        window.wholeWindow = true;
        key(&window.ControlNamed("optSize", 0));
        EXPECT_FALSE(window.IsLoaded());
        window.wholeWindow = false;
    }
    EXPECT_EQ(std::count_if(window.events.begin(), window.events.end(),
                            [](const std::string& e) { return e.starts_with("optSize("); }),
              0);
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

// The recording window made a dialog: an OK button that is the Default one, another button
// and a multi-line box beside the one-line box and the Cancel button.
class DialogWindow : public RecordingWindow {
public:
    DialogWindow() {
        for (const char* button : {"cmdOk", "cmdOther"})
            On(button, "Click", [this, button](Control&, EventArgs&) {
                events.push_back(std::string(button) + "_Click");
            });
    }
    static std::string Description() {
        nlohmann::json description = nlohmann::json::parse(kRecordingWindow);
        auto& controls = description["Controls"];
        controls.push_back({{"Type", "CommandButton"}, {"Name", "cmdOk"}, {"Default", true}});
        controls.push_back({{"Type", "CommandButton"}, {"Name", "cmdOther"}});
        controls.push_back({{"Type", "TextBox"}, {"Name", "txtNotes"}, {"MultiLine", true}});
        return description.dump();
    }
};

TEST_F(FormLifecycle, EnterClicksTheFocusedButtonElseTheDefaultOneWhileAPersonCouldClickIt) {
    fx.Describe("frmRecording", DialogWindow::Description());
    auto& window = Instance<DialogWindow>();
    Control& name = window.ControlNamed("txtName");
    auto enter = [&](Control* focus) {
        if (!window.KeyDown(vbKeyReturn, 0, focus)) window.KeyPress(vbKeyReturn, focus);
    };
    enter(&name);
    enter(&window.ControlNamed("cmdOther"));
    // A multi-line box keeps Enter for its new line; without a Default button a person
    // could click, Enter is a key like any other.
    enter(&window.ControlNamed("txtNotes"));
    window.ControlNamed("cmdOk").SetEnabled(false);
    enter(&name);
    window.ControlNamed("cmdOk").SetEnabled(true);
    window.ControlNamed("cmdOk").SetVisible(false);
    enter(&name);
    // The Cancel button, when it has the focus, is clicked by Enter too.
    enter(&window.ControlNamed("cmdClose"));
    EXPECT_FALSE(window.IsLoaded());
    EXPECT_EQ(window.events,
              (std::vector<std::string>{"Load", "cmdOk_Click", "cmdOther_Click", "KeyDown 13",
                                        "KeyPress 13", "KeyDown 13", "KeyPress 13", "KeyDown 13",
                                        "KeyPress 13", "QueryUnload 1", "Unload"}));
}

TEST_F(FormLifecycle, AKeyReleasedAfterItsModifiersIsHeardWithThem) {
    auto& window = Instance<RecordingWindow>();
    Control& name = window.ControlNamed("txtName");
    // A shortcut typed at speed: Ctrl down, C down, Ctrl up, C up.
    window.KeyDown(vbKeyControl, vbCtrlMask, &name);
    window.KeyDown('C', vbCtrlMask, &name);
    window.KeyUp(vbKeyControl, 0, &name);
    window.KeyUp('C', 0, &name);
    // The next C, pressed alone, is heard alone.
    window.KeyDown('C', 0, &name);
    window.KeyUp('C', 0, &name);
    EXPECT_EQ(window.events,
              (std::vector<std::string>{"Load", "KeyDown 17", "KeyDown 67", "KeyUp 17 0",
                                        "KeyUp 67 2", "KeyDown 67", "KeyUp 67 0"}));
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

TEST_F(FormLifecycle, AnErrorInAnUnloadAtTheEndIsLoggedAndTheOtherWindowsStillGo) {
    class FaultyUnload : public OwnedWindow {
    protected:
        void Form_Unload(vb::Integer&) override { vb::Raise(vb::err::kResourceNotFound); }
    };
    std::vector<std::string> logged;
    vb::SetHandledErrorSink([&](const std::string& label, const vb::ErrObject& error) {
        logged.push_back(label + " " + std::to_string(error.Number));
    });
    auto& window = Instance<RecordingWindow>();
    window.Show();
    Instance<FaultyUnload>().Show();
    EXPECT_NO_THROW(ResetInstances());
    vb::SetHandledErrorSink({});
    EXPECT_EQ(logged, (std::vector<std::string>{"Unload frmOwned 326"}));
    EXPECT_EQ(vb::Err().Number, 0);
    EXPECT_EQ(fx.host.Journal().back(), "unload frmRecording");
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
