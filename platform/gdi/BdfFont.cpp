#include "platform/gdi/BdfFont.h"

#include <fstream>
#include <sstream>

namespace gdi {
namespace {

// One glyph's box as BDF gives it: size and offset of its lower-left corner from the origin.
struct Box {
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
};

std::string Unquote(const std::string& value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

bool ParseHexRow(const std::string& hex, std::uint64_t& bits) {
    if (hex.empty() || hex.size() > 16) return false;
    std::size_t used = 0;
    try {
        bits = std::stoull(hex, &used, 16);
    } catch (...) {
        return false;
    }
    return used == hex.size();
}

}  // namespace

std::unique_ptr<BdfFont> BdfFont::Load(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return nullptr;
    std::ostringstream text;
    text << file.rdbuf();
    return Parse(text.str());
}

std::unique_ptr<BdfFont> BdfFont::Parse(const std::string& text) {
    auto font = std::make_unique<BdfFont>();
    std::istringstream lines(text);
    std::string line;
    int ascent = -1;
    long encoding = -1;
    Box box;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string keyword;
        words >> keyword;
        if (keyword == "FAMILY_NAME") {
            std::string rest;
            std::getline(words >> std::ws, rest);
            font->family_ = Unquote(rest);
        } else if (keyword == "FONTBOUNDINGBOX") {
            words >> font->dotsWide_ >> font->dotsHigh_;
        } else if (keyword == "FONT_ASCENT") {
            words >> ascent;
        } else if (keyword == "ENCODING") {
            words >> encoding;
        } else if (keyword == "BBX") {
            words >> box.width >> box.height >> box.x >> box.y;
        } else if (keyword == "BITMAP") {
            if (font->family_.empty() || ascent < 0 || font->dotsWide_ <= 0 ||
                font->dotsWide_ > 32 || font->dotsHigh_ <= 0)
                return nullptr;
            Rows rows(static_cast<std::size_t>(font->dotsHigh_), 0);
            bool clipped = false;
            int top = ascent - (box.y + box.height);
            for (int r = 0; r < box.height && std::getline(lines, line); ++r) {
                std::uint64_t bits = 0;
                if (!ParseHexRow(line, bits)) return nullptr;
                int bitCount = static_cast<int>(line.size()) * 4;
                for (int i = 0; i < box.width && i < bitCount; ++i) {
                    if (((bits >> (bitCount - 1 - i)) & 1) == 0) continue;
                    int x = box.x + i;
                    int y = top + r;
                    if (x < 0 || y < 0 || x >= font->dotsWide_ || y >= font->dotsHigh_) {
                        clipped = true;
                        continue;
                    }
                    rows[static_cast<std::size_t>(y)] |= 1u << x;
                }
            }
            if (clipped) ++font->clipped_;
            if (encoding >= 0) font->glyphs_[static_cast<char32_t>(encoding)] = std::move(rows);
            encoding = -1;
            box = Box{};
        }
    }
    if (font->family_.empty() || font->dotsWide_ <= 0 || font->dotsHigh_ <= 0) return nullptr;
    return font;
}

const BdfFont::Rows* BdfFont::Find(char32_t code) const {
    auto found = glyphs_.find(code);
    return found == glyphs_.end() ? nullptr : &found->second;
}

}  // namespace gdi
