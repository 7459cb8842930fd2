#pragma once

#include <string>

class QWidget;

namespace qtview {

// A message box of the runtime's style (buttons, icon and default button bits) as a modal
// Qt message box; returns the runtime's answer for the button pressed (vbOK, vbYes, ...).
int RunMessageBox(const std::string& prompt, int style, const std::string& title, QWidget* parent);

}  // namespace qtview
