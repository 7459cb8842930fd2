// The string table on any bytes: entries of the lines that hold one, never a fault.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/forms/StringTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto entries = forms::ParseStringTable(text);
    // One entry at most per line, never longer than its line.
    if (entries.size() > static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1)
        __builtin_trap();
    for (const auto& [id, entry] : entries)
        if (entry.size() > size) __builtin_trap();
    return 0;
}
