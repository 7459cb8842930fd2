#pragma once

#include <string>

#include "platform/vb/Error.h"
#include "platform/vb/Types.h"

// The log of one run and the error reports that every error handler makes.  The log channel
// is opened by start-up; until then, and when it could not be opened, writers write nowhere.
namespace zomel {

// Logs the current error under `label`, shows the error box, and clears the error.
void ReportError(const std::string& label);
// The same log line without the box.
void LogError(const std::string& label);
// The log line of an error the runtime passed over itself (a damaged font file); the
// current error is left alone.
void LogHandledError(const std::string& label, const vb::ErrObject& error);
// The detail of a failing price-load row.
void LogPriceLoadError();
// The main window could not be shown because of `failure` (logged already): tells the person
// what is missing or damaged and how to mend it.  The program then ends.
void ReportCannotStart(const vb::ErrObject& failure);
// A window entered (load) or left (unload), when DebugLevel >= 2.  A caption id the string
// table lacks is logged, never raised.
void TraceForm(const std::string& label, vb::Long captionId, bool entering);
// A free log line, when DebugLevel >= 3.
void LogLine(const std::string& text);
// A trace line, when DebugLevel >= 4.
void DebugTrace(const std::string& functionName, vb::Long number, const std::string& text,
                const std::string& source);
// F12 on a window: logs and shows the window's caption id.
void ShowFormNumber(vb::Long captionId, const std::string& label);

// The layout's measuring and size checks trace every step from this level on.
inline constexpr vb::Integer kLayoutTraceLevel = 10;

}  // namespace zomel
