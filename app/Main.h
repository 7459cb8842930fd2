#pragma once

#include <string>

namespace zomel {

// The program's start procedure: prepares the shared tables and texts, reads the
// diagnostics settings, opens the log, creates the sign model and the main window, and shows
// the main window behind the splash.
void Main();

// The log path start-up chooses for a "Logfile" setting (empty: the temporary folder's
// "ZB.tmp").
std::string ChooseLogPath(const std::string& logfile, const std::string& tempFolder);

}  // namespace zomel
