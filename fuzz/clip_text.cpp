// The stock message file on any bytes: one list entry a line, each a line of text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "editor/ClipText.h"
#include "platform/vb/Strings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto entries = zomel::ClipTextEntries(bytes);
    if (entries.size() > size) __builtin_trap();
    for (const std::string& entry : entries) {
        if (entry.find('\n') != std::string::npos) __builtin_trap();
        // The list shows text: the file's code page became valid UTF-8.
        if (vb::FromUtf32(vb::ToUtf32(entry)) != entry) __builtin_trap();
    }
    return 0;
}
