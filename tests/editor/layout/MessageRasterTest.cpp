#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "editor/InkScan.h"
#include "editor/MessageRaster.h"

namespace {

using zomel::LineFormat;
using zomel::MessageRaster;

LineFormat LedFont() {
    LineFormat format;
    format.FontName = "VELDO 5x7";
    format.FontSize = 8;
    return format;
}

// A surface of its own for each test, with the raster drawing on it.
struct Surface {
    Surface(int width, int height) : image(width, height, gdi::Rgb(9, 9, 9)) {}
    gdi::Bitmap image;
    gdi::DeviceContext dc{image};
    zomel::RasterWork work;
    MessageRaster raster{dc, work};
};

zomel::InkScan Scan(const MessageRaster& raster) {
    const gdi::BitmapInfo info = raster.Image().Describe();
    return zomel::ScanInk(raster.Image().Bytes(), info.bmWidthBytes, info.bmHeight, 4);
}

TEST(MessageRaster, LedTextIsWhiteDotsInsideItsCells) {
    Surface surface(40, 20);
    MessageRaster& raster = surface.raster;
    raster.Clear();
    raster.SetFont(LedFont());
    raster.Draw(3, 2, "II");
    const auto scan = Scan(raster);
    // Two cells of 6 x 8 from (3, 2): ink within columns 4..14 and rows 3..9 (1-based).
    EXPECT_GE(scan.Extent.StartingCol, 4);
    EXPECT_LE(scan.Extent.EndingCol, 3 + 6 + 5);
    EXPECT_GE(scan.Extent.StartingRow, 3);
    EXPECT_LE(scan.Extent.EndingRow, 2 + 7);
    EXPECT_GT(scan.Count, 0);
    for (int y = 0; y < raster.Image().Height(); ++y)
        for (int x = 0; x < raster.Image().Width(); ++x) {
            const gdi::Color c = raster.Image().At(x, y);
            EXPECT_TRUE(c == gdi::kWhite || c == gdi::kBlack) << x << "," << y;
        }
}

TEST(MessageRaster, WidthsLeaveBlanksOutAndHeightIsTheCell) {
    Surface surface(10, 10);
    MessageRaster& raster = surface.raster;
    raster.SetFont(LedFont());
    EXPECT_EQ(raster.TrimmedTextWidth("  AB "), 12);
    EXPECT_EQ(raster.TrimmedTextWidth("   "), 0);
    EXPECT_EQ(raster.TextHeight("AB"), 8);
}

TEST(MessageRaster, ClearBlanksTheWholeSurface) {
    Surface surface(30, 10);
    MessageRaster& raster = surface.raster;
    raster.Clear();
    raster.SetFont(LedFont());
    raster.Draw(0, 0, "X");
    EXPECT_GT(Scan(raster).Count, 0);
    raster.Clear();
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(surface.image.At(x, y), gdi::kBlack);
}

// Clearing only what was drawn leaves the surface as clearing all of it would, whatever the
// face (an italic's ink leans past its advance) and wherever the text went, part of it off the
// surface; the ink is found inside the area the raster reports.
TEST(MessageRaster, ClearingWhatWasDrawnMatchesAWholeClear) {
    LineFormat italic;
    italic.FontName = "DejaVu Serif";
    italic.FontSize = 14;
    italic.Italic = 1;
    italic.Underline = 1;
    struct Step {
        LineFormat format;
        int x;
        int y;
        const char* text;
    };
    const Step steps[] = {{italic, -3, -4, "Wf"},
                          {LedFont(), 50, 12, "LONG LINE"},
                          {italic, 20, 30, "jy"},
                          {LedFont(), 0, 0, "A"}};
    Surface reused(70, 40);
    reused.raster.Clear();
    for (const Step& step : steps) {
        reused.raster.Clear();
        reused.raster.SetFont(step.format);
        reused.raster.Draw(step.x, step.y, step.text);
        Surface fresh(70, 40);
        fresh.raster.Clear();
        fresh.raster.SetFont(step.format);
        fresh.raster.Draw(step.x, step.y, step.text);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 70; ++x)
                ASSERT_EQ(reused.image.At(x, y), fresh.image.At(x, y))
                    << step.text << " " << x << "," << y;
        const gdi::BitmapInfo info = reused.image.Describe();
        const auto inside = zomel::ScanInk(reused.image.Bytes(), info.bmWidthBytes, info.bmHeight,
                                           4, reused.raster.InkArea());
        const auto whole = Scan(reused.raster);
        EXPECT_GT(whole.Count, 0) << step.text;
        EXPECT_EQ(inside.Count, whole.Count) << step.text;
        const auto box = [](const zomel::ExtentInfo& e) {
            return std::tuple(e.StartingRow, e.StartingCol, e.EndingRow, e.EndingCol);
        };
        EXPECT_EQ(box(inside.Extent), box(whole.Extent)) << step.text;
    }
}

// A surface the raster has not cleared (new, or grown since) is cleared whole.
TEST(MessageRaster, ClearsAGrownSurfaceWhole) {
    Surface surface(20, 10);
    surface.raster.Clear();
    surface.image.Resize(40, 20, gdi::Rgb(9, 9, 9));
    EXPECT_EQ(surface.raster.InkArea(), (gdi::Rect{0, 0, 40, 20}));
    surface.raster.Clear();
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(surface.image.At(x, y), gdi::kBlack);
    EXPECT_TRUE(surface.raster.InkArea().Empty());
}

TEST(AssignUtf16, EncodesEveryPlane) {
    std::u16string out = u"old";
    zomel::AssignUtf16("A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", out);
    EXPECT_EQ(out, u"A\u00E9\u20AC\U0001F600");
    zomel::AssignUtf16("", out);
    EXPECT_TRUE(out.empty());
    zomel::AssignUtf16("\xC3", out);  // a cut sequence stands for itself
    EXPECT_EQ(out, std::u16string(1, char16_t{0xC3}));
}

}  // namespace
