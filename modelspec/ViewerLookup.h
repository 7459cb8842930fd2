#pragma once

#include <string>

namespace zomel {

// Opens an RTF document in the person's RTF viewer: the program the desktop associates with
// RTF files, else an RTF viewer found among the installed programs.  `prefix` ("GenSpec" or
// "CustSpec") starts the diagnostic messages; the two texts say that no viewer was found and
// that the viewer could not be started.
void OpenRtfDocument(const std::string& document, const std::string& prefix,
                     const std::string& notFoundText, const std::string& launchFailedText);

}  // namespace zomel
