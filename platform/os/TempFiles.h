#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The run's own files in the temporary folder.  Each is held (an advisory lock on it) for as
// long as the run lasts, so that a copy starting meanwhile can tell it from the leftovers of a
// run that was killed.
namespace os {

// A new empty file with a name of its own in the temporary folder, the name `stem` followed by
// six letters or digits; raises 75 with the folder and the cause when none can be made.  The
// run holds it until RemoveRunTempFiles.
std::string NewTempFile(const std::string& stem);

// Removes the files NewTempFile made in this process that are still where it made them (one
// moved away, such as a printout kept for the person, stays) and lets go of them.
void RemoveRunTempFiles();

// Removes from `folder` the files named as NewTempFile names them after one of `stems` that
// are this user's and that no running copy holds.  Anything else in the folder stays.
void RemoveStaleTempFiles(const std::string& folder, std::initializer_list<std::string_view> stems);

}  // namespace os
