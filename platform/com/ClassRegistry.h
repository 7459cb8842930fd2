#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/com/Clsid.h"

// The per-user class registry: the library that serves each class id, and the class id that
// each program identifier ("VELDOSign.SignOcx") names.  It is the file "classes.ini" in the
// config folder; every change rewrites it whole through a temporary file, so a reader never
// sees half of it.  A failure to write raises the file error (75, 76 or 70).
namespace com {

std::string ClassRegistryPath();

// `library` is stored as given (callers pass an absolute path).  An empty `progId` registers
// the class id alone.  A program identifier is letters, digits, "." and "_" (else error 5).
void RegisterClass(const Clsid& clsid, std::string_view progId, const std::string& library);

// Removes the class and the program identifiers that name it, when `library` serves it: a
// class that another library has registered since is left alone.
void UnregisterClass(const Clsid& clsid, const std::string& library);

std::optional<std::string> LibraryOf(const Clsid& clsid);
std::optional<Clsid> ClsidOf(std::string_view progId);

// Why the registry cannot be read (the system's reason), or nothing when it can; an absent
// registry is an empty one.
std::optional<std::string> ClassRegistryProblem();

}  // namespace com
