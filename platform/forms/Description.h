#pragma once

#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>

#include "platform/forms/StdFont.h"
#include "platform/vb/Variant.h"

// Window descriptions: one JSON file per window in the program folder's "forms/".
//
//   { "Name": "frmAbout", "Caption": "About", "Tag": "101", "Width": 6000, ...,
//     "Controls": [ { "Type": "Label", "Name": "lblTitle", "Index": 0, "Left": 120, ...,
//                     "Caption": "", "Tag": "3001" }, ... ] }
//
// Keys other than Type, Name, Index and Controls are property names; arrays are item lists
// (Tabs, Buttons, Panels, ...); "Font" is an object with Name, Size, Bold, Italic, Underline.
namespace forms {

bool IsReservedDescriptionKey(std::string_view key);
vb::Variant VariantFromDescription(const nlohmann::json& value);
FontRef FontFromDescription(const nlohmann::json& value);
// A whole number of a description from `least` to `most`; anything else raises 321 saying
// which `what` is wrong.
long long WholeNumberFromDescription(const nlohmann::json& value, long long least, long long most,
                                     std::string_view what);

// The file that describes window `name`.
std::string WindowDescriptionPath(const std::string& name);

// The parsed description of window `name`; raises error 53 when the file is missing and 321
// when it is empty or not a JSON object, each naming the file.
const nlohmann::json& LoadWindowDescription(const std::string& name);

// Takes `text` as the description of window `name` in place of any read before; raises 321
// naming the window's file when it is empty or not a JSON object.
const nlohmann::json& ParseWindowDescription(const std::string& name, std::string_view text);

// Forgets the parsed descriptions, so that they are read again (tests that swap the program
// folder).
void ReloadWindowDescriptions();

}  // namespace forms
