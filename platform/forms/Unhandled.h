#pragma once

#include <utility>

#include "platform/vb/Error.h"

namespace forms {

// An error no handler of the program took: the runtime's "Run-time error" box.  The program
// goes on (the original ended here, losing the person's work).
void ReportUnhandledError();

// Runs an event handler of the program; an error escaping it is reported, never passed on into
// the runtime or the screen's event loop.
template <class Handler>
void RunHandler(Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        vb::CaptureCurrentException();
        ReportUnhandledError();
    }
}

}  // namespace forms
