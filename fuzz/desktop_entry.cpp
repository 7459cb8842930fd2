// Desktop-entry command lines on any bytes: a program and its arguments, or nothing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/os/Association.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto command = os::DesktopEntryCommand(text);
    if (command.empty()) return 0;
    // The program comes first and is never the document's place.
    if (command.front().empty() || command.front() == "%f") __builtin_trap();
    // The document goes in one place at most.
    if (std::count(command.begin(), command.end(), "%f") > 1) __builtin_trap();
    return 0;
}
