#include "platform/com/Components.h"

#include "platform/com/ClassTable.h"
#include "platform/os/Files.h"
#include "platform/os/Paths.h"

namespace com {
namespace {

ClassTable Manifest() {
    return ClassTable::Parse(os::ReadIfPresent(ComponentsManifestPath()).value_or(""));
}

}  // namespace

std::string ComponentsManifestPath() {
    return os::ProgramFolder() + "components.manifest";
}

std::optional<std::string> ShippedLibraryOf(const Clsid& clsid) {
    const ClassTable manifest = Manifest();
    const std::string* library = manifest.LibraryOf(clsid);
    if (!library || library->empty()) return std::nullopt;
    if (library->front() == '/') return *library;
    return os::ProgramFolder() + *library;
}

std::optional<Clsid> ShippedClsidOf(std::string_view progId) {
    const ClassTable manifest = Manifest();
    const Clsid* clsid = manifest.ClsidOf(progId);
    return clsid ? std::optional<Clsid>(*clsid) : std::nullopt;
}

}  // namespace com
