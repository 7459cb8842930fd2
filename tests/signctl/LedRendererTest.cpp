#include "signctl/LedRenderer.h"

#include <gtest/gtest.h>

namespace {

using veldo::LedGrid;

constexpr gdi::Color kBack = gdi::Rgb(1, 2, 3);
constexpr gdi::Color kLit = gdi::Rgb(255, 255, 0);
constexpr gdi::Color kUnlit = gdi::Rgb(0, 0, 128);
constexpr gdi::Color kFace = gdi::Rgb(200, 200, 200);

// One character per pixel of a row: 'L' lit, 'u' unlit, '.' background, other letters as
// named by the test.
std::string RowOf(const gdi::Bitmap& bitmap, int y) {
    std::string row;
    for (int x = 0; x < bitmap.Width(); ++x) {
        const gdi::Color c = bitmap.At(x, y);
        row += c == kLit ? 'L' : c == kUnlit ? 'u' : c == kBack ? '.' : c == kFace ? 'f' : 'k';
    }
    return row;
}

TEST(LedRenderer, HalfGapRoundsHalvesToEven) {
    EXPECT_EQ(veldo::HalfGap(1), 0);
    EXPECT_EQ(veldo::HalfGap(2), 1);
    EXPECT_EQ(veldo::HalfGap(3), 2);
    EXPECT_EQ(veldo::HalfGap(5), 2);
    EXPECT_EQ(veldo::HalfGap(7), 4);
}

TEST(LedRenderer, SquaresSitOnTheirPitchWithModulesOneSlotApart) {
    LedGrid grid{2, 2, 12, 8, false, false};
    EXPECT_EQ(veldo::LedSquare(grid, 0, 0), (gdi::Rect{1, 1, 3, 3}));
    EXPECT_EQ(veldo::LedSquare(grid, 1, 0), (gdi::Rect{5, 1, 7, 3}));
    // Half steps: squares one wider than the gap.
    EXPECT_EQ(veldo::LedSquare({2, 1, 12, 8}, 1, 1), (gdi::Rect{4, 4, 6, 6}));
    EXPECT_EQ(veldo::LedSquare({1, 0, 12, 8}, 3, 0).left, 3);
    // With module gaps, LED 12 is one pitch further right than LED 11's neighbour.
    grid.moduleGapsX = true;
    EXPECT_EQ(veldo::LedSquare(grid, 11, 0).left, 45);
    EXPECT_EQ(veldo::LedSquare(grid, 12, 0).left, 45 + 2 * 4);
    EXPECT_EQ(veldo::LedSquare(grid, 0, 9).top, 37) << "rows keep no module gap";
    // No LEDs per module means no modules to space.
    grid.perModuleX = 0;
    EXPECT_EQ(veldo::LedSquare(grid, 12, 0).left, 49);
}

TEST(LedRenderer, OnlyPureWhiteLights) {
    gdi::Bitmap frame(3, 2, gdi::Rgb(255, 255, 254));
    frame.Set(0, 0, gdi::kWhite);
    frame.Set(2, 1, gdi::kWhite);
    frame.Set(1, 1, gdi::Rgb(254, 255, 255));
    gdi::Bitmap display(12, 8, kBack);
    veldo::RenderLeds(frame, display, {2, 2, 12, 8}, kLit, kUnlit);
    const std::vector<std::string> expected{
        "............",  //
        ".LL..uu..uu.",  //
        ".LL..uu..uu.",  //
        "............",  //
        "............",  //
        ".uu..uu..LL.",  //
        ".uu..uu..LL.",  //
        "............",
    };
    for (int y = 0; y < 8; ++y)
        EXPECT_EQ(RowOf(display, y), expected[static_cast<std::size_t>(y)]) << "row " << y;
}

TEST(LedRenderer, ModuleBoundariesRoundHalvesToEven) {
    EXPECT_EQ(veldo::BoundaryCount(48, 12), 3);
    EXPECT_EQ(veldo::BoundaryCount(50, 12), 3);
    EXPECT_EQ(veldo::BoundaryCount(54, 12), 4);
    EXPECT_EQ(veldo::BoundaryCount(42, 12), 2);
    EXPECT_EQ(veldo::BoundaryCount(12, 12), 0);
    EXPECT_EQ(veldo::BoundaryCount(48, 0), 0);
}

TEST(LedRenderer, OutlinesAreBlackLinesOverTheLedsWithoutModuleGaps) {
    // 4 x 2 LEDs, modules of 2 x 1, pitch 2: a boundary at x 4 and one at y 2.
    gdi::Bitmap frame(4, 2, gdi::kWhite);
    gdi::Bitmap display(8, 4, kBack);
    const LedGrid grid{1, 1, 2, 1, false, false};
    veldo::RenderLeds(frame, display, grid, kLit, kUnlit);
    gdi::DeviceContext dc(display);
    veldo::DrawModuleOutlines(dc, grid, 4, 2, kFace);
    // The 2-pixel pen covers the column before the boundary and the boundary itself.
    EXPECT_EQ(RowOf(display, 0), "...kk...");
    EXPECT_EQ(RowOf(display, 1), "kkkkkkkk");
    EXPECT_EQ(RowOf(display, 2), "kkkkkkkk");
    EXPECT_EQ(RowOf(display, 3), ".L.kkL.L");
    EXPECT_EQ(dc.CurrentPen().Width(), 1) << "the old pen is selected back";
}

TEST(LedRenderer, WithModuleGapsTheEmptySlotsBecomeFaceBands) {
    // 4 LEDs across in modules of 2, with gaps: slot 2 is empty, painted in the face colour.
    gdi::Bitmap frame(4, 1, gdi::kWhite);
    gdi::Bitmap display(10, 2, kBack);
    const LedGrid grid{1, 1, 2, 8, true, false};
    veldo::RenderLeds(frame, display, grid, kLit, kUnlit);
    EXPECT_EQ(RowOf(display, 1), ".L.L...L.L");
    gdi::DeviceContext dc(display);
    veldo::DrawModuleOutlines(dc, grid, 4, 1, kFace);
    EXPECT_EQ(RowOf(display, 0), "....ff....");
    EXPECT_EQ(RowOf(display, 1), ".L.Lff.L.L");
}

TEST(LedRenderer, OnABlankedDisplayTheSquaresAreThoseOfABlankThenTheLeds) {
    // Module gaps both ways, squares that run off the display, and a display that was not blank.
    gdi::Bitmap frame(6, 5, gdi::kBlack);
    for (int i = 0; i < 6; ++i)
        frame.Set(i, i % 5, gdi::kWhite);
    const LedGrid grid{2, 1, 2, 2, true, true};
    gdi::Bitmap expected(14, 14, kFace);
    expected.Fill({0, 0, 14, 14}, kBack);
    veldo::RenderLeds(frame, expected, grid, kLit, kUnlit);
    gdi::Bitmap display(14, 14, kFace);
    veldo::RenderLedsOnBackground(frame, display, grid, kLit, kUnlit, kBack);
    for (int y = 0; y < 14; ++y)
        EXPECT_EQ(RowOf(display, y), RowOf(expected, y)) << "row " << y;
}

}  // namespace
