#include "platform/os/Escapes.h"

namespace os {
namespace {

// The character an escape stands for; 0 for a backslash that is not one.
char Decoded(char letter, Escapes escapes) {
    switch (letter) {
        case 'n':
            return '\n';
        case 'r':
            return '\r';
        case 't':
            return '\t';
        case '\\':
            return '\\';
        case 's':
            return escapes == Escapes::ControlAndBlank ? ' ' : '\0';
        default:
            return '\0';
    }
}

}  // namespace

std::string Unescape(std::string_view text, Escapes escapes) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char letter = text[++i];
        if (const char c = Decoded(letter, escapes)) {
            out += c;
        } else {
            out += '\\';
            out += letter;
        }
    }
    return out;
}

}  // namespace os
