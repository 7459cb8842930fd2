// One keystroke on the main window: the whole layout road (both passes, extents, size check,
// preview on the display control, status figures), as a person typing sets it off.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "core/Catalogue.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "core/mapParts.h"
#include "editor/frmMain.h"
#include "platform/com/ServerLibrary.h"
#include "platform/forms/HeadlessHost.h"
#include "platform/forms/Instance.h"

namespace {

// The main window loaded on the headless host, with per-user places in a temporary folder
// so that the run leaves the real home alone.
class Session {
public:
    Session() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "zomel-bench-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
        ::setenv("HOME", root_.c_str(), 1);
        ::setenv("TMPDIR", (root_ + "/").c_str(), 1);
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("ZOMEL_WINDIR");
        forms::SetHost(&host_);
        com::RegisterServer(VELDOSIGN_LIBRARY);
        zomel::gSign = std::make_shared<zomel::Sign>();
        zomel::MainForm = &forms::Instance<zomel::frmMain>();
        zomel::MainForm->Load();
    }
    ~Session() {
        forms::ResetInstances();
        forms::SetHost(nullptr);
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    zomel::frmMain& Main() { return *zomel::MainForm; }

private:
    std::string root_;
    forms::HeadlessHost host_;
};

Session& TheSession() {
    static Session session;
    return session;
}

void TypeMessage(zomel::frmMain& main, int lines) {
    for (vb::Integer i = 0; i <= 10; ++i)
        main.txtZomelText(i).SetText(i < lines ? "LINE " + std::to_string(i) + " OF TEXT" : "");
}

// Typing one character into the last line of a message of `lines` lines, then the next.
void Keystroke(benchmark::State& state) {
    zomel::frmMain& main = TheSession().Main();
    const int lines = static_cast<int>(state.range(0));
    TypeMessage(main, lines);
    const auto last = static_cast<vb::Integer>(lines - 1);
    const std::string text = main.txtZomelText(last).Text();
    bool longer = false;
    for (auto _ : state) {
        longer = !longer;
        main.txtZomelText(last).SetText(longer ? text + "X" : text);
    }
    state.counters["columns"] = zomel::gSign->XZomelCount();
    state.counters["rows"] = zomel::gSign->YZomelCount();
}
BENCHMARK(Keystroke)->Arg(1)->Arg(3)->Arg(11)->Unit(benchmark::kMillisecond);

}  // namespace
