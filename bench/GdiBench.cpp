#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/gdi/DeviceContext.h"

namespace {

// The largest sign: 25 modules of 12 LEDs across, 6 modules of 12 LEDs down.
constexpr int kSignWidth = 25 * 12;
constexpr int kSignHeight = 6 * 12;

void DrawLine(benchmark::State& state, const gdi::Font& font, std::u16string_view text) {
    gdi::Bitmap bitmap(kSignWidth * 2, kSignHeight);
    gdi::DeviceContext dc(bitmap);
    dc.SelectObject(font);
    dc.SetTextColor(gdi::kWhite);
    dc.TextOutW(0, 0, text);  // the first call loads the face and its glyphs
    for (auto _ : state) {
        dc.TextOutW(0, 0, text);
        benchmark::ClobberMemory();
    }
    state.counters["chars"] = static_cast<double>(text.size());
}

// A full line of the largest sign in the 5x7 LED font: 50 cells of 6 pixels.
void LedTextLine(benchmark::State& state) {
    DrawLine(state, gdi::Font{"VELDO 5x7", 7},
             u"ROAD WORK AHEAD - EXPECT DELAYS - USE CAUTION 1234");
}
BENCHMARK(LedTextLine);

void InstalledFontLine(benchmark::State& state) {
    DrawLine(state, gdi::Font{"DejaVu Sans", 12}, u"Road work ahead, expect delays until 5 pm");
}
BENCHMARK(InstalledFontLine);

// What the ink measurement does: the bitmap's description, then its bits copied once.
void ReadSignRaster(benchmark::State& state) {
    gdi::Bitmap bitmap(kSignWidth, kSignHeight);
    std::vector<std::uint8_t> bits;
    for (auto _ : state) {
        gdi::BitmapInfo info = bitmap.Describe();
        bits.resize(static_cast<std::size_t>(info.bmWidthBytes) *
                    static_cast<std::size_t>(info.bmHeight));
        benchmark::DoNotOptimize(gdi::GetBitmapBits(bitmap, bits));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(ReadSignRaster);

// What the LED renderer does: every pixel of the sign read through GetPixel.
void ReadSignPixels(benchmark::State& state) {
    gdi::Bitmap bitmap(kSignWidth, kSignHeight);
    gdi::DeviceContext dc(bitmap);
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (int x = 0; x < kSignWidth; ++x)
            for (int y = 0; y < kSignHeight; ++y)
                sum += dc.GetPixel(x, y);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(ReadSignPixels);

}  // namespace
