// The INI reader on any bytes: a value found inside the text, or none; never a fault.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/os/Ini.h"

namespace {

// The first section header's name and the first key after it, so that lookups find something.
void FirstSectionAndKey(std::string_view text, std::string_view& section, std::string_view& key) {
    size_t open = text.find('[');
    if (open == std::string_view::npos) return;
    size_t close = text.find(']', open);
    if (close == std::string_view::npos) return;
    section = text.substr(open + 1, close - open - 1);
    size_t lineStart = text.find('\n', close);
    if (lineStart == std::string_view::npos) return;
    std::string_view rest = text.substr(lineStart + 1);
    key = rest.substr(0, rest.find_first_of("=\n"));
}

void Look(std::string_view text, std::string_view section, std::string_view key) {
    auto value = os::FindProfileValue(text, section, key);
    if (!value) return;
    // A view into the text, on one line.
    if (!value->empty() &&
        (value->data() < text.data() || value->data() + value->size() > text.data() + text.size()))
        __builtin_trap();
    if (value->find('\n') != std::string_view::npos) __builtin_trap();
    const int number = os::ProfileIntValue(*value, 7);
    if (value->empty() && number != 7) __builtin_trap();
    if (!value->empty() && value->front() == '-' && number > 0) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string_view section = "ZomelBuilder", key = "DebugLevel";
    Look(text, section, key);
    FirstSectionAndKey(text, section, key);
    Look(text, section, key);
    (void)os::ProfileIntValue(text, 0);
    return 0;
}
