// regsvr [-u] <library.so>: registers (or with -u unregisters) the classes of a control
// library in the per-user class registry, through the library's own exports.
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/com/ClassRegistry.h"
#include "platform/com/ServerLibrary.h"
#include "platform/vb/Error.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: regsvr [-u] <library.so>\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    bool unregister = argc == 3 && std::string_view(argv[1]) == "-u";
    if (argc != 2 + (unregister ? 1 : 0) || std::string_view(argv[argc - 1]).starts_with('-'))
        return Usage();
    const std::string library = argv[argc - 1];
    const char* entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    try {
        if (unregister)
            com::UnregisterServer(library);
        else
            com::RegisterServer(library);
    } catch (const vb::VbError& error) {
        std::fprintf(stderr, "regsvr: %s in %s failed: %s (error %d)\n", entry, library.c_str(),
                     error.Description().c_str(), static_cast<int>(error.Number()));
        return 1;
    }
    std::printf("%s in %s succeeded (registry %s).\n", entry, library.c_str(),
                com::ClassRegistryPath().c_str());
    return 0;
}
