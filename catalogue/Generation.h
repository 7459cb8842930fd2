#pragma once

#include "core/Globals.h"
#include "core/OptionRecord.h"

namespace zomel {

// A row made for the other module generation than the one in use.
inline bool ForOtherGeneration(const OptionRecord& row) {
    return (row.ZomelVersion == 1 && Zomel2Mode) || (row.ZomelVersion == 2 && !Zomel2Mode);
}

}  // namespace zomel
