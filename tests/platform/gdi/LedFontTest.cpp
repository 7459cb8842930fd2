#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "RasterAssertions.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontRegistry.h"

namespace gdi {
namespace {

using testing::Art;
using Rows = std::vector<std::string>;

struct LedFace {
    std::string name;
    int cols;
    int rows;
};

const std::vector<LedFace> kFaces = {
    {"VELDO 4x5", 4, 5},   {"VELDO 4x6", 4, 6},   {"VELDO 3x7", 3, 7},   {"VELDO 4x7", 4, 7},
    {"VELDO 5x7", 5, 7},   {"VELDO 4x8", 4, 8},   {"VELDO 5x8", 5, 8},   {"VELDO 5x9", 5, 9},
    {"VELDO 5x10", 5, 10}, {"VELDO 5x11", 5, 11}, {"VELDO 5x12", 5, 12}, {"VELDO 6x12", 6, 12},
    {"VELDO 7x12", 7, 12}, {"VELDO 8x12", 8, 12}, {"UK5x7", 5, 7},
};

// Draws `text` white on black at the top-left of a fresh bitmap.
class LedText {
public:
    LedText(const std::string& face, double points = 8, int width = 64, int height = 16)
        : bitmap_(width, height), dc_(bitmap_) {
        dc_.SelectObject(Font{face, points});
        dc_.SetTextColor(kWhite);
    }
    const Bitmap& Draw(std::u16string_view text, int x = 0, int y = 0) {
        dc_.TextOutW(x, y, text);
        return bitmap_;
    }
    DeviceContext& Dc() { return dc_; }

private:
    Bitmap bitmap_;
    DeviceContext dc_;
};

TEST(LedFonts, EveryFontIsShippedWithItsFace) {
    auto& registry = FontRegistry::Instance();
    for (const auto& face : kFaces) {
        auto font = registry.LedFont(face.name);
        ASSERT_NE(font, nullptr) << face.name;
        EXPECT_EQ(font->DotsWide(), face.cols) << face.name;
        EXPECT_EQ(font->DotsHigh(), face.rows) << face.name;
        EXPECT_EQ(font->ClippedGlyphs(), 0) << face.name;
    }
    EXPECT_TRUE(registry.IsLedFace("veldo 5X7"));
    EXPECT_FALSE(registry.IsLedFace("VELDO 9x9"));
}

TEST(LedFonts, EveryGlyphLiesInsideItsCell) {
    for (const auto& face : kFaces) {
        auto font = FontRegistry::Instance().LedFont(face.name);
        ASSERT_NE(font, nullptr);
        std::vector<char32_t> codes;
        for (char32_t c = 32; c <= 126; ++c)
            codes.push_back(c);
        if (face.rows >= 7)
            for (char32_t c = 0xC0; c <= 0xFF; ++c)
                codes.push_back(c);
        for (char32_t code : codes) {
            ASSERT_NE(font->Find(code), nullptr) << face.name << " lacks " << int(code);
            // Drawn between two neighbours, its ink stays in the top-left cols x rows.
            LedText text(face.name, 8, 3 * (face.cols + 1), face.rows + 2);
            std::u16string one(1, static_cast<char16_t>(code));
            const Bitmap& bitmap = text.Draw(one, face.cols + 1, 0);
            for (int y = 0; y < bitmap.Height(); ++y)
                for (int x = 0; x < bitmap.Width(); ++x) {
                    bool inGrid = x > face.cols && x <= 2 * face.cols && y < face.rows;
                    if (!inGrid) {
                        ASSERT_EQ(bitmap.At(x, y), kBlack)
                            << face.name << " char " << int(code) << " at " << x << "," << y;
                    }
                }
            if (code != U' ') {
                bool inked = false;
                for (int y = 0; y < face.rows; ++y)
                    for (int x = face.cols + 1; x <= 2 * face.cols; ++x)
                        inked = inked || bitmap.At(x, y) == kWhite;
                EXPECT_TRUE(inked) << face.name << " char " << int(code) << " is blank";
            }
        }
    }
}

TEST(LedFonts, ExtentIsTheCellTimesTheCountWhateverTheSize) {
    for (const auto& face : kFaces)
        for (double points : {6.0, 7.0, 8.0, 24.0}) {
            LedText text(face.name, points);
            EXPECT_EQ(text.Dc().TextExtentW(u"ABCD"), (Size{4 * (face.cols + 1), face.rows + 1}))
                << face.name << " at " << points;
            EXPECT_EQ(text.Dc().TextExtentA("D"), (Size{face.cols + 1, face.rows + 1}));
            EXPECT_EQ(text.Dc().TextExtentA("").cy, face.rows + 1);
        }
}

TEST(LedFonts, GlyphsAreDrawnDotForDot) {
    LedText five("VELDO 5x7", 6);
    const Bitmap& a = five.Draw(u"AE");
    EXPECT_EQ(Art(a, 0, 0, 12, 8),
              Rows({".###..#####.", "#...#.#.....", "#...#.#.....", "#####.####..", "#...#.#.....",
                    "#...#.#.....", "#...#.#####.", "............"}));

    LedText four("VELDO 4x7");
    EXPECT_EQ(Art(four.Draw(u"Z"), 0, 0, 5, 7),
              Rows({"####.", "...#.", "..#..", "..#..", ".#...", "#....", "####."}));

    LedText three("VELDO 3x7");
    EXPECT_EQ(Art(three.Draw(u"M"), 0, 0, 4, 7),
              Rows({"#.#.", "###.", "###.", "#.#.", "#.#.", "#.#.", "#.#."}));

    LedText tall("VELDO 5x12", 7, 16, 16);
    EXPECT_EQ(Art(tall.Draw(u"E", 1, 2), 0, 0, 7, 15),
              Rows({".......", ".......", ".#####.", ".#.....", ".#.....", ".#.....", ".#.....",
                    ".####..", ".#.....", ".#.....", ".#.....", ".#.....", ".#.....", ".#####.",
                    "......."}));

    LedText wide("VELDO 8x12");
    Rows t = Art(wide.Draw(u"T"), 0, 0, 9, 12);
    EXPECT_EQ(t[0], "########.");
    for (int y = 1; y < 12; ++y)
        EXPECT_EQ(t[static_cast<std::size_t>(y)], "...#.....");
}

TEST(LedFonts, AMissingCharacterIsAHollowBox) {
    LedText text("VELDO 4x5");
    EXPECT_EQ(Art(text.Draw(u"\u0416a"), 0, 0, 10, 5),
              Rows({"####..##..", "#..#.#..#.", "#..#.####.", "#..#.#..#.", "####.#..#."}))
        << "the 4x5 font has no lower case of its own: a is drawn as A";
    EXPECT_EQ(text.Dc().TextExtentW(u"\u0416").cx, 5);
}

TEST(LedFonts, TextIsInkOnlyInTheTextColourOverWhatWasThere) {
    Bitmap bitmap(12, 8, Rgb(200, 0, 0));
    DeviceContext dc(bitmap);
    dc.SelectObject(Font{"VELDO 5x7", 6});
    dc.SetTextColor(Rgb(0, 255, 0));
    dc.TextOutA(0, 0, "H\xC9");  // É in Windows-1252
    int ink = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x) {
            Color c = bitmap.At(x, y);
            ASSERT_TRUE(c == Rgb(200, 0, 0) || c == Rgb(0, 255, 0));
            ink += c == Rgb(0, 255, 0);
        }
    EXPECT_GT(ink, 20);
    // The 8-bit text and the UTF-16 text draw the same.
    Bitmap wide(12, 8, Rgb(200, 0, 0));
    DeviceContext dcw(wide);
    dcw.SelectObject(Font{"VELDO 5x7", 6});
    dcw.SetTextColor(Rgb(0, 255, 0));
    dcw.TextOutW(0, 0, u"H\u00C9");
    EXPECT_EQ(Art(wide, 0, 0, 12, 8, Rgb(0, 255, 0)), Art(bitmap, 0, 0, 12, 8, Rgb(0, 255, 0)));
}

TEST(LedFonts, UnderlineBoldAndOpaqueBackground) {
    Bitmap bitmap(12, 8);
    DeviceContext dc(bitmap);
    dc.SetTextColor(kWhite);
    dc.SelectObject(Font{"VELDO 5x7", 8, false, false, true});
    dc.TextOutA(0, 0, "II");
    EXPECT_EQ(Art(bitmap, 0, 7, 12, 1), Rows({"############"}));

    Bitmap bold(6, 8);
    DeviceContext dcb(bold);
    dcb.SetTextColor(kWhite);
    dcb.SelectObject(Font{"VELDO 5x7", 8, true});
    dcb.TextOutA(0, 0, "I");
    EXPECT_EQ(Art(bold, 0, 0, 6, 2), Rows({".####.", "..##.."}));

    Bitmap opaque(8, 9, kWhite);
    DeviceContext dco(opaque);
    dco.SelectObject(Font{"VELDO 5x7"});
    dco.SetBkMode(BackMode::Opaque);
    dco.SetBkColor(Rgb(0, 0, 255));
    dco.TextOutA(1, 0, " ");
    EXPECT_EQ(Art(opaque, 0, 0, 8, 9, Rgb(0, 0, 255))[0], ".######.");
    EXPECT_EQ(Art(opaque, 0, 0, 8, 9, Rgb(0, 0, 255))[8], "........");
}

TEST(LedFonts, TheFontsFolderCanBeChanged) {
    auto& registry = FontRegistry::Instance();
    std::string shipped = registry.FontsFolder();
    registry.SetFontsFolder(std::filesystem::temp_directory_path().string() + "/no-fonts-here");
    EXPECT_FALSE(registry.IsLedFace("VELDO 5x7"));
    registry.SetFontsFolder(shipped);
    EXPECT_TRUE(registry.IsLedFace("VELDO 5x7"));
}

}  // namespace
}  // namespace gdi
