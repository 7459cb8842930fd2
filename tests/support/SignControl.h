#pragma once

#include "platform/com/ServerLibrary.h"

// Registers the built display control (VELDOSIGN_LIBRARY, given by the test's build) in the
// class registry of the test's per-user places, so that windows hosting it can load.
inline void RegisterSignControl() {
    com::RegisterServer(VELDOSIGN_LIBRARY);
}
