#pragma once

#include "platform/vb/Error.h"

// The number of the error a statement raises; 0 when it raises none.
template <class Statement>
vb::Long ErrorOf(Statement&& statement) {
    try {
        statement();
    } catch (const vb::VbError& error) {
        return error.Number();
    }
    return 0;
}
