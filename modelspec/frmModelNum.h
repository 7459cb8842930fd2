#pragma once

#include <string>

#include "platform/forms/Form.h"
#include "platform/vb/Types.h"

namespace zomel {

// The model number window: builds, decodes and checks the 15-character model number.
class frmModelNum : public forms::Form {
public:
    frmModelNum();

    // Will build the model number from the main window's tools, this window's options and the
    // sign, and store it through the sign's ModelNumber.
    void UpdateModelNum();

    vb::Integer Valid = vb::True;      // the last analysis or check found no fault
    std::string Message;               // the last problem found
    vb::Integer FromList = vb::False;  // a candidate from the main window's list is being applied
};

}  // namespace zomel
