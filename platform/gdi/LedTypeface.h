#pragma once

#include <array>
#include <memory>
#include <optional>
#include <unordered_map>

#include "platform/gdi/BdfFont.h"
#include "platform/gdi/Typeface.h"

namespace gdi {

// An LED block font drawn one dot per pixel whatever size is asked: every character takes
// a cell of DotsWide() + 1 by DotsHigh() + 1 pixels.  A character the font lacks is a hollow
// box over the whole dot grid.  Bold thickens strokes one dot to the right inside the grid;
// italic moves the upper half of the rows one dot right; the underline is the cell's blank
// bottom row.
class LedTypeface : public Typeface {
public:
    LedTypeface(std::shared_ptr<const BdfFont> font, bool bold, bool italic);

    const Glyph& GlyphOf(char32_t code) override;
    int Height() const override { return font_->CellHeight(); }
    int UnderlineRow() const override { return font_->DotsHigh(); }
    int UnderlineThickness() const override { return 1; }

private:
    Glyph Build(const BdfFont::Rows* rows) const;
    BdfFont::Rows Styled(const BdfFont::Rows& rows) const;

    std::shared_ptr<const BdfFont> font_;
    bool bold_ = false;
    bool italic_ = false;
    // Latin-1 glyphs by code, the rest by map; both filled on first use.
    std::array<std::optional<Glyph>, 256> latin1_;
    std::unordered_map<char32_t, Glyph> others_;
    std::optional<Glyph> missing_;
};

}  // namespace gdi
