#pragma once

#include "platform/vb/Error.h"

// The number of the run-time error a statement raises; 0 when it raises none.
template <class Statement>
vb::Long ErrorNumber(Statement&& statement) {
    try {
        statement();
    } catch (const vb::VbError& e) {
        return e.Number();
    }
    return 0;
}

// The run-time error a statement raises, with its description; number 0 when it raises none.
template <class Statement>
vb::ErrObject RaisedError(Statement&& statement) {
    try {
        statement();
    } catch (const vb::VbError& e) {
        return {e.Number(), e.Description(), e.Source()};
    }
    return {};
}
