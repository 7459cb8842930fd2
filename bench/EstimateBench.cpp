// One estimate of the largest sign the price command takes, with every option chosen: the
// price-list engine alone, and the estimate window's whole load (grid, engine, widths).
#include <benchmark/benchmark.h>

#include "bench/MainWindowSession.h"
#include "estimate/engine/PriceList.h"
#include "estimate/frmOrder.h"

namespace {

// The 10 x 6 high-density sign of generation 2 with every option chosen.
class Session : public MainWindowSession {
public:
    Session() {
        zomel::frmMain& main = Main();
        main.SSBars->ClickTool("id_Sign2");
        main.txtModel->SetText("AF0-2H2A4-1006H");
        main.cmdShow->Click();
        for (vb::Integer i = 1; i <= zomel::gOptionCount; ++i)
            zomel::gOptions(i).Checked = vb::True;
        zomel::frmOrder& order = forms::Instance<zomel::frmOrder>();
        order.AltPartsFlag = vb::True;
        order.CabinetOption = vb::True;
        order.PanelCount = vb::Long{8};
        order.BatteryCount = vb::Long{16};
    }

    zomel::PriceRun StartRun() const {
        zomel::PriceRun run;
        run.Sign = zomel::PricedSignOf(*zomel::gSign, zomel::LengthFactorsOf("in"), false, true);
        run.PanelCount = vb::Long{8};
        run.BatteryCount = vb::Long{16};
        run.CabinetOption = true;
        run.AltPartsFlag = true;
        return run;
    }
};

Session& TheSession() {
    static Session session;
    return session;
}

void BM_PriceListEngine(benchmark::State& state) {
    Session& session = TheSession();
    size_t lines = 0;
    for (auto _ : state) {
        zomel::PriceRun run = session.StartRun();
        auto priced = zomel::PriceCatalogue(run, [](const zomel::PriceRun&) {});
        zomel::AssembleSign(priced, run, "AF0-2H2A4-1006H", "AF0-2H2A4-1006H");
        lines = priced.size();
        session.Host().ClearMessages();
        benchmark::DoNotOptimize(priced);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_PriceListEngine)->Unit(benchmark::kMicrosecond);

void BM_EstimateWindowLoad(benchmark::State& state) {
    TheSession();
    zomel::frmOrder& order = forms::Instance<zomel::frmOrder>();
    for (auto _ : state) {
        order.Load();
        benchmark::DoNotOptimize(order.fgPrices->Rows());
        order.Unload();
        TheSession().Host().ClearMessages();
    }
}
BENCHMARK(BM_EstimateWindowLoad)->Unit(benchmark::kMicrosecond);

}  // namespace
