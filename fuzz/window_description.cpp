// Window descriptions on any bytes: the window loads and shows, or its load is refused with
// a message that names the description's file and leaves it unloaded; never a fault.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/forms/Description.h"
#include "platform/forms/Form.h"
#include "platform/vb/Error.h"

namespace {

constexpr const char* kWindow = "frmFuzz";

}  // namespace

// A program folder and home of the run's own, so that nothing outside is read or written.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static std::string root = "/tmp/zomel-fuzz-XXXXXX";
    if (!mkdtemp(root.data())) return 0;
    for (const char* name : {"HOME", "ZOMEL_APPDIR", "ZOMEL_WINDIR", "TMPDIR"})
        setenv(name, root.c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    forms::Form window(kWindow);
    try {
        forms::ParseWindowDescription(kWindow, text);
        window.Show();
        window.Unload();
    } catch (const vb::VbError& error) {
        if (!window.IsLoaded() &&
            error.Description().find(forms::WindowDescriptionPath(kWindow)) == std::string::npos &&
            error.Number() != vb::err::kCannotCreateObject)
            __builtin_trap();
        window.Unload();
    }
    return 0;
}
