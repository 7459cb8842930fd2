#pragma once

#include <string>

#include "platform/vb/Types.h"

// The log of one run and the error reports that every error handler makes.  The log channel
// is opened by start-up; until then, and when it could not be opened, writers write nowhere.
namespace zomel {

// Logs the current error under `label`, shows the error box, and clears the error.
void ReportError(const std::string& label);
// The same log line without the box.
void LogError(const std::string& label);
// The detail of a failing price-load row.
void LogPriceLoadError();
// A window entered (load) or left (unload), when DebugLevel >= 2.
void TraceForm(const std::string& label, vb::Long captionId, bool entering);
// A free log line, when DebugLevel >= 3.
void LogLine(const std::string& text);
// A trace line, when DebugLevel >= 4.
void DebugTrace(const std::string& functionName, vb::Long number, const std::string& text,
                const std::string& source);
// F12 on a window: logs and shows the window's caption id.
void ShowFormNumber(vb::Long captionId, const std::string& label);

}  // namespace zomel
