#include "modelspec/MainTools.h"

#include "core/Globals.h"
#include "editor/frmMain.h"

namespace zomel {

bool ToolPressed(std::string_view id) {
    const forms::Tool* tool = MainForm->SSBars->FindTool(id);
    return tool && tool->State() == forms::kToolDown;
}

void PressTool(std::string_view id) {
    forms::ActiveToolBars& bars = *MainForm->SSBars;
    forms::Tool& tool = bars.ToolById(id);
    if (tool.State() == forms::kToolDown) return;
    bars.ClickTool(id);
    // A plain button stays up after its click; pressing leaves every tool down.
    tool.SetState(forms::kToolDown);
}

}  // namespace zomel
