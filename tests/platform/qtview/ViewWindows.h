#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/forms/Form.h"
#include "platform/forms/TextBox.h"

// A window that records the events its controls raise, as a program's handlers would see them.
class ViewWindow : public forms::Form {
public:
    ViewWindow() : Form("frmView") {
        Record("txtLine", "Change",
               [](forms::Control& c) { return " " + static_cast<forms::TextBox&>(c).Text(); });
        Record("txtLine", "KeyDown", nullptr);
        Record("txtLine", "KeyUp", nullptr);
        Record("txtLine", "KeyPress", nullptr);
        Record("txtLine", "GotFocus", nullptr);
        for (const char* name :
             {"chkHigh", "optUnit", "cbbHigh", "lstSigns", "cmdShow", "tabCreate", "lblWarn"})
            Record(name, "Click", nullptr);
    }

    std::vector<std::string> events;
    int activations = 0;
    int resizes = 0;
    vb::Integer closeMode = -1;
    bool refuseToClose = false;
    // What the window does on a key besides recording it (a message box, say).
    std::function<void(vb::Integer)> onKeyDown;
    std::function<void(vb::Integer)> onKeyUp;

protected:
    void Form_Activate() override { ++activations; }
    void Form_Resize() override { ++resizes; }
    void Form_KeyDown(vb::Integer& KeyCode, vb::Integer&) override {
        events.push_back("Form_KeyDown " + std::to_string(KeyCode));
        if (onKeyDown) onKeyDown(KeyCode);
    }
    void Form_KeyPress(vb::Integer& KeyAscii) override {
        events.push_back("Form_KeyPress " + std::to_string(KeyAscii));
    }
    void Form_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) override {
        events.push_back("Form_KeyUp " + std::to_string(KeyCode) + " " + std::to_string(Shift));
        if (onKeyUp) onKeyUp(KeyCode);
    }
    void Form_QueryUnload(vb::Integer& Cancel, vb::Integer UnloadMode) override {
        closeMode = UnloadMode;
        if (refuseToClose) Cancel = vb::True;
    }

private:
    using Detail = std::string (*)(forms::Control&);
    void Record(const std::string& control, const std::string& event, Detail detail) {
        On(control, event, [this, control, event, detail](forms::Control& c, forms::EventArgs& a) {
            std::string line = control + "_" + event;
            if (c.Index() >= 0) line += "(" + std::to_string(c.Index()) + ")";
            if (!a.empty()) line += " " + a[0].ToString();
            if (detail) line += detail(c);
            events.push_back(line);
        });
    }
};

class DialogWindow : public forms::Form {
public:
    DialogWindow() : Form("frmDialog") {}
};

inline const char* kViewWindow = R"({
  "Name": "frmView", "Caption": "View &Test", "Left": 1500, "Top": 1200, "Width": 7320,
  "Height": 6120, "KeyPreview": true,
  "Controls": [
    { "Type": "TextBox", "Name": "txtLine", "Index": 0, "Left": 120, "Top": 120, "Width": 3000,
      "Height": 315, "MaxLength": 8 },
    { "Type": "CheckBox", "Name": "chkHigh", "Left": 120, "Top": 600, "Width": 1500,
      "Height": 285, "Caption": "&High" },
    { "Type": "Frame", "Name": "fraUnit", "Left": 120, "Top": 1000, "Width": 2500,
      "Height": 1200, "Caption": "Units" },
    { "Type": "OptionButton", "Name": "optUnit", "Index": 0, "Container": "fraUnit",
      "Left": 120, "Top": 300, "Width": 1500, "Height": 285, "Caption": "in", "Value": true },
    { "Type": "OptionButton", "Name": "optUnit", "Index": 1, "Container": "fraUnit",
      "Left": 120, "Top": 700, "Width": 1500, "Height": 285, "Caption": "cm" },
    { "Type": "ComboBox", "Name": "cbbHigh", "Style": 2, "List": ["5", "7", "9"],
      "Left": 3300, "Top": 120, "Width": 1500, "Height": 315 },
    { "Type": "ListBox", "Name": "lstSigns", "List": ["first", "second", "third"],
      "Left": 3300, "Top": 600, "Width": 2000, "Height": 1200 },
    { "Type": "CommandButton", "Name": "cmdShow", "Caption": "Sho&w", "Left": 5000,
      "Top": 120, "Width": 1000, "Height": 375 },
    { "Type": "Label", "Name": "lblWarn", "Caption": "&Warn && go", "Left": 120, "Top": 2400,
      "Width": 3000, "Height": 450, "ForeColor": 255, "BackColor": 16777215,
      "Font": { "Name": "DejaVu Sans", "Size": 14, "Bold": true } },
    { "Type": "TabStrip", "Name": "tabCreate", "Left": 120, "Top": 3000, "Width": 4000,
      "Height": 900, "Tabs": [ { "Caption": "By &Text", "ToolTipText": "text" },
                              { "Caption": "By &Model" } ] },
    { "Type": "CommonDialog", "Name": "dlgFont" },
    { "Type": "StatusBar", "Name": "sbStatusBar", "Height": 315,
      "Panels": [ { "Text": "one", "Width": 1500 }, { "Text": "two", "AutoSize": 1 } ] }
  ]
})";

inline const char* kDialogWindow = R"({
  "Name": "frmDialog", "Caption": "Dialog", "Width": 3000, "Height": 2000,
  "StartUpPosition": 1,
  "Controls": [ { "Type": "Label", "Name": "lblText", "Caption": "modal" } ]
})";
