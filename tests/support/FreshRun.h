#pragma once

#include <memory>

#include "core/Catalogue.h"
#include "core/Globals.h"
#include "core/Sign.h"
#include "core/mapParts.h"
#include "editor/frmMain.h"
#include "platform/com/ServerLibrary.h"
#include "platform/forms/Instance.h"
#include "tests/support/EngineRun.h"

// A run of the program as it starts: no window objects, `host` in place, no log, the module
// globals at their start values, and the display control registered in this run's registry
// (make the TestEnvironment first, so that the registry is a temporary one).  The run ends,
// and everything is put back, when the object goes.
class FreshRun : public EngineRun {
public:
    explicit FreshRun(forms::Host& host) : EngineRun(host) {
        com::RegisterServer(VELDOSIGN_LIBRARY);
    }

    // The sign model and the main window object, as start-up makes them (the window is not
    // loaded).
    static zomel::frmMain& StartSign() {
        zomel::gSign = std::make_shared<zomel::Sign>();
        zomel::MainForm = &forms::Instance<zomel::frmMain>();
        return *zomel::MainForm;
    }
};
