// The options tree window: its build at each opening, its layout and its buttons.
#include "catalogue/frmChooser.h"

#include "catalogue/engine/OptionTreeBuild.h"
#include "core/Catalogue.h"
#include "core/Diagnostics.h"
#include "core/Globals.h"
#include "core/PriceLoad.h"
#include "core/TranslateForm.h"
#include "platform/vb/Error.h"

namespace zomel {
namespace {

// Inner sizes below which the resize rule leaves the tree and the buttons as they are.
constexpr vb::Single kMinHeight = 1190;
constexpr vb::Single kMinWidth = 500;
constexpr vb::Single kBelowTree = 1185;
constexpr vb::Single kButtonsFromBottom = 920;
constexpr vb::Single kBesideTree = 360;

// Runs the build and keeps what it found for the rules and the estimate, as far as it came.
void RunBuild(OptionTreeBuild& build) {
    PresetOptionIndex = build.PresetOptionIndex();
    const auto keep = [&] {
        if (auto row = build.BatteryOption()) gPriceLoad.BatteryOption = *row;
        if (auto row = build.PanelOption()) gPriceLoad.PanelOption = *row;
    };
    try {
        build.Run();
    } catch (...) {
        keep();
        throw;
    }
    keep();
}

}  // namespace

frmChooser::frmChooser() : ProgramForm("frmChooser") {
    On("tvOption", "NodeCheck", [this](forms::Control&, forms::EventArgs& args) {
        if (auto node = args.at(0).As<forms::Node>()) tvOption_NodeCheck(*node);
    });
    On("tvOption", "DblClick", [this](auto&, auto&) { tvOption_DblClick(); });
    On("tvOption", "KeyPress", [this](forms::Control&, forms::EventArgs& args) {
        vb::Integer key = args.at(0).ToInteger();
        tvOption_KeyPress(key);
        args[0] = key;
    });
    On("cmdDone", "Click", [this](auto&, auto&) { cmdDone_Click(); });
    On("cmdClear", "Click", [this](auto&, auto&) { cmdClear_Click(); });
    On("cmdSolar", "Click", [this](auto&, auto&) { cmdSolar_Click(); });
}

void frmChooser::Window_Load() {
    TranslateForm(*this, false);
    OptionTreeBuild build(*tvOption, gOptions,
                          {Zomel2Mode != 0, PresetFirstIndex, PresetNextIndex, PresetPackage});
    try {
        RunBuild(build);
        ShowChecks();
        const vb::Integer panel = SolarRow(gPriceLoad.PanelOption);
        if (panel > 0 && gOptions(panel).Checked) cmdSolar->SetVisible(true);
    } catch (...) {
        vb::CaptureCurrentException();
        DebugTrace(TraceLabel(), build.Step(), build.Trace(), "Load Step");
        vb::Err().Clear();
        gPriceLoad.LoadError = vb::True;
    }
}

void frmChooser::Form_Resize() {
    const vb::Single height = ScaleHeight();
    const vb::Single width = ScaleWidth();
    if (height > kMinHeight) {
        tvOption->SetHeight(height - kBelowTree);
        for (forms::CommandButton* button : {&*cmdDone, &*cmdClear, &*cmdSolar})
            button->SetTop(height - kButtonsFromBottom);
    }
    if (width > kMinWidth) tvOption->SetWidth(width - kBesideTree);
}

void frmChooser::cmdDone_Click() {
    Unload();
}

}  // namespace zomel
