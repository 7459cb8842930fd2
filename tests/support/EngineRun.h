#pragma once

#include "core/LogChannel.h"
#include "core/RunState.h"
#include "platform/forms/Description.h"
#include "platform/forms/Host.h"
#include "platform/forms/Instance.h"
#include "platform/forms/StringTable.h"
#include "platform/os/Settings.h"
#include "platform/vb/HandledErrors.h"

// A run as it starts, for the engines below the windows: no window objects, `host` in place,
// no log, the module globals at their start values.  The run ends, and everything is put
// back, when the object goes.
class EngineRun {
public:
    explicit EngineRun(forms::Host& host) {
        Reset();
        forms::SetHost(&host);
    }
    ~EngineRun() {
        Reset();
        forms::SetHost(nullptr);
    }
    EngineRun(const EngineRun&) = delete;
    EngineRun& operator=(const EngineRun&) = delete;

private:
    static void Reset() {
        forms::ResetInstances();
        zomel::CloseLog();
        zomel::ResetRunState();
        forms::ReloadStringTable();
        forms::ReloadWindowDescriptions();
        vb::SetHandledErrorSink({});
        os::SetSettingsNotice({});
    }
};
