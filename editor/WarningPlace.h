#pragma once

#include "platform/vb/Types.h"

namespace zomel {

class frmMain;

// The resize rule's place of the warning label: this far above the inner area's bottom and
// left of the tab strip's end.
inline constexpr vb::Single kWarningAbove = 127;
inline constexpr vb::Single kWarningLeftOfTabEnd = 370;

// Places and sizes the main window's warning label for its caption.
void PlaceWarning(frmMain& main);

}  // namespace zomel
