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

zomel::InkScan Scan(const MessageRaster& raster) {
    const gdi::BitmapInfo info = raster.Image().Describe();
    return zomel::ScanInk(raster.Image().Bytes(), info.bmWidthBytes, info.bmHeight, 4);
}

TEST(MessageRaster, LedTextIsWhiteDotsInsideItsCells) {
    MessageRaster raster;
    raster.EnsureSize(40, 20);
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
            EXPECT_TRUE(c == gdi::White || c == gdi::Black) << x << "," << y;
        }
}

TEST(MessageRaster, WidthsLeaveBlanksOutAndHeightIsTheCell) {
    MessageRaster raster;
    raster.EnsureSize(10, 10);
    raster.SetFont(LedFont());
    EXPECT_EQ(raster.TrimmedTextWidth("  AB "), 12);
    EXPECT_EQ(raster.TrimmedTextWidth("   "), 0);
    EXPECT_EQ(raster.TextHeight("AB"), 8);
}

TEST(MessageRaster, ClearBlanksAndGrowingKeepsTheLargestSize) {
    MessageRaster raster;
    raster.EnsureSize(30, 10);
    raster.SetFont(LedFont());
    raster.Draw(0, 0, "X");
    raster.Clear();
    EXPECT_EQ(Scan(raster).Count, 0);
    raster.EnsureSize(20, 40);
    EXPECT_EQ(raster.Image().Width(), 30);
    EXPECT_EQ(raster.Image().Height(), 40);
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
