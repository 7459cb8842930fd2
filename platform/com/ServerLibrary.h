#pragma once

#include <string>
#include <utility>

#include "platform/vb/Types.h"

namespace com {

// An in-process server library.  It is loaded with its symbols kept to itself and never
// unloaded: objects it made may outlive any reference a host keeps to the library.
class ServerLibrary {
public:
    // Raises 48 with the loader's message when the library cannot be loaded.
    static ServerLibrary Load(const std::string& path);

    // The export `name`; raises 453 when the library has none.
    template <class Fn>
    Fn Entry(const char* name) const {
        return reinterpret_cast<Fn>(Symbol(name));
    }
    const std::string& Path() const { return path_; }

private:
    ServerLibrary(void* handle, std::string path) : handle_(handle), path_(std::move(path)) {}
    void* Symbol(const char* name) const;

    void* handle_ = nullptr;
    std::string path_;
};

// Registers or unregisters the classes of a library through its own exports, as regsvr
// does.  Raises the server's own error when the export fails.
void RegisterServer(const std::string& library);
void UnregisterServer(const std::string& library);

}  // namespace com
