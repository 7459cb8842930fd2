// Stand-ins for the layout road until its own file lands: no relayout, no preview, no
// figures.  They let the window load and its other commands run meanwhile.
#include <algorithm>

#include "core/Globals.h"
#include "editor/frmMain.h"
#include "platform/vb/Strings.h"

namespace zomel {

void frmMain::txtZomelText_Change(vb::Integer) {}

void frmMain::txtZomelText_GotFocus(vb::Integer Index) {
    CurrentLine = Index;
}

void frmMain::VScrLineSpacing_Change() {}

void frmMain::CalculateSize() {}

vb::Integer frmMain::LastUsedLine(bool) {
    return 0;
}

vb::Integer frmMain::LongestLineLength() {
    vb::Long longest = 0;
    for (vb::Integer i = 0; i <= 10; ++i)
        longest = std::max(longest, vb::Len(txtZomelText(i).Text()));
    return static_cast<vb::Integer>(longest);
}

void frmMain::SetAllLineHeights(vb::Integer) {}

ExtentInfo frmMain::GetExtents() {
    return {};
}

void frmMain::ZomelDraw(const ExtentInfo&) {}

vb::Integer frmMain::CheckSize(vb::Integer tryCount, const std::string&, const ExtentInfo&) {
    return tryCount;
}

void frmMain::ShowWarning(const std::string&) {}

void frmMain::ClearWarning() {}

}  // namespace zomel
