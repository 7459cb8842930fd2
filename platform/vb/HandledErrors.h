#pragma once

#include <functional>
#include <string>

#include "platform/vb/Error.h"

// Errors a runtime piece dealt with itself (a damaged font file passed over for the
// fallback): no handler of the program sees them, so they go to the sink the program sets,
// which logs them.  Without a sink they go to the standard error stream.
namespace vb {

using HandledErrorSink = std::function<void(const std::string& label, const ErrObject& error)>;

// Replaces the sink; an empty one restores the standard error stream.
void SetHandledErrorSink(HandledErrorSink sink);

// Tells the sink of an error passed over under `label`; the current error is left alone.
void ReportHandled(const std::string& label, Long number, const std::string& description);

}  // namespace vb
