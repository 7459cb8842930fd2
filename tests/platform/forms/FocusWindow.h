#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/forms/Form.h"
#include "platform/forms/ListControl.h"

// A window whose controls record the focus events a person's moves raise, in order.  Its
// Validate handlers cancel while `refuse` names the control, and opening the size list
// refills it, as a handler that narrows a list to what fits does.
class FocusWindow : public forms::Form {
public:
    FocusWindow() : Form("frmFocus") {
        for (const char* name : {"txtFirst", "cboSize", "cmdHelp", "txtInPage", "txtNoStop",
                                 "txtLast", "cboSimple", "cmdOk"})
            for (const char* event : {"Validate", "LostFocus", "GotFocus"})
                On(name, event, [this, name, event](forms::Control&, forms::EventArgs& args) {
                    events.push_back(std::string(event) + " " + name);
                    if (args.empty()) return;
                    if (refuse == name) args[0] = vb::Variant(vb::True);
                    if (onValidate) onValidate();
                });
        On("cmdOk", "Click", [this](auto&, auto&) { events.emplace_back("Click cmdOk"); });
        On("cboSimple", "DropDown",
           [this](auto&, auto&) { events.emplace_back("DropDown cboSimple"); });
        On("cboSize", "DropDown", [this](forms::Control& c, forms::EventArgs&) {
            events.emplace_back("DropDown cboSize");
            auto& list = static_cast<forms::ComboBox&>(c);
            list.Clear();
            for (const std::string& size : offered)
                list.AddItem(size);
        });
    }

    std::vector<std::string> events;
    std::string refuse;
    std::function<void()> onValidate;
    std::vector<std::string> offered{"08.00 inches", "13.75 inches"};
};

inline const char* kFocusWindow = R"json({
  "Name": "frmFocus", "Caption": "Focus", "Width": 6000, "Height": 4800,
  "Controls": [
    { "Type": "TextBox", "Name": "txtFirst", "TabIndex": 0,
      "Left": 120, "Top": 120, "Width": 2000, "Height": 300 },
    { "Type": "Label", "Name": "lblNote", "TabIndex": 1, "Caption": "Size",
      "Left": 120, "Top": 480, "Width": 2000, "Height": 300 },
    { "Type": "ComboBox", "Name": "cboSize", "TabIndex": 2, "Style": 2, "List": ["stale"],
      "Left": 120, "Top": 840, "Width": 2000, "Height": 315 },
    { "Type": "CommandButton", "Name": "cmdHelp", "TabIndex": 3, "Caption": "Help",
      "CausesValidation": false, "Left": 120, "Top": 1200, "Width": 1200, "Height": 375 },
    { "Type": "TextBox", "Name": "txtHidden", "TabIndex": 4, "Visible": false,
      "Left": 120, "Top": 1620, "Width": 2000, "Height": 300 },
    { "Type": "Frame", "Name": "fraPage", "Index": 4, "Visible": false, "Caption": "Page",
      "Left": 3000, "Top": 120, "Width": 2800, "Height": 1200 },
    { "Type": "TextBox", "Name": "txtInPage", "TabIndex": 5, "Container": "fraPage(4)",
      "Left": 120, "Top": 300, "Width": 2000, "Height": 300 },
    { "Type": "TextBox", "Name": "txtNoStop", "TabIndex": 6, "TabStop": false,
      "Left": 120, "Top": 1980, "Width": 2000, "Height": 300 },
    { "Type": "TextBox", "Name": "txtLast", "TabIndex": 7,
      "Left": 120, "Top": 2340, "Width": 2000, "Height": 300 },
    { "Type": "ComboBox", "Name": "cboSimple", "TabIndex": 8, "Style": 1, "List": ["a", "b"],
      "Left": 120, "Top": 2700, "Width": 2000, "Height": 900 },
    { "Type": "CommandButton", "Name": "cmdOk", "TabIndex": 9, "Caption": "OK",
      "Left": 120, "Top": 3720, "Width": 1200, "Height": 375 }
  ]
})json";
