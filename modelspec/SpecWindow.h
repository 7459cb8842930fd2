#pragma once

#include <functional>
#include <string>

#include "platform/forms/Form.h"

namespace zomel {

// What the two specification document windows share: they are loaded, write their document
// in their load handler and are unloaded at once, never shown.
class SpecWindow : public forms::Form {
protected:
    SpecWindow(std::string name, std::string traceLabel, vb::Long captionId);

    // Runs the document's work; the first error ends it: low memory gets its own message,
    // any other error is reported.  False when it failed.
    bool MakeDocument(const std::function<void()>& work);

    void Form_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) override;
    void Form_Unload(vb::Integer& Cancel) override;

    const std::string traceLabel_;
    const vb::Long captionId_;
};

}  // namespace zomel
