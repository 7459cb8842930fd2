#pragma once

#include "platform/vb/Error.h"

// Runs a conversion of outside text: it gives a value or refuses the text with the language's
// Type mismatch or Overflow; any other error is a fault.
template <class Conversion>
void Converting(Conversion&& conversion) {
    try {
        conversion();
    } catch (const vb::VbError& error) {
        if (error.Number() != vb::err::kTypeMismatch && error.Number() != vb::err::kOverflow)
            __builtin_trap();
    }
}
