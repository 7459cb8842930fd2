#include "platform/gdi/BdfFont.h"

#include <algorithm>
#include <charconv>
#include <fstream>

#include "platform/vb/Strings.h"

namespace gdi {
namespace {

// Glyph boxes and offsets stay within this many dots of the grid: enough for any glyph that
// touches it, small enough that no sum of them can overflow.
constexpr long kMaxReach = 64;
constexpr long kLastCode = 0x10FFFF;
// The lines before the first character take a few hundred bytes in the fonts we ship.
constexpr std::size_t kHeadBytes = 1024;

// Why a font is refused.
constexpr const char* kEmpty = "the file is empty";
constexpr const char* kNoFamily = "it names no FAMILY_NAME";
constexpr const char* kSecondBox = "a second FONTBOUNDINGBOX would change the cell size";
constexpr const char* kBadBox = "its FONTBOUNDINGBOX is not a grid an LED font can have";
constexpr const char* kBadAscent = "its FONT_ASCENT is out of range";
constexpr const char* kBadCount = "its CHARS is not a count of characters";
constexpr const char* kSecondCount = "a second CHARS contradicts the first";
constexpr const char* kBadEncoding = "a character's ENCODING is out of range";
constexpr const char* kBadGlyphBox = "a character's BBX is out of range";
constexpr const char* kBadRow = "a character's BITMAP row is not hexadecimal";
constexpr const char* kEarlyGlyph = "a character comes before the FONTBOUNDINGBOX or FONT_ASCENT";
constexpr const char* kStrayBitmap = "a BITMAP stands outside any character";
constexpr const char* kStrayEndChar = "an ENDCHAR has no STARTCHAR before it";
constexpr const char* kNoEndFont = "it ends without ENDFONT: the file is cut off";
constexpr const char* kTooLarge = "the file is larger than an LED font can be";
constexpr const char* kUnreadable = "the file cannot be read";

// One glyph's box as BDF gives it: size and offset of its lower-left corner from the origin.
struct Box {
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
};

// What separates a line's words.
constexpr std::string_view kSpaces = " \t\n\v\f\r";

// Takes the first word off `line`.
std::string_view TakeWord(std::string_view& line) {
    const std::size_t start = std::min(line.find_first_not_of(kSpaces), line.size());
    const std::size_t end = std::min(line.find_first_of(kSpaces, start), line.size());
    const std::string_view word = line.substr(start, end - start);
    line.remove_prefix(end);
    return word;
}

std::string_view Unquote(std::string_view value) {
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
bool ReadNumber(std::string_view& words, long low, long high, int& value) {
    const std::string_view token = TakeWord(words);
    if (token.empty()) return false;
    long number = 0;
    auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), number);
    if (error != std::errc{} || end != token.data() + token.size()) return false;
    if (number < low || number > high) return false;
    value = static_cast<int>(number);
    return true;
}

// At most `limit` bytes of the file at `path`; nothing, with the reason, when it cannot be read
// or is larger than a font can be.
std::optional<std::string> ReadFontFile(const std::string& path, std::size_t limit,
                                        std::string* refusal) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = file ? static_cast<std::streamoff>(file.tellg()) : -1;
    if (size < 0 || static_cast<std::size_t>(size) > BdfFont::kMaxFileBytes) {
        if (refusal) *refusal = size < 0 ? kUnreadable : kTooLarge;
        return std::nullopt;
    }
    std::string text(std::min(static_cast<std::size_t>(size), limit), '\0');
    file.seekg(0);
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (file.gcount() != static_cast<std::streamsize>(text.size())) {
        if (refusal) *refusal = kUnreadable;
        return std::nullopt;
    }
    return text;
}

std::optional<std::string> FamilyOf(const std::unique_ptr<BdfFont>& font) {
    if (!font) return std::nullopt;
    return font->Family();
}

}  // namespace

// Reads a font line by line; the first fault ends the reading with its reason.  A font is
// whole: every character closed by its ENDCHAR with as many BITMAP rows as its BBX is high,
// as many characters as CHARS says, and ENDFONT last, so that a file cut off anywhere is
// refused rather than drawn in part.
class BdfReader {
public:
    explicit BdfReader(std::string_view text) : rest_(text), empty_(text.empty()) {}

    std::unique_ptr<BdfFont> Read(std::string* refusal) {
        ReadLines();
        return Finish(refusal);
    }

    // Reads the lines before the first character; true when one follows them.
    bool ReadHead() {
        headOnly_ = true;
        ReadLines();
        return headEnded_;
    }

    const std::string& Fault() const { return fault_; }
    const std::string& Family() const { return font_->family_; }

    // Call once every line is read.
    std::unique_ptr<BdfFont> Finish(std::string* refusal) {
        if (fault_.empty()) fault_ = WholeFontFault();
        if (!fault_.empty()) {
            if (refusal) *refusal = fault_;
            return nullptr;
        }
        return std::move(font_);
    }

private:
    // Lines end in LF or CR LF.
    bool NextLine(std::string_view& line) {
        if (rest_.empty()) return false;
        const std::size_t end = rest_.find('\n');
        line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return true;
    }

    void ReadLines() {
        std::string_view line;
        while (fault_.empty() && !headEnded_ && !fontEnded_ && NextLine(line))
            ReadLine(line);
    }

    std::string WholeFontFault() const {
        if (empty_) return kEmpty;
        if (font_->family_.empty()) return kNoFamily;
        if (!boxSeen_) return kBadBox;
        if (inCharacter_) return "it ends inside " + Character() + ": the file is cut off";
        if (!fontEnded_) return kNoEndFont;
        if (count_ >= 0 && count_ != characters_)
            return "CHARS says " + std::to_string(count_) + " characters but the file holds " +
                   std::to_string(characters_);
        return {};
    }

    // The character being read, for a reason: its place in the file and its code when known.
    std::string Character() const {
        std::string name = "character " + std::to_string(characters_);
        if (encodingSeen_) name += " (ENCODING " + std::to_string(encoding_) + ")";
        return name;
    }

    void ReadLine(std::string_view words) {
        const std::string_view keyword = TakeWord(words);
        if (headOnly_ && (keyword == "STARTCHAR" || keyword == "BITMAP")) {
            headEnded_ = true;
        } else if (keyword == "FAMILY_NAME") {
            // The first name holds, so that the head of a file names it as the whole does.
            if (font_->family_.empty()) font_->family_ = Unquote(vb::TrimOf(words, kSpaces));
        } else if (keyword == "FONTBOUNDINGBOX") {
            ReadCell(words);
        } else if (keyword == "FONT_ASCENT") {
            if (!ReadNumber(words, 0, kMaxReach, ascent_)) fault_ = kBadAscent;
        } else if (keyword == "CHARS") {
            ReadCount(words);
        } else if (keyword == "STARTCHAR") {
            StartCharacter();
        } else if (keyword == "ENCODING") {
            encodingSeen_ = ReadNumber(words, -1, kLastCode, encoding_);
            if (!encodingSeen_) fault_ = kBadEncoding;
        } else if (keyword == "BBX") {
            glyphBoxSeen_ = ReadNumber(words, 0, kMaxReach, box_.width) &&
                            ReadNumber(words, 0, kMaxReach, box_.height) &&
                            ReadNumber(words, -kMaxReach, kMaxReach, box_.x) &&
                            ReadNumber(words, -kMaxReach, kMaxReach, box_.y);
            if (!glyphBoxSeen_) fault_ = kBadGlyphBox;
        } else if (keyword == "BITMAP") {
            ReadGlyph();
        } else if (keyword == "ENDCHAR") {
            // The glyph's own ENDCHAR is taken with its rows.
            fault_ = inCharacter_ ? Character() + " has no BITMAP" : kStrayEndChar;
        } else if (keyword == "ENDFONT") {
            if (inCharacter_) fault_ = Character() + " has no ENDCHAR";
            fontEnded_ = true;
        }
    }

    // One cell size per font: every glyph's rows are made for it.
    void ReadCell(std::string_view words) {
        if (boxSeen_) {
            fault_ = kSecondBox;
            return;
        }
        boxSeen_ = true;
        if (!ReadNumber(words, 1, BdfFont::kMaxDotsWide, font_->dotsWide_) ||
            !ReadNumber(words, 1, BdfFont::kMaxDotsHigh, font_->dotsHigh_))
            fault_ = kBadBox;
    }

    void ReadCount(std::string_view words) {
        int count = 0;
        if (!ReadNumber(words, 0, kLastCode + 1, count))
            fault_ = kBadCount;
        else if (count_ >= 0 && count != count_)
            fault_ = kSecondCount;
        else
            count_ = count;
    }

    void StartCharacter() {
        if (inCharacter_) {
            fault_ = Character() + " has no ENDCHAR";
            return;
        }
        inCharacter_ = true;
        ++characters_;
        encodingSeen_ = false;
        glyphBoxSeen_ = false;
        encoding_ = -1;
        box_ = Box{};
    }

    // The reason the BITMAP of the character being read cannot be drawn, if any.
    std::string GlyphFault() const {
        if (!inCharacter_) return kStrayBitmap;
        if (!boxSeen_ || ascent_ < 0) return kEarlyGlyph;
        if (!encodingSeen_) return Character() + " has no ENCODING before its BITMAP";
        if (!glyphBoxSeen_) return Character() + " has no BBX before its BITMAP";
        return {};
    }

    // The BITMAP rows of a character and its ENDCHAR.
    void ReadGlyph() {
        fault_ = GlyphFault();
        if (!fault_.empty()) return;
        BdfFont::Rows rows(static_cast<std::size_t>(font_->dotsHigh_), 0);
        bool clipped = false;
        if (!ReadRows(rows, clipped) || !ReadEndChar()) return;
        inCharacter_ = false;
        if (clipped) ++font_->clipped_;
        if (encoding_ >= 0) font_->glyphs_[static_cast<char32_t>(encoding_)] = std::move(rows);
    }

    // Puts the BBX's rows on the grid; false when they are not all there (a file that ends
    // among them is refused by Finish).
    bool ReadRows(BdfFont::Rows& rows, bool& clipped) {
        const int top = ascent_ - (box_.y + box_.height);
        std::string_view line;
        for (int r = 0; r < box_.height; ++r) {
            if (!NextLine(line)) return false;
            std::uint64_t bits = 0;
            if (!ParseHexRow(line, bits)) {
                fault_ = IsRowEnd(line)
                             ? Character() + " has fewer BITMAP rows (" + std::to_string(r) +
                                   ") than its BBX is high (" + std::to_string(box_.height) + ")"
                             : kBadRow;
                return false;
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
        return true;
    }

    // The line after the rows closes the character.
    bool ReadEndChar() {
        std::string_view line;
        if (!NextLine(line)) return false;
        std::string_view words = line;
        if (TakeWord(words) == "ENDCHAR") return true;
        std::uint64_t bits = 0;
        fault_ = ParseHexRow(line, bits)
                     ? Character() + " has more BITMAP rows than its BBX is high (" +
                           std::to_string(box_.height) + ")"
                     : Character() + " has no ENDCHAR";
        return false;
    }

    // A line that ends a glyph's rows where more were due.
    static bool IsRowEnd(std::string_view line) {
        const std::string_view keyword = TakeWord(line);
        return keyword == "ENDCHAR" || keyword == "STARTCHAR" || keyword == "ENDFONT";
    }

    std::string_view rest_;
    bool empty_ = false;
    std::unique_ptr<BdfFont> font_ = std::make_unique<BdfFont>();
    std::string fault_;
    bool headOnly_ = false;
    bool headEnded_ = false;
    bool fontEnded_ = false;
    bool boxSeen_ = false;
    int ascent_ = -1;
    // CHARS, or -1 when the file gives none; the characters begun so far.
    int count_ = -1;
    int characters_ = 0;
    bool inCharacter_ = false;
    bool encodingSeen_ = false;
    bool glyphBoxSeen_ = false;
    int encoding_ = -1;
    Box box_;
};

std::unique_ptr<BdfFont> BdfFont::Load(const std::string& path, std::string* refusal) {
    auto text = ReadFontFile(path, kMaxFileBytes, refusal);
    return text ? Parse(*text, refusal) : nullptr;
}

std::unique_ptr<BdfFont> BdfFont::Parse(std::string_view text, std::string* refusal) {
    return BdfReader(text).Read(refusal);
}

std::optional<std::string> BdfFont::ReadFamily(const std::string& path, std::string* refusal) {
    auto text = ReadFontFile(path, kHeadBytes, refusal);
    if (!text) return std::nullopt;
    std::string_view head = *text;
    const bool whole = head.size() < kHeadBytes;
    // A head cut short is read up to its last whole line.
    if (!whole) head = head.substr(0, head.rfind('\n') + 1);
    BdfReader reader(head);
    const bool charactersFollow = reader.ReadHead();
    if (!reader.Fault().empty()) {
        if (refusal) *refusal = reader.Fault();
        return std::nullopt;
    }
    if (charactersFollow && !reader.Family().empty()) return reader.Family();
    if (!charactersFollow && whole) return FamilyOf(reader.Finish(refusal));
    // A head longer than the bound, or one that leaves the name to later lines.
    return FamilyOf(Load(path, refusal));
}

const BdfFont::Rows* BdfFont::Find(char32_t code) const {
    auto found = glyphs_.find(code);
    return found == glyphs_.end() ? nullptr : &found->second;
}

}  // namespace gdi
