#pragma once

#include <memory>
#include <string>

#include "platform/vb/Types.h"

namespace forms {

// A font object.  Controls hold it by reference, so that a window's font given to its
// controls is one object, as the language shares it.
struct StdFont : vb::Object {
    std::string Name = "MS Sans Serif";
    double Size = 8;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;

    std::shared_ptr<StdFont> Clone() const { return std::make_shared<StdFont>(*this); }
};

using FontRef = std::shared_ptr<StdFont>;

}  // namespace forms
