#include <gtest/gtest.h>

#include <vector>

#include "RasterAssertions.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Screen.h"
#include "platform/gdi/SystemColors.h"

namespace gdi {
namespace {

using testing::Art;
using Rows = std::vector<std::string>;

TEST(Bitmap, DescribesItselfAndCopiesItsBitsRowByRow) {
    Bitmap bitmap(3, 2);
    bitmap.Set(2, 1, Rgb(10, 20, 30));
    BitmapInfo info = bitmap.Describe();
    EXPECT_EQ(info.bmWidth, 3);
    EXPECT_EQ(info.bmHeight, 2);
    EXPECT_EQ(info.bmWidthBytes, 12);
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_EQ(sizeof(BitmapInfo), 24u);

    std::vector<std::uint8_t> bits(24, 0xAA);
    EXPECT_EQ(GetBitmapBits(bitmap, bits), 24u);
    // Pixel (2, 1) is at row 1 * stride + column 2 * 4: red, green, blue, 0.
    EXPECT_EQ(bits[12 + 8], 10);
    EXPECT_EQ(bits[12 + 9], 20);
    EXPECT_EQ(bits[12 + 10], 30);
    EXPECT_EQ(bits[12 + 11], 0);
    EXPECT_EQ(bits[0], 0);

    std::vector<std::uint8_t> shortBuffer(5, 0xAA);
    EXPECT_EQ(GetBitmapBits(bitmap, shortBuffer), 5u);
}

TEST(Bitmap, ResizeKeepsTheCommonPartAndFillsTheRest) {
    Bitmap bitmap(2, 2, kWhite);
    bitmap.Resize(3, 1, kBlack);
    EXPECT_EQ(Art(bitmap, 0, 0, 3, 1), Rows({"##."}));
    // Back within the storage it had: narrower, then wider and taller.
    Bitmap grid(3, 3, kWhite);
    grid.Set(2, 0, kBlack);
    grid.Set(0, 2, kBlack);
    grid.Resize(2, 3, kBlack);
    EXPECT_EQ(Art(grid, 0, 0, 2, 3), Rows({"##", "##", ".#"}));
    grid.Resize(4, 2, kBlack);
    EXPECT_EQ(Art(grid, 0, 0, 4, 2), Rows({"##..", "##.."}));
    Bitmap empty(0, 5);
    EXPECT_TRUE(empty.Empty());
    EXPECT_EQ(empty.Height(), 0);
}

TEST(DeviceContext, FillRectLeavesOutTheRightAndBottomEdgesAndClips) {
    Bitmap bitmap(5, 4);
    DeviceContext dc(bitmap);
    dc.FillRect({1, 1, 3, 3}, Brush(kWhite));
    dc.FillRect({4, -2, 9, 1}, Brush(kWhite));
    dc.FillRect({3, 3, 2, 4}, Brush(kWhite));  // inverted: nothing
    EXPECT_EQ(Art(bitmap, 0, 0, 5, 4), Rows({"....#", ".##..", ".##..", "....."}));
}

TEST(DeviceContext, LinesLeaveOutTheirEndPoint) {
    Bitmap bitmap(6, 3);
    DeviceContext dc(bitmap);
    dc.SelectObject(Pen(kWhite, 1));
    dc.MoveToEx(0, 0);
    dc.LineTo(4, 0);
    dc.LineTo(4, 2);
    EXPECT_EQ(dc.CurrentPosition(), (Point{4, 2}));
    dc.MoveToEx(0, 2);
    dc.LineTo(2, 0);
    EXPECT_EQ(Art(bitmap, 0, 0, 6, 3), Rows({"#####.", ".#..#.", "#....."}));
}

TEST(DeviceContext, TwoPixelPenCoversTheColumnBeforeTheLineAndTheLineItself) {
    Bitmap bitmap(6, 4);
    DeviceContext dc(bitmap);
    Pen old = dc.SelectObject(Pen(kWhite, 2));
    EXPECT_EQ(old.Width(), 1);
    dc.MoveToEx(3, 0);
    dc.LineTo(3, 4);
    EXPECT_EQ(Art(bitmap, 0, 0, 6, 4), Rows({"..##..", "..##..", "..##..", "..##.."}));

    Bitmap across(4, 4);
    DeviceContext dc2(across);
    dc2.SelectObject(Pen(kWhite, 2));
    dc2.MoveToEx(0, 2);
    dc2.LineTo(4, 2);
    EXPECT_EQ(Art(across, 0, 0, 4, 4), Rows({"....", "####", "####", "...."}));
}

TEST(DeviceContext, RectangleFillsWithTheBrushAndOutlinesWithThePen) {
    Bitmap bitmap(5, 4);
    DeviceContext dc(bitmap);
    dc.SelectObject(Pen(kWhite, 1));
    dc.SelectObject(Brush(Rgb(1, 2, 3)));
    dc.Rectangle(0, 0, 4, 4);
    EXPECT_EQ(Art(bitmap, 0, 0, 5, 4), Rows({"####.", "#..#.", "#..#.", "####."}));
    EXPECT_EQ(bitmap.At(1, 1), Rgb(1, 2, 3));
    EXPECT_EQ(bitmap.At(4, 1), kBlack);
}

TEST(DeviceContext, PixelsOutsideTheSurfaceReadAsMinusOne) {
    Bitmap bitmap(2, 2);
    DeviceContext dc(bitmap);
    EXPECT_EQ(dc.SetPixel(1, 1, Rgb(255, 255, 254)), static_cast<std::int32_t>(0xFEFFFF));
    EXPECT_EQ(dc.GetPixel(1, 1), 0xFEFFFF);
    EXPECT_EQ(dc.GetPixel(2, 0), -1);
    EXPECT_EQ(dc.GetPixel(0, -1), -1);
    EXPECT_EQ(dc.SetPixel(-1, 0, kWhite), -1);
}

TEST(SystemColors, ResolveThroughOneTable) {
    Color windowText = SystemColorRef(SystemColor::WindowText);
    EXPECT_EQ(windowText, 0x80000008u);
    EXPECT_EQ(ResolveColor(windowText), GetSysColor(8));
    EXPECT_EQ(ResolveColor(Rgb(1, 2, 3)), Rgb(1, 2, 3));
    EXPECT_EQ(Brush(SystemColorRef(SystemColor::ButtonFace)).GetColor(), GetSysColor(15));
    EXPECT_EQ(GetSysColor(999), kBlack);

    Bitmap bitmap(1, 1);
    DeviceContext dc(bitmap);
    dc.SetPixel(0, 0, SystemColorRef(SystemColor::Window));
    EXPECT_EQ(bitmap.At(0, 0), GetSysColor(5));
}

TEST(BitBlt, CopiesTheBlockThatLiesOnBothSurfaces) {
    Bitmap from(3, 3);
    from.Fill({0, 0, 3, 1}, kWhite);
    from.Set(0, 2, kWhite);
    Bitmap to(3, 3);
    DeviceContext source(from);
    DeviceContext target(to);
    BitBlt(target, 1, 1, 3, 3, source, 0, 0);
    EXPECT_EQ(Art(to, 0, 0, 3, 3), Rows({"...", ".##", "..."}));

    // Within one surface, overlapping: shift the top row down by one.
    BitBlt(source, 0, 1, 3, 2, source, 0, 0);
    EXPECT_EQ(Art(from, 0, 0, 3, 3), Rows({"###", "###", "..."}));
}

TEST(Screen, TwipsAndHimetric) {
    EXPECT_EQ(PixelsToTwipsX(4), 60);
    EXPECT_EQ(TwipsToPixelsY(3780), 252);
    EXPECT_EQ(PixelsToHimetric(96), 2540);
    EXPECT_EQ(PixelsToHimetric(1), 26);
    EXPECT_EQ(kScreenBitsPerPixel, 32);
}

}  // namespace
}  // namespace gdi
