#pragma once

#include "platform/forms/Form.h"

namespace zomel {

// The price estimate window.  Its run-long values (core/PriceLoad.h) exist before the window
// is first loaded: the catalogue loader writes them at start-up.
class frmOrder : public forms::Form {
public:
    frmOrder();
};

}  // namespace zomel
