#include "platform/gdi/FreeTypeTypeface.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <cmath>

#include "platform/gdi/Screen.h"

namespace gdi {
namespace {

int RoundUp26_6(FT_Pos value) {
    return static_cast<int>((value + 63) >> 6);
}

bool Inked(const FT_Bitmap& bitmap, unsigned x, unsigned y) {
    const unsigned char* row = bitmap.buffer + static_cast<long>(y) * bitmap.pitch;
    if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) return (row[x >> 3] >> (7 - (x & 7))) & 1;
    return row[x] >= 128;  // a grey bitmap strike: threshold to keep ink exact
}

}  // namespace

std::unique_ptr<FreeTypeTypeface> FreeTypeTypeface::Open(FT_LibraryRec_* library,
                                                         const std::string& path, int index,
                                                         Style style) {
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), index, &face) != 0) return nullptr;
    FT_F26Dot6 size = static_cast<FT_F26Dot6>(std::lround(std::max(style.points, 1.0) * 64));
    if (FT_Set_Char_Size(face, 0, size, kScreenDpi, kScreenDpi) != 0) {
        FT_Done_Face(face);
        return nullptr;
    }
    return std::unique_ptr<FreeTypeTypeface>(new FreeTypeTypeface(face, style));
}

FreeTypeTypeface::FreeTypeTypeface(FT_FaceRec_* face, Style style) : face_(face), style_(style) {
    const FT_Size_Metrics& metrics = face_->size->metrics;
    ascent_ = RoundUp26_6(metrics.ascender);
    descent_ = RoundUp26_6(-metrics.descender);
    if (FT_IS_SCALABLE(face_)) {
        FT_Pos position = FT_MulFix(face_->underline_position, metrics.y_scale);
        FT_Pos thickness = FT_MulFix(face_->underline_thickness, metrics.y_scale);
        underlineRow_ = ascent_ - static_cast<int>(std::lround(position / 64.0));
        underlineThickness_ = std::max(1, static_cast<int>(std::lround(thickness / 64.0)));
    } else {
        underlineRow_ = ascent_ + 1;
    }
    underlineRow_ = std::clamp(underlineRow_, 0, std::max(Height() - 1, 0));
}

FreeTypeTypeface::~FreeTypeTypeface() {
    FT_Done_Face(face_);
}

const Glyph& FreeTypeTypeface::GlyphOf(char32_t code) {
    auto found = glyphs_.find(code);
    if (found == glyphs_.end()) found = glyphs_.emplace(code, Render(code)).first;
    return found->second;
}

Glyph FreeTypeTypeface::Render(char32_t code) const {
    Glyph glyph;
    FT_UInt index = FT_Get_Char_Index(face_, code);
    if (FT_Load_Glyph(face_, index, FT_LOAD_TARGET_MONO) != 0) return glyph;
    FT_GlyphSlot slot = face_->glyph;
    if (style_.slantSynthetic) FT_GlyphSlot_Oblique(slot);
    if (style_.emboldenSynthetic) FT_GlyphSlot_Embolden(slot);
    if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0)
        return glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.left = slot->bitmap_left;
    glyph.top = ascent_ - slot->bitmap_top;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    glyph.dots.resize(static_cast<std::size_t>(glyph.width) * bitmap.rows);
    for (unsigned y = 0; y < bitmap.rows; ++y)
        for (unsigned x = 0; x < bitmap.width; ++x)
            glyph.dots[y * bitmap.width + x] = Inked(bitmap, x, y) ? 1 : 0;
    return glyph;
}

}  // namespace gdi
