#include "platform/com/ServerLibrary.h"

#include <dlfcn.h>

#include <filesystem>

#include "platform/com/ClassFactory.h"
#include "platform/vb/Error.h"

namespace com {
namespace {

void RunRegistration(const std::string& library, const char* entry) {
    ServerLibrary server = ServerLibrary::Load(library);
    auto run = server.Entry<RegisterServerFn>(entry);
    vb::Err().Clear();
    if (run() == status::kOk) return;
    vb::ErrObject error = vb::Err();
    vb::Err().Clear();
    if (error) vb::Raise(error.Number, error.Description, error.Source);
    vb::Raise(vb::err::kInvalidCall, std::string(entry) + " failed in " + server.Path());
}

}  // namespace

ServerLibrary ServerLibrary::Load(const std::string& path) {
    // An absolute path, so the loader never searches the library path for a bare name.
    std::string absolute = std::filesystem::absolute(path).lexically_normal().string();
    void* handle = dlopen(absolute.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* message = dlerror();
        vb::Raise(vb::err::kLibraryLoadFailed, message ? message : "Cannot load " + absolute);
    }
    return ServerLibrary(handle, std::move(absolute));
}

void* ServerLibrary::Symbol(const char* name) const {
    void* symbol = dlsym(handle_, name);
    if (!symbol)
        vb::Raise(vb::err::kEntryPointNotFound, std::string(name) + " not found in " + path_);
    return symbol;
}

void RegisterServer(const std::string& library) {
    RunRegistration(library, "DllRegisterServer");
}

void UnregisterServer(const std::string& library) {
    RunRegistration(library, "DllUnregisterServer");
}

}  // namespace com
