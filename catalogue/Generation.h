#pragma once

#include "core/Globals.h"
#include "core/OptionRecord.h"

namespace zomel {

// A row made for the other module generation than the main window's.
inline bool ForOtherGeneration(const OptionRecord& row) {
    return ForOtherGeneration(row, Zomel2Mode != 0);
}

}  // namespace zomel
