#pragma once

#include <string>
#include <vector>

#include "platform/forms/BasicControls.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/Description.h"
#include "platform/forms/Form.h"
#include "platform/forms/HeadlessHost.h"
#include "platform/forms/Instance.h"
#include "platform/forms/StringTable.h"
#include "platform/forms/TextBox.h"
#include "tests/support/TestEnvironment.h"

// A program folder of its own with the window descriptions the tests need.
struct FormsFixture {
    TestEnvironment env;
    std::string app = env.UseProgramFolder();

    forms::HeadlessHost host;

    FormsFixture() {
        forms::ResetInstances();
        forms::SetHost(&host);
        forms::ReloadWindowDescriptions();
        forms::ReloadStringTable();
    }
    ~FormsFixture() {
        forms::ResetInstances();
        forms::SetHost(nullptr);
        forms::ReloadWindowDescriptions();
        forms::ReloadStringTable();
    }
    void Describe(const std::string& name, const std::string& json) const {
        env.WriteFile("app/forms/" + name + ".json", json);
    }
};

// A window that records what happens to it, as a program's window would react.
class RecordingWindow : public forms::Form {
public:
    RecordingWindow() : Form("frmRecording") {
        On("txtName", "Change", [this](forms::Control& c, forms::EventArgs&) {
            events.push_back("txtName_Change " + static_cast<forms::TextBox&>(c).Text());
        });
        On("chkBold", "Click",
           [this](forms::Control&, forms::EventArgs&) { events.push_back("chkBold_Click"); });
        On("optSize", "Click", [this](forms::Control& c, forms::EventArgs&) {
            events.push_back("optSize_Click " + std::to_string(c.Index()));
        });
        On("cmdClose", "Click", [this](forms::Control&, forms::EventArgs&) { Unload(); });
    }

    std::vector<std::string> events;
    int loads = 0;
    std::string remembered;  // a window variable, kept across Unload
    bool refuseToClose = false;

protected:
    void Form_Load() override {
        ++loads;
        events.push_back("Load");
    }
    void Form_Activate() override { events.push_back("Activate"); }
    void Form_QueryUnload(vb::Integer& Cancel, vb::Integer UnloadMode) override {
        events.push_back("QueryUnload " + std::to_string(UnloadMode));
        if (refuseToClose) Cancel = vb::True;
    }
    void Form_Unload(vb::Integer&) override { events.push_back("Unload"); }
    void Form_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) override {
        events.push_back("KeyUp " + std::to_string(KeyCode) + " " + std::to_string(Shift));
    }
    void Form_KeyDown(vb::Integer& KeyCode, vb::Integer&) override {
        events.push_back("KeyDown " + std::to_string(KeyCode));
    }
    void Form_KeyPress(vb::Integer& KeyAscii) override {
        events.push_back("KeyPress " + std::to_string(KeyAscii));
    }
};

class OwnedWindow : public forms::Form {
public:
    OwnedWindow() : Form("frmOwned") {}
};

inline const char* kRecordingWindow = R"({
  "Name": "frmRecording", "Caption": "Recording", "Width": 6000, "Height": 4000,
  "KeyPreview": true,
  "Controls": [
    { "Type": "TextBox", "Name": "txtName", "Left": 120, "Top": 120, "Width": 2000, "Height": 300,
      "Text": "start" },
    { "Type": "CheckBox", "Name": "chkBold", "Caption": "Bold", "Value": 1 },
    { "Type": "Frame", "Name": "fraSize", "Caption": "Size" },
    { "Type": "OptionButton", "Name": "optSize", "Index": 0, "Container": "fraSize", "Value": true },
    { "Type": "OptionButton", "Name": "optSize", "Index": 1, "Container": "fraSize" },
    { "Type": "OptionButton", "Name": "optOther", "Value": true },
    { "Type": "ComboBox", "Name": "cbbUnit", "List": ["in", "cm", "pix"] },
    { "Type": "CommandButton", "Name": "cmdClose", "Caption": "Close", "Cancel": true },
    { "Type": "Label", "Name": "lblInfo", "Caption": "Info", "Font": { "Name": "Arial", "Size": 12, "Bold": true } }
  ]
})";
