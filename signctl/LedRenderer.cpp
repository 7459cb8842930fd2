#include "signctl/LedRenderer.h"

#include <algorithm>
#include <cmath>

namespace veldo {
namespace {

int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

// The offset of LED k along one direction: each module before it adds one more pitch.
int Offset(const LedGrid& grid, int k, int perModule, bool moduleGaps, int halfGap) {
    const int module = moduleGaps && perModule > 0 ? k / perModule : 0;
    return grid.size * (k + module) + grid.gap * (k + module + 1) - halfGap;
}

// The offsets of LEDs 0, 1, 2 ... along one direction in turn, as Offset gives them, without a
// division per LED.
class OffsetSteps {
public:
    OffsetSteps(const LedGrid& grid, int perModule, bool moduleGaps, int halfGap)
        : next_(grid.gap - halfGap),
          pitch_(grid.Pitch()),
          perModule_(moduleGaps && perModule > 0 ? perModule : 0) {}

    int Next() {
        const int at = next_;
        next_ += pitch_;
        if (perModule_ > 0 && ++inModule_ == perModule_) {
            inModule_ = 0;
            next_ += pitch_;
        }
        return at;
    }

private:
    int next_;
    int pitch_;
    int perModule_;
    int inModule_ = 0;
};

void OutlineDirection(gdi::DeviceContext& dc, const LedGrid& grid, int boundaries, int perModule,
                      bool moduleGaps, bool columns, gdi::Color face) {
    const gdi::Bitmap& surface = dc.Surface();
    const int pitch = grid.Pitch();
    const gdi::Brush band(face);
    for (int k = 1; k <= boundaries; ++k) {
        if (!moduleGaps) {
            const int at = k * perModule * pitch;
            dc.MoveToEx(columns ? at : 0, columns ? 0 : at);
            dc.LineTo(columns ? at : surface.Width(), columns ? surface.Height() : at);
            continue;
        }
        const int from = pitch * (k * perModule + k - 1);
        dc.FillRect(columns ? gdi::Rect{from, 0, from + pitch, surface.Height()}
                            : gdi::Rect{0, from, surface.Width(), from + pitch},
                    band);
    }
}

}  // namespace

int HalfGap(int gap) {
    return RoundHalfEven(gap / 2.0);
}

gdi::Rect LedSquare(const LedGrid& grid, int i, int j) {
    const int a = HalfGap(grid.gap);
    const int left = Offset(grid, i, grid.perModuleX, grid.moduleGapsX, a);
    const int top = Offset(grid, j, grid.perModuleY, grid.moduleGapsY, a);
    return {left, top, left + grid.size, top + grid.size};
}

// Row by row of the display rather than square by square, so that the writes run along
// memory.
void RenderLeds(const gdi::Bitmap& frame, gdi::Bitmap& display, const LedGrid& grid, gdi::Color lit,
                gdi::Color unlit) {
    const int a = HalfGap(grid.gap);
    const int width = display.Width();
    for (int j = 0; j < frame.Height(); ++j) {
        const int from = Offset(grid, j, grid.perModuleY, grid.moduleGapsY, a);
        const auto leds = frame.Row(j);
        for (int y = std::max(from, 0); y < std::min(from + grid.size, display.Height()); ++y) {
            const auto row = display.Row(y);
            OffsetSteps columns(grid, grid.perModuleX, grid.moduleGapsX, a);
            for (int i = 0; i < frame.Width(); ++i) {
                const int left = columns.Next();
                const int right = std::min(left + grid.size, width);
                if (std::max(left, 0) >= right) continue;
                std::fill(row.begin() + std::max(left, 0), row.begin() + right,
                          IsLit(leds[static_cast<std::size_t>(i)]) ? lit : unlit);
            }
        }
    }
}

// Squares along one direction start at rising offsets a pitch or more apart, so they never
// overlap and a display row or column meets them in order.
void RenderLedsOnBackground(const gdi::Bitmap& frame, gdi::Bitmap& display, const LedGrid& grid,
                            gdi::Color lit, gdi::Color unlit, gdi::Color back) {
    const int width = display.Width();
    const int height = display.Height();
    if (grid.size < 0 || grid.gap < 0) {
        display.Fill({0, 0, width, height}, back);
        return RenderLeds(frame, display, grid, lit, unlit);
    }
    const int a = HalfGap(grid.gap);
    int done = 0;  // display rows written
    for (int j = 0; j < frame.Height() && done < height; ++j) {
        const int from = Offset(grid, j, grid.perModuleY, grid.moduleGapsY, a);
        const int top = std::max(from, done);
        const int bottom = std::min(from + grid.size, height);
        if (top >= bottom) continue;
        display.Fill({0, done, width, top}, back);
        const auto leds = frame.Row(j);
        const auto row = display.Row(top);
        int x = 0;
        OffsetSteps columns(grid, grid.perModuleX, grid.moduleGapsX, a);
        for (int i = 0; i < frame.Width() && x < width; ++i) {
            const int from = columns.Next();
            const int left = std::max(from, x);
            const int right = std::min(from + grid.size, width);
            if (left >= right) continue;
            std::fill(row.begin() + x, row.begin() + left, back);
            std::fill(row.begin() + left, row.begin() + right,
                      IsLit(leds[static_cast<std::size_t>(i)]) ? lit : unlit);
            x = right;
        }
        std::fill(row.begin() + x, row.end(), back);
        for (int y = top + 1; y < bottom; ++y)
            std::copy(row.begin(), row.end(), display.Row(y).begin());
        done = bottom;
    }
    display.Fill({0, done, width, height}, back);
}

int BoundaryCount(int pixels, int perModule) {
    if (perModule == 0) return 0;
    return RoundHalfEven(static_cast<double>(pixels) / perModule - 1);
}

void DrawModuleOutlines(gdi::DeviceContext& display, const LedGrid& grid, int frameWidth,
                        int frameHeight, gdi::Color face) {
    const gdi::Pen old = display.SelectObject(gdi::Pen(gdi::kBlack, 2));
    OutlineDirection(display, grid, BoundaryCount(frameWidth, grid.perModuleX), grid.perModuleX,
                     grid.moduleGapsX, true, face);
    OutlineDirection(display, grid, BoundaryCount(frameHeight, grid.perModuleY), grid.perModuleY,
                     grid.moduleGapsY, false, face);
    display.SelectObject(old);
}

}  // namespace veldo
