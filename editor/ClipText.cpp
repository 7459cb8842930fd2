#include "editor/ClipText.h"

#include "platform/vb/Strings.h"

namespace zomel {

std::vector<std::string> ClipTextEntries(std::string_view bytes) {
    const std::string text = vb::FromWindows1252(bytes);
    std::vector<std::string> entries;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view line = std::string_view(text).substr(start, end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        entries.emplace_back(line);
        start = end + 1;
    }
    return entries;
}

}  // namespace zomel
