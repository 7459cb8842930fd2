#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// A target that reads several texts takes them from one input, split at line feeds: always
// `count` pieces, the missing ones empty, the last holding the rest of the input.
inline std::vector<std::string_view> Pieces(const std::uint8_t* data, std::size_t size,
                                            std::size_t count) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> pieces;
    while (pieces.size() + 1 < count) {
        const auto end = rest.find('\n');
        pieces.push_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    pieces.push_back(rest);
    return pieces;
}
