#pragma once

#include <functional>
#include <string>
#include <utility>

#include "core/ProgramForm.h"

namespace zomel {

// What the two specification document windows share: they are loaded, write their document
// in their load handler and are unloaded at once, never shown.
class SpecWindow : public ProgramForm {
protected:
    explicit SpecWindow(std::string name) : ProgramForm(std::move(name)) {}

    // Runs the document's work; the first error ends it: low memory gets its own message,
    // any other error is reported.  False when it failed.
    bool MakeDocument(const std::function<void()>& work);
};

}  // namespace zomel
