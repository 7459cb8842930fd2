#pragma once

#include "platform/vb/Error.h"

// Runs a conversion of outside text: it gives a value or refuses the text with the language's
// Type mismatch or Overflow; any other error is a fault.
template <class Conversion>
void Converting(Conversion&& conversion) {
    try {
        conversion();
    } catch (const vb::VbError& error) {
        if (error.Number() != vb::err::TypeMismatch && error.Number() != vb::err::Overflow)
            __builtin_trap();
    }
}
