#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "RasterAssertions.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontRegistry.h"

namespace gdi {
namespace {

using testing::Art;

constexpr Color kInk = Rgb(255, 255, 0);

struct Drawn {
    Bitmap bitmap;
    Size extent;
};

Drawn DrawText(const Font& font, std::u16string_view text) {
    Drawn drawn{Bitmap(200, 60, Rgb(0, 0, 128)), {}};
    DeviceContext dc(drawn.bitmap);
    dc.SelectObject(font);
    dc.SetTextColor(kInk);
    drawn.extent = dc.TextExtentW(text);
    dc.TextOutW(2, 2, text);
    return drawn;
}

int CountInk(const Bitmap& bitmap) {
    int ink = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (Color c : bitmap.Row(y))
            ink += c == kInk;
    return ink;
}

TEST(InstalledFonts, AreDrawnWithoutGreyPixels) {
    Drawn drawn = DrawText(Font{"DejaVu Sans", 12}, u"Sign Öl 42 &@");
    for (int y = 0; y < drawn.bitmap.Height(); ++y)
        for (Color c : drawn.bitmap.Row(y))
            ASSERT_TRUE(c == kInk || c == Rgb(0, 0, 128)) << std::hex << c;
    EXPECT_GT(CountInk(drawn.bitmap), 100);
    // 12 points at 96 dpi are 16 pixels; the line is a little taller.
    EXPECT_GE(drawn.extent.cy, 16);
    EXPECT_LE(drawn.extent.cy, 22);
    EXPECT_GT(drawn.extent.cx, 80);
}

TEST(InstalledFonts, InkStaysNearTheMeasuredBox) {
    Drawn drawn = DrawText(Font{"DejaVu Sans", 10}, u"HHHH");
    for (int y = 0; y < drawn.bitmap.Height(); ++y)
        for (int x = 0; x < drawn.bitmap.Width(); ++x)
            if (drawn.bitmap.At(x, y) == kInk) {
                EXPECT_GE(x, 2);
                EXPECT_LT(x, 2 + drawn.extent.cx);
                EXPECT_GE(y, 2);
                EXPECT_LT(y, 2 + drawn.extent.cy);
            }
}

TEST(InstalledFonts, SizeAndStyleChangeTheText) {
    Drawn regular = DrawText(Font{"DejaVu Sans", 12}, u"Message");
    Drawn larger = DrawText(Font{"DejaVu Sans", 24}, u"Message");
    Drawn bold = DrawText(Font{"DejaVu Sans", 12, true}, u"Message");
    Drawn italic = DrawText(Font{"DejaVu Sans", 12, false, true}, u"Message");
    Drawn underlined = DrawText(Font{"DejaVu Sans", 12, false, false, true}, u"Message");
    EXPECT_GT(larger.extent.cy, regular.extent.cy);
    EXPECT_GT(larger.extent.cx, regular.extent.cx);
    EXPECT_GT(CountInk(bold.bitmap), CountInk(regular.bitmap));
    EXPECT_NE(Art(italic.bitmap, 0, 0, 200, 60, kInk), Art(regular.bitmap, 0, 0, 200, 60, kInk));
    // The underline is one unbroken row of ink under the whole text, inside its box.
    std::string line(static_cast<std::size_t>(regular.extent.cx), '#');
    auto rows = Art(underlined.bitmap, 2, 2, regular.extent.cx, regular.extent.cy, kInk);
    EXPECT_NE(std::find(rows.begin(), rows.end(), line), rows.end());
    auto plain = Art(regular.bitmap, 2, 2, regular.extent.cx, regular.extent.cy, kInk);
    EXPECT_EQ(std::find(plain.begin(), plain.end(), line), plain.end());
}

TEST(InstalledFonts, AnUnknownFaceFallsBackToTheDefault) {
    Drawn unknown = DrawText(Font{"No Such Typeface", 12}, u"Fallback");
    Drawn fallback = DrawText(Font{std::string(FontRegistry::kDefaultFace), 12}, u"Fallback");
    EXPECT_EQ(unknown.extent, fallback.extent);
    EXPECT_EQ(Art(unknown.bitmap, 0, 0, 200, 60, kInk), Art(fallback.bitmap, 0, 0, 200, 60, kInk));
}

TEST(InstalledFonts, EightBitTextIsWindows1252) {
    Bitmap a(60, 30);
    Bitmap w(60, 30);
    DeviceContext dca(a);
    DeviceContext dcw(w);
    for (DeviceContext* dc : {&dca, &dcw}) {
        dc->SelectObject(Font{"DejaVu Sans", 12});
        dc->SetTextColor(kWhite);
    }
    dca.TextOutA(0, 0, "\x80\x93\xE9");
    dcw.TextOutW(0, 0, u"\u20AC\u201C\u00E9");
    EXPECT_EQ(Art(a, 0, 0, 60, 30), Art(w, 0, 0, 60, 30));
    EXPECT_EQ(dca.TextExtentA("\x80\x93\xE9"), dcw.TextExtentW(u"\u20AC\u201C\u00E9"));
}

}  // namespace
}  // namespace gdi
