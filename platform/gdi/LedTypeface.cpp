#include "platform/gdi/LedTypeface.h"

namespace gdi {

LedTypeface::LedTypeface(std::shared_ptr<const BdfFont> font, bool bold, bool italic)
    : font_(std::move(font)), bold_(bold), italic_(italic) {}

const Glyph& LedTypeface::GlyphOf(char32_t code) {
    const BdfFont::Rows* rows = font_->Find(code);
    if (rows == nullptr) {
        if (!missing_) missing_ = Build(nullptr);
        return *missing_;
    }
    if (code < latin1_.size()) {
        auto& slot = latin1_[code];
        if (!slot) slot = Build(rows);
        return *slot;
    }
    auto found = others_.find(code);
    if (found == others_.end()) found = others_.emplace(code, Build(rows)).first;
    return found->second;
}

BdfFont::Rows LedTypeface::Styled(const BdfFont::Rows& rows) const {
    BdfFont::Rows styled = rows;
    std::uint32_t gridMask = (1u << font_->DotsWide()) - 1;
    std::uint32_t cellMask = (1u << font_->CellWidth()) - 1;
    for (std::size_t y = 0; y < styled.size(); ++y) {
        if (bold_) styled[y] = (styled[y] | (styled[y] << 1)) & gridMask;
        if (italic_ && static_cast<int>(y) < font_->DotsHigh() / 2)
            styled[y] = (styled[y] << 1) & cellMask;
    }
    return styled;
}

Glyph LedTypeface::Build(const BdfFont::Rows* rows) const {
    Glyph glyph;
    glyph.width = font_->CellWidth();
    glyph.height = font_->DotsHigh();
    glyph.advance = font_->CellWidth();
    glyph.dots.assign(static_cast<std::size_t>(glyph.width * glyph.height), 0);
    int wide = font_->DotsWide();
    int high = font_->DotsHigh();
    BdfFont::Rows box(static_cast<std::size_t>(high), 0);
    if (rows == nullptr) {
        // Hollow box: the grid's outline, so that a missing character stands out.
        for (int y = 0; y < high; ++y) {
            bool edge = y == 0 || y == high - 1;
            box[static_cast<std::size_t>(y)] = edge ? (1u << wide) - 1 : 1u | (1u << (wide - 1));
        }
        rows = &box;
    }
    BdfFont::Rows styled = Styled(*rows);
    for (int y = 0; y < high; ++y)
        for (int x = 0; x < glyph.width; ++x)
            if ((styled[static_cast<std::size_t>(y)] >> x) & 1)
                glyph.dots[static_cast<std::size_t>(y * glyph.width + x)] = 1;
    return glyph;
}

}  // namespace gdi
