#include <gtest/gtest.h>

#include <vector>

#include "core/ModulePitch.h"
#include "editor/InkScan.h"
#include "platform/gdi/Bitmap.h"
#include "platform/vb/Error.h"

namespace {

using zomel::ExtentInfo;
using zomel::ScanInk;

void ExpectExtent(const ExtentInfo& e, int startRow, int startCol, int endRow, int endCol) {
    EXPECT_EQ(e.StartingRow, startRow);
    EXPECT_EQ(e.StartingCol, startCol);
    EXPECT_EQ(e.EndingRow, endRow);
    EXPECT_EQ(e.EndingCol, endCol);
}

zomel::InkScan ScanBitmap(const gdi::Bitmap& bitmap) {
    const gdi::BitmapInfo info = bitmap.Describe();
    return ScanInk(bitmap.Bytes(), info.bmWidthBytes, info.bmHeight, 4);
}

TEST(InkScan, BlankRasterHasNoExtent) {
    gdi::Bitmap bitmap(10, 4);
    const auto scan = ScanBitmap(bitmap);
    ExpectExtent(scan.Extent, 0, 0, 0, 0);
    EXPECT_EQ(scan.Count, 0);
}

TEST(InkScan, BoxAndCountOfWhiteTextOnBlack) {
    gdi::Bitmap bitmap(10, 6);
    bitmap.Set(2, 1, gdi::kWhite);
    bitmap.Set(7, 4, gdi::kWhite);
    bitmap.Set(3, 2, gdi::kWhite);
    const auto scan = ScanBitmap(bitmap);
    ExpectExtent(scan.Extent, 2, 3, 5, 8);
    EXPECT_EQ(scan.Count, 3);
}

TEST(InkScan, OnlyTheFirstByteOfAPixelCounts) {
    gdi::Bitmap bitmap(4, 1);
    bitmap.Set(1, 0, gdi::Rgb(0, 255, 255));  // red byte is 0: no ink
    bitmap.Set(2, 0, gdi::Rgb(1, 0, 0));
    const auto scan = ScanBitmap(bitmap);
    ExpectExtent(scan.Extent, 1, 3, 1, 3);
    EXPECT_EQ(scan.Count, 1);
}

TEST(InkScan, LastByteOfEachRowIsNeverTested) {
    // 8-bit raster of even width: the last pixel of a row is its last byte.
    const std::vector<std::uint8_t> bits = {0, 0, 0, 9,  //
                                            0, 5, 0, 0};
    const auto scan = ScanInk(bits, 4, 2, 1);
    ExpectExtent(scan.Extent, 2, 2, 2, 2);
    EXPECT_EQ(scan.Count, 1);
}

TEST(InkScan, ByteColumnsBecomePixelColumnsByCeiling) {
    // 24-bit: pixel 2 starts at byte 3; its first byte marks it.
    std::vector<std::uint8_t> bits(12, 0);
    bits[3] = 200;
    bits[9] = 200;
    const auto scan = ScanInk(bits, 12, 1, 3);
    ExpectExtent(scan.Extent, 1, 2, 1, 4);
    EXPECT_EQ(scan.Count, 2);
}

TEST(InkScan, WiderRowsAreRecordedOnlyWhenTheRightEdgeMoves) {
    gdi::Bitmap bitmap(8, 4);
    bitmap.Set(2, 0, gdi::kWhite);
    bitmap.Set(1, 1, gdi::kWhite);
    bitmap.Set(5, 3, gdi::kWhite);
    std::vector<zomel::WiderRow> wider;
    const gdi::BitmapInfo info = bitmap.Describe();
    ScanInk(bitmap.Bytes(), info.bmWidthBytes, info.bmHeight, 4, &wider);
    ASSERT_EQ(wider.size(), 2u);
    EXPECT_EQ(wider[0].EndByte, 9);
    EXPECT_EQ(wider[0].Row, 1);
    EXPECT_EQ(wider[1].EndByte, 21);
    EXPECT_EQ(wider[1].Row, 4);
}

TEST(InkScan, UnsupportedDepthsHaveNoBytesPerPixel) {
    EXPECT_EQ(zomel::BytesPerPixel(8), 1);
    EXPECT_EQ(zomel::BytesPerPixel(16), 2);
    EXPECT_EQ(zomel::BytesPerPixel(24), 3);
    EXPECT_EQ(zomel::BytesPerPixel(32), 4);
    EXPECT_EQ(zomel::BytesPerPixel(4), 0);
    const std::vector<std::uint8_t> bits(8, 1);
    EXPECT_EQ(ScanInk(bits, 8, 1, 0).Count, 0);
}

TEST(ModulePitch, CountsAndSpansShareOneRule) {
    // Column 13 with 12 LEDs a module needs 2 modules; with the 1-pixel gap it still fits 1.
    EXPECT_EQ(zomel::ModulesFor(13, 12, 0), 2);
    EXPECT_EQ(zomel::ModulesFor(13, 12, 1), 1);
    EXPECT_EQ(zomel::ModulesFor(14, 12, 1), 2);
    EXPECT_EQ(zomel::ModulesFor(0, 12, 0), 0);
    for (int pixels = 1; pixels < 60; ++pixels)
        for (int gap = 0; gap <= 1; ++gap) {
            const int n = zomel::ModulesFor(pixels, 5, gap);
            EXPECT_TRUE(zomel::FitsModules(pixels, n, 5, gap)) << pixels;
            EXPECT_FALSE(zomel::FitsModules(pixels, n - 1, 5, gap)) << pixels;
        }
}

TEST(ModulePitch, ZeroPitchIsDivisionByZero) {
    try {
        zomel::ModulesFor(5, 0, 0);
        FAIL();
    } catch (const vb::VbError& e) {
        EXPECT_EQ(e.Number(), vb::err::kDivisionByZero);
    }
}

}  // namespace

TEST(ModulePitch, LedsPerModuleByDensityAndOrientation) {
    using Leds = std::pair<int, int>;
    auto leds = [](bool high, bool vertical) {
        zomel::ModuleLeds module = zomel::LedsPerModule(high, vertical);
        return Leds(module.across, module.down);
    };
    EXPECT_EQ(leds(true, false), Leds(12, 8));
    EXPECT_EQ(leds(true, true), Leds(8, 12));
    EXPECT_EQ(leds(false, false), Leds(7, 5));
    EXPECT_EQ(leds(false, true), Leds(5, 7));
}
