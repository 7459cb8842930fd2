#include "platform/vb/Now.h"

#include <locale.h>

#include <ctime>

namespace vb {
namespace {

// The C locale's names (AM and PM, English months), whatever locale the desktop sets.
locale_t FixedLocale() {
    static const locale_t fixed = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return fixed;
}

}  // namespace

std::string NowText(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local) || !FixedLocale()) return {};
    char text[64];
    const std::size_t length = strftime_l(text, sizeof text, format, &local, FixedLocale());
    return std::string(text, length);
}

}  // namespace vb
