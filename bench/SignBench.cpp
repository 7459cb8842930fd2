#include <benchmark/benchmark.h>

#include <memory>

#include "platform/forms/HeadlessHost.h"
#include "signctl/SignOcx.h"

namespace {

// The largest sign: 25 modules of 12 LEDs across, 6 modules of 12 LEDs down.
constexpr int kSignWidth = 25 * 12;
constexpr int kSignHeight = 6 * 12;

gdi::PictureRef Checkerboard() {
    gdi::Bitmap image(kSignWidth, kSignHeight);
    for (int y = 0; y < kSignHeight; ++y)
        for (int x = 0; x < kSignWidth; ++x)
            image.Set(x, y, (x + y) % 2 ? gdi::kWhite : gdi::kBlack);
    return std::make_shared<gdi::Picture>(std::move(image));
}

std::shared_ptr<veldo::SignOcx> LargestSignAtZoom3(int frames) {
    auto sign = std::make_shared<veldo::SignOcx>();
    sign->InitNew();
    sign->SetSegCountX(25);
    sign->SetSegCountY(6);
    sign->SetPixPerSegY(12);
    sign->SetSegSepX(3);
    sign->SetSegSepY(3);
    sign->SetZomelOutline(true);
    for (int i = 0; i < frames; ++i) {
        vb::Variant picture = vb::ToVariant(Checkerboard());
        vb::Variant name = "Frame" + std::to_string(i);
        sign->AddBMPFrame(picture, name);
    }
    sign->SetZoom(3.0f);
    return sign;
}

// One repaint of the whole matrix, as every colour, gap and module setter does.
void DrawFrameLargestSignZoom3(benchmark::State& state) {
    auto sign = LargestSignAtZoom3(1);
    for (auto _ : state) {
        sign->Refresh();
        // The screen looks at the display: a repaint put off until then is drawn.
        benchmark::DoNotOptimize(sign->Display().Surface().Row(0).data());
        benchmark::ClobberMemory();
    }
    state.counters["leds"] = kSignWidth * kSignHeight;
    state.counters["pixels"] =
        sign->Display().Surface().Width() * sign->Display().Surface().Height();
}
BENCHMARK(DrawFrameLargestSignZoom3)->Unit(benchmark::kMillisecond);

// One animation tick with two frames on the headless host's clock.
void AnimationTickTwoFrames(benchmark::State& state) {
    forms::HeadlessHost host;
    forms::SetHost(&host);
    {
        auto sign = LargestSignAtZoom3(2);
        sign->SetAnimationInterval(1);
        for (auto _ : state) {
            host.AdvanceTime(1);
            benchmark::DoNotOptimize(sign->Display().Surface().Row(0).data());
            benchmark::ClobberMemory();
        }
    }
    forms::SetHost(nullptr);
}
BENCHMARK(AnimationTickTwoFrames)->Unit(benchmark::kMillisecond);

}  // namespace
