#pragma once

namespace zomel {

// Makes the windows the sign model's subscriber: the main window is reached through
// MainForm, the options and model number windows through their one instance.
void SubscribeWindowsToSign();

}  // namespace zomel
