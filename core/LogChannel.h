#pragma once

#include <string>

// The run's log file.  Start-up opens it once; writers add one line each.  A writer never
// raises: with no log open, a line goes nowhere.
namespace zomel {

// Creates the log anew at `path`; false when it cannot be opened.
bool OpenLog(const std::string& path);
bool IsLogOpen();
void CloseLog();
void WriteLogLine(const std::string& line);

// The date and time that begins each log line: "2026-12-08 19:20:11".
std::string LogTimestamp();

}  // namespace zomel
