#pragma once

#include <string>

#include "core/ModuleFigures.h"
#include "editor/LineFormat.h"
#include "platform/vb/Types.h"

namespace zomel {

// What the size check knows of the sign and the raster.
struct SizeLimits {
    vb::Integer MaxColumns = kStartMaxColumns;
    vb::Integer MaxRows = kMostRows;
    vb::Integer XZomelCount = 0;
    vb::Integer YZomelCount = 0;
    bool HighDensity = true;
    bool HoldSize = false;
    // LEDs across and down one module, and the gap after each module (0 or 1).
    int CellWidth = kHighDensityLedsLong;
    int CellHeight = kHighDensityLedsShort;
    int GapX = 0;
    int GapY = 0;
};

// The outcome of checking one direction.
struct SizeVerdict {
    vb::Integer Count = 0;   // the allowed number of columns or rows
    bool Held = false;       // the held size is exceeded: the message is to be shown
    bool BeyondMax = false;  // the ink reaches beyond what the sign may have
    std::string Message;     // a pending message, empty when none is set
    std::string Trace;       // the log line, made only when asked for
};

// The column and row rules of the size check for a proposed count `tryCount` against the ink
// box `extent`.  Pixels are measured against modules by the shared pitch rule (ModulePitch.h).
SizeVerdict CheckColumns(vb::Integer tryCount, const ExtentInfo& extent, const SizeLimits& limits,
                         bool tracing);
SizeVerdict CheckRows(vb::Integer tryCount, const ExtentInfo& extent, const SizeLimits& limits,
                      bool tracing);

}  // namespace zomel
