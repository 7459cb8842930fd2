// Window descriptions on any bytes: the window loads and shows, or its load is refused with
// a message that names the description's file and leaves it unloaded; never a fault.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/ProgramFolder.h"
#include "platform/forms/Description.h"
#include "platform/forms/Form.h"
#include "platform/vb/Error.h"

namespace {

constexpr const char* kWindow = "frmFuzz";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ProgramFolder folder;
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
    folder.TakeReports();
    return 0;
}
