#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/forms/Control.h"

namespace forms {

using ControlMaker =
    std::function<std::unique_ptr<Control>(Form&, const std::string& name, vb::Integer index)>;

// Makes a control of a description's type name ("Label", "TextBox", "SSActiveToolBars"...);
// an unknown type raises error 5 naming it.
std::unique_ptr<Control> CreateControl(const std::string& typeName, Form& parent,
                                       const std::string& name, vb::Integer index);

// Adds a type: pieces that live outside the forms runtime (hosted controls) register here.
void RegisterControlType(const std::string& typeName, ControlMaker maker);

}  // namespace forms
