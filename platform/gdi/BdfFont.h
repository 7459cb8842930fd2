#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace gdi {

// A bitmap font read from a BDF file: each character's dots on a grid of DotsWide() by
// DotsHigh(), the grid's top row being the font's ascent line.  LED block fonts keep every
// glyph inside that grid; the cell adds one blank column and one blank row.
class BdfFont {
public:
    // Row y of a glyph, bit x (0 = leftmost) set for a dot.
    using Rows = std::vector<std::uint32_t>;

    // The grid an LED font can have: a module's worth of dots at most.
    static constexpr int kMaxDotsWide = 16;
    static constexpr int kMaxDotsHigh = 32;
    // Files larger than this are no LED font (every character of the fonts we ship takes
    // well under a hundred bytes).
    static constexpr std::size_t kMaxFileBytes = 8u << 20;

    // Reads a BDF file; an empty pointer when it cannot be read or is not a usable LED font,
    // with the reason in `refusal` when one is given.
    static std::unique_ptr<BdfFont> Load(const std::string& path, std::string* refusal = nullptr);
    static std::unique_ptr<BdfFont> Parse(std::string_view text, std::string* refusal = nullptr);
    // The family a BDF file names, read from the lines before its first character: what
    // Load would give as Family(), or nothing with Load's reason when those lines already
    // refuse the file.  A file whose characters are damaged is found only by Load.
    static std::optional<std::string> ReadFamily(const std::string& path,
                                                 std::string* refusal = nullptr);

    const std::string& Family() const { return family_; }
    int DotsWide() const { return dotsWide_; }
    int DotsHigh() const { return dotsHigh_; }
    int CellWidth() const { return dotsWide_ + 1; }
    int CellHeight() const { return dotsHigh_ + 1; }

    // The glyph's rows (DotsHigh() of them), or null when the font lacks the character.
    const Rows* Find(char32_t code) const;
    // Characters whose dots fell outside the grid while reading (they are clipped).
    int ClippedGlyphs() const { return clipped_; }
    std::size_t GlyphCount() const { return glyphs_.size(); }

private:
    friend class BdfReader;

    std::string family_;
    int dotsWide_ = 0;
    int dotsHigh_ = 0;
    int clipped_ = 0;
    std::unordered_map<char32_t, Rows> glyphs_;
};

}  // namespace gdi
