#pragma once

#include <string>

#include "platform/vb/Types.h"

namespace zomel {

// What the sign model tells the windows.  The model sits below the windows and cannot call
// them, so a window subscribes and each change reaches it in the order the model makes it.
// Nothing is told until start-up has made the main window.
class SignEvents {
public:
    // The character-size unit was set; the options window refills its height list.
    virtual void CharSizeUnitChanged() = 0;
    // The density flag was set; the main window keeps its copy.
    virtual void HighDensityChanged(vb::Integer highDensity) = 0;
    // The model number was set; the main window's model number box shows it.
    virtual void ModelNumberChanged(const std::string& modelNumber) = 0;
    // The sizes were worked out anew; the model number window updates its number.
    virtual void SizesChanged() = 0;
    // The orientation changed; the main window runs its orientation command.
    virtual void VerticalChanged(vb::Integer vertical) = 0;

protected:
    ~SignEvents() = default;
};

// The one subscriber; it must outlive the run.  nullptr unsubscribes.
void SubscribeSignEvents(SignEvents* subscriber);
// The subscriber to tell, or nullptr while there is none or no main window yet.
SignEvents* SignSubscriber();

}  // namespace zomel
