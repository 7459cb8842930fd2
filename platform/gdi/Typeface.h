#pragma once

#include <cstdint>
#include <vector>

namespace gdi {

// One character's ink, ready to draw: `dots` holds width * height bytes, 1 for ink.
struct Glyph {
    int left = 0;  // from the pen position to the first column
    int top = 0;   // from the top of the text line to the first row
    int width = 0;
    int height = 0;
    int advance = 0;  // pen movement after the character
    std::vector<std::uint8_t> dots;
};

// A face at one size and style: glyphs and line metrics in pixels.
class Typeface {
public:
    virtual ~Typeface() = default;

    // The glyph of `code`; a character the face lacks gets the face's stand-in, never none.
    virtual const Glyph& GlyphOf(char32_t code) = 0;
    // Height of a line of text (ascent plus descent).
    virtual int Height() const = 0;
    // Row (from the top of the line) and thickness of the underline.
    virtual int UnderlineRow() const = 0;
    virtual int UnderlineThickness() const = 0;
};

}  // namespace gdi
