#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/com/Clsid.h"

// The components a program ships beside itself, found before the per-user class registry
// (registration-free, as an application manifest names them): "components.manifest" in the
// program's folder, in the class registry's format, each library named relative to that
// folder.  So a program always creates its own controls, whatever another copy registered.
namespace com {

std::string ComponentsManifestPath();

// The library of the program's folder that serves the class, as an absolute path, whether
// or not the file is there; nothing when the manifest does not name the class.
std::optional<std::string> ShippedLibraryOf(const Clsid& clsid);
std::optional<Clsid> ShippedClsidOf(std::string_view progId);

}  // namespace com
