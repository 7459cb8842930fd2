#pragma once

#include <cstdint>
#include <memory>
#include <string>
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

    // Reads a BDF file; an empty pointer when it cannot be read or is not a usable font.
    static std::unique_ptr<BdfFont> Load(const std::string& path);
    static std::unique_ptr<BdfFont> Parse(const std::string& text);

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
    std::string family_;
    int dotsWide_ = 0;
    int dotsHigh_ = 0;
    int clipped_ = 0;
    std::unordered_map<char32_t, Rows> glyphs_;
};

}  // namespace gdi
