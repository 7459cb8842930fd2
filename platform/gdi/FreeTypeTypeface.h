#pragma once

#include <memory>
#include <string>
#include <unordered_map>

#include "platform/gdi/Typeface.h"

// FreeType's handles, kept out of the header's readers.
struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace gdi {

// An installed font file drawn by FreeType in monochrome: every pixel is ink or not, so text
// is exactly the text colour.  Bold and italic are made from the regular face when the file
// has no such style of its own.
class FreeTypeTypeface : public Typeface {
public:
    struct Style {
        double points = 8;
        bool emboldenSynthetic = false;
        bool slantSynthetic = false;
    };

    // An empty pointer when the file cannot be opened as a font.
    static std::unique_ptr<FreeTypeTypeface> Open(FT_LibraryRec_* library, const std::string& path,
                                                  int index, Style style);
    ~FreeTypeTypeface() override;

    const Glyph& GlyphOf(char32_t code) override;
    int Height() const override { return ascent_ + descent_; }
    int UnderlineRow() const override { return underlineRow_; }
    int UnderlineThickness() const override { return underlineThickness_; }

private:
    FreeTypeTypeface(FT_FaceRec_* face, Style style);
    Glyph Render(char32_t code) const;

    FT_FaceRec_* face_ = nullptr;
    Style style_;
    int ascent_ = 0;
    int descent_ = 0;
    int underlineRow_ = 0;
    int underlineThickness_ = 1;
    std::unordered_map<char32_t, Glyph> glyphs_;
};

}  // namespace gdi
