#include "catalogue/frmChooser.h"
#include "catalogue/frmSolar.h"
#include "estimate/frmOrder.h"
#include "platform/forms/Instance.h"
#include "platform/vb/Error.h"

// The windows the estimate opens: the options tree and the solar sizing.
namespace zomel {
namespace {

// Loads the window; a failure names the window that could not be loaded.
void LoadNamed(forms::Form& window) {
    try {
        window.Load();
    } catch (const vb::VbError& e) {
        // A window that failed to load is not left half loaded for the next attempt.
        vb::ResumeNext([&] { window.Unload(); });
        vb::Err().Clear();
        vb::Raise(e.Number(),
                  "The window " + window.Name() + " could not be loaded: " + e.Description());
    }
}

}  // namespace

bool frmOrder::ShowOptionsTree() {
    frmChooser& chooser = forms::Instance<frmChooser>();
    LoadNamed(chooser);
    if (HasLoadError()) {
        chooser.Unload();
        return false;
    }
    chooser.Show(forms::ShowStyle::Modal, this);
    return true;
}

// The counts the solar window leaves are this window's.
void frmOrder::ShowSolar(PriceRun& run) {
    forms::Instance<frmSolar>().Show(forms::ShowStyle::Modal, this);
    run.PanelCount = PanelCount;
    run.BatteryCount = BatteryCount;
}

}  // namespace zomel
