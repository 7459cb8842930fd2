#include "platform/gdi/BdfFont.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <string_view>

namespace gdi {
namespace {

// Glyph boxes and offsets stay within this many dots of the grid: enough for any glyph that
// touches it, small enough that no sum of them can overflow.
constexpr long kMaxReach = 64;
constexpr long kLastCode = 0x10FFFF;

// Why a font is refused.
constexpr const char* kNoFamily = "it names no FAMILY_NAME";
constexpr const char* kSecondBox = "a second FONTBOUNDINGBOX would change the cell size";
constexpr const char* kBadBox = "its FONTBOUNDINGBOX is not a grid an LED font can have";
constexpr const char* kBadAscent = "its FONT_ASCENT is out of range";
constexpr const char* kBadEncoding = "a character's ENCODING is out of range";
constexpr const char* kBadGlyphBox = "a character's BBX is out of range";
constexpr const char* kBadRow = "a character's BITMAP row is not hexadecimal";
constexpr const char* kEarlyGlyph = "a character comes before the FONTBOUNDINGBOX or FONT_ASCENT";
constexpr const char* kTooLarge = "the file is larger than an LED font can be";

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

bool ParseHexRow(std::string_view hex, std::uint64_t& bits) {
    if (hex.empty() || hex.size() > 16) return false;
    auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), bits, 16);
    return error == std::errc{} && end == hex.data() + hex.size();
}

// The next whole number of `words` when it lies in [low, high].
bool ReadNumber(std::istringstream& words, long low, long high, int& value) {
    std::string token;
    if (!(words >> token)) return false;
    long number = 0;
    auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), number);
    if (error != std::errc{} || end != token.data() + token.size()) return false;
    if (number < low || number > high) return false;
    value = static_cast<int>(number);
    return true;
}

}  // namespace

// Reads a font line by line; the first fault ends the reading with its reason.
class BdfReader {
public:
    explicit BdfReader(const std::string& text) : lines_(text) {}

    std::unique_ptr<BdfFont> Read(std::string* refusal) {
        std::string line;
        while (!fault_ && std::getline(lines_, line))
            ReadLine(line);
        if (!fault_ && font_->family_.empty()) fault_ = kNoFamily;
        if (!fault_ && !boxSeen_) fault_ = kBadBox;
        if (fault_) {
            if (refusal) *refusal = fault_;
            return nullptr;
        }
        return std::move(font_);
    }

private:
    void ReadLine(const std::string& line) {
        std::istringstream words(line);
        std::string keyword;
        words >> keyword;
        if (keyword == "FAMILY_NAME") {
            std::string rest;
            std::getline(words >> std::ws, rest);
            font_->family_ = Unquote(rest);
        } else if (keyword == "FONTBOUNDINGBOX") {
            ReadCell(words);
        } else if (keyword == "FONT_ASCENT") {
            if (!ReadNumber(words, 0, kMaxReach, ascent_)) fault_ = kBadAscent;
        } else if (keyword == "ENCODING") {
            if (!ReadNumber(words, -1, kLastCode, encoding_)) fault_ = kBadEncoding;
        } else if (keyword == "BBX") {
            if (!ReadNumber(words, 0, kMaxReach, box_.width) ||
                !ReadNumber(words, 0, kMaxReach, box_.height) ||
                !ReadNumber(words, -kMaxReach, kMaxReach, box_.x) ||
                !ReadNumber(words, -kMaxReach, kMaxReach, box_.y))
                fault_ = kBadGlyphBox;
        } else if (keyword == "BITMAP") {
            ReadGlyph();
        }
    }

    // One cell size per font: every glyph's rows are made for it.
    void ReadCell(std::istringstream& words) {
        if (boxSeen_) {
            fault_ = kSecondBox;
            return;
        }
        boxSeen_ = true;
        if (!ReadNumber(words, 1, BdfFont::kMaxDotsWide, font_->dotsWide_) ||
            !ReadNumber(words, 1, BdfFont::kMaxDotsHigh, font_->dotsHigh_))
            fault_ = kBadBox;
    }

    void ReadGlyph() {
        if (!boxSeen_ || ascent_ < 0) {
            fault_ = kEarlyGlyph;
            return;
        }
        BdfFont::Rows rows(static_cast<std::size_t>(font_->dotsHigh_), 0);
        bool clipped = false;
        const int top = ascent_ - (box_.y + box_.height);
        std::string line;
        for (int r = 0; r < box_.height && std::getline(lines_, line); ++r) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            std::uint64_t bits = 0;
            if (!ParseHexRow(line, bits)) {
                fault_ = kBadRow;
                return;
            }
            const int bitCount = static_cast<int>(line.size()) * 4;
            for (int i = 0; i < box_.width && i < bitCount; ++i) {
                if (((bits >> (bitCount - 1 - i)) & 1) == 0) continue;
                const int x = box_.x + i;
                const int y = top + r;
                if (x < 0 || y < 0 || x >= font_->dotsWide_ || y >= font_->dotsHigh_) {
                    clipped = true;
                    continue;
                }
                rows[static_cast<std::size_t>(y)] |= std::uint32_t{1} << x;
            }
        }
        if (clipped) ++font_->clipped_;
        if (encoding_ >= 0) font_->glyphs_[static_cast<char32_t>(encoding_)] = std::move(rows);
        encoding_ = -1;
        box_ = Box{};
    }

    std::istringstream lines_;
    std::unique_ptr<BdfFont> font_ = std::make_unique<BdfFont>();
    const char* fault_ = nullptr;
    bool boxSeen_ = false;
    int ascent_ = -1;
    int encoding_ = -1;
    Box box_;
};

std::unique_ptr<BdfFont> BdfFont::Load(const std::string& path, std::string* refusal) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) {
        if (refusal) *refusal = "the file cannot be read";
        return nullptr;
    }
    const std::streamoff size = file.tellg();
    if (size < 0 || static_cast<std::size_t>(size) > kMaxFileBytes) {
        if (refusal) *refusal = size < 0 ? "the file cannot be read" : kTooLarge;
        return nullptr;
    }
    file.seekg(0);
    std::ostringstream text;
    text << file.rdbuf();
    return Parse(text.str(), refusal);
}

std::unique_ptr<BdfFont> BdfFont::Parse(const std::string& text, std::string* refusal) {
    return BdfReader(text).Read(refusal);
}

const BdfFont::Rows* BdfFont::Find(char32_t code) const {
    auto found = glyphs_.find(code);
    return found == glyphs_.end() ? nullptr : &found->second;
}

}  // namespace gdi
