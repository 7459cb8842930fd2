#include "modelspec/engine/TemplateStream.h"

#include "platform/os/Files.h"
#include "platform/vb/Error.h"
#include "platform/vb/NamingFile.h"

namespace zomel {

std::string StreamTemplate(std::string_view templateText,
                           const std::function<std::string(std::string_view token)>& valueOf) {
    std::string out;
    out.reserve(templateText.size());
    size_t at = 0;
    while (at < templateText.size()) {
        const size_t open = templateText.find('$', at);
        if (open == std::string_view::npos) break;
        const size_t close = templateText.find('$', open + 1);
        if (close == std::string_view::npos || close - open > kTokenReach) break;
        out.append(templateText.substr(at, open - at));
        const std::string_view token = templateText.substr(open, close - open + 1);
        out += valueOf(token);
        at = close + 1;
        if (token == "$last$") break;
    }
    out.append(templateText.substr(std::min(at, templateText.size())));
    return out;
}

std::string ReadTemplate(const std::string& path) {
    return vb::NamingFile(path, [&] { return os::ReadAllBytes(path); });
}

}  // namespace zomel
