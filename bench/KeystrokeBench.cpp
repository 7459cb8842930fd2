// One keystroke on the main window: the whole layout road (both passes, extents, size check,
// preview on the display control, status figures), as a person typing sets it off.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/MainWindowSession.h"
#include "tests/support/AllocationCounter.h"

namespace {

MainWindowSession& TheSession() {
    static MainWindowSession session;
    return session;
}

void TypeMessage(zomel::frmMain& main, int lines) {
    for (vb::Integer i = 0; i <= 10; ++i)
        main.txtZomelText(i).SetText(i < lines ? "LINE " + std::to_string(i) + " OF TEXT" : "");
}

// Typing one character into the last line of a message of `lines` lines, then the next; on
// screen, the window also shows the preview after each.
void Type(benchmark::State& state, bool onScreen) {
    zomel::frmMain& main = TheSession().Main();
    const int lines = static_cast<int>(state.range(0));
    TypeMessage(main, lines);
    const auto last = static_cast<vb::Integer>(lines - 1);
    const std::string text = main.txtZomelText(last).Text();
    bool longer = false;
    AllocationCounter allocations;
    for (auto _ : state) {
        longer = !longer;
        main.txtZomelText(last).SetText(longer ? text + "X" : text);
        if (onScreen) benchmark::DoNotOptimize(main.ViewSign->Surface());
    }
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(allocations.Made()),
                                                  benchmark::Counter::kAvgIterations);
    state.counters["large_allocs"] = benchmark::Counter(static_cast<double>(allocations.Large()),
                                                        benchmark::Counter::kAvgIterations);
    state.counters["columns"] = zomel::gSign->XZomelCount();
    state.counters["rows"] = zomel::gSign->YZomelCount();
}
void Keystroke(benchmark::State& state) {
    Type(state, false);
}
BENCHMARK(Keystroke)->Arg(1)->Arg(3)->Arg(11)->Unit(benchmark::kMillisecond);

void KeystrokeOnScreen(benchmark::State& state) {
    Type(state, true);
}
BENCHMARK(KeystrokeOnScreen)->Arg(1)->Arg(3)->Arg(11)->Unit(benchmark::kMillisecond);

}  // namespace
