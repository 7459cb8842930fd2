#include "platform/com/Clsid.h"

namespace com {

std::string Clsid::ToString() const {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text = "{";
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
        text += digits[bytes_[i] >> 4];
        text += digits[bytes_[i] & 0xF];
    }
    return text + "}";
}

}  // namespace com
