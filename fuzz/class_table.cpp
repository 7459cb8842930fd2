// The class registry and components manifest reader on any bytes: a table that writes out and
// reads back the same, never a fault.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/com/ClassTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const com::ClassTable table = com::ClassTable::Parse(text);
    const com::ClassTable again = com::ClassTable::Parse(table.Format());
    if (again.libraries != table.libraries || again.progIds != table.progIds) __builtin_trap();
    for (const auto& [progId, clsid] : table.progIds) {
        const com::Clsid* found = table.ClsidOf(progId);
        if (!found) __builtin_trap();
        (void)table.LibraryOf(*found);
    }
    return 0;
}
