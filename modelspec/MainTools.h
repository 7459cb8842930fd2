#pragma once

#include <string_view>

// The main window's toolbar as the model number code uses it: a tool is pressed when its
// State is 1, and pressing one has the main window switch the sign as a click on it does.
namespace zomel {

bool ToolPressed(std::string_view id);
// Presses a tool that is not down yet; one already down is left alone.
void PressTool(std::string_view id);

}  // namespace zomel
