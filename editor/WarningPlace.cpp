#include "editor/WarningPlace.h"

#include <algorithm>

#include "editor/frmMain.h"
#include "platform/forms/TextMeasure.h"

namespace zomel {
namespace {

// The room the warning keeps from the window's edges and from the status bar; a text is
// given some width more than measured, so that the screen's own measure never wraps it.
constexpr vb::Single kMargin = 120;
constexpr vb::Single kTextSlack = 240;

}  // namespace

// A mend of the resize rule, which puts the warning half under the status bar and most of it
// past the window's right end: from the rule's place, the warning moves in as far as its whole
// text needs to show inside the window and above the status bar, wrapped where the window is
// too narrow for one line.
void PlaceWarning(frmMain& main) {
    forms::Label& label = *main.lblWarn;
    const forms::StdFont& font = *label.Font();
    const vb::Single innerWidth = main.ScaleWidth();
    const vb::Single innerHeight = main.ScaleHeight();
    const vb::Single room = std::max<vb::Single>(0, innerWidth - 2 * kMargin);
    const vb::Single width = std::min(room, forms::TextWidthIn(font, label.Caption()) + kTextSlack);
    const int lines = forms::WrappedLinesIn(font, label.Caption(), width - kTextSlack);
    const vb::Single height = static_cast<vb::Single>(lines) * forms::LineHeightIn(font);
    const vb::Single left = std::max(
        kMargin,
        std::min(main.tabCreate->Width() - kWarningLeftOfTabEnd, innerWidth - kMargin - width));
    const vb::Single bottom = innerHeight - main.sbStatusBar->Height() - kMargin;
    const vb::Single top =
        std::max<vb::Single>(0, std::min(innerHeight - kWarningAbove, bottom - height));
    label.Move(left, top, width, height);
}

}  // namespace zomel
