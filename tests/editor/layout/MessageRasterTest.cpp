#include <gtest/gtest.h>

#include <string>

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
    std::u16string buffer;
    MessageRaster raster{dc, buffer};
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
