#include "platform/qtview/FrameView.h"

#include "platform/forms/BasicControls.h"
#include "platform/qtview/Convert.h"
#include "platform/qtview/FrameBox.h"

namespace qtview {

FrameView::FrameView(forms::Control& control, FormWindow& window) : ViewBase(control, window) {
    SetWidget(new FrameBox);
}

void FrameView::Sync(std::string_view name) {
    auto& box = static_cast<FrameBox&>(*Widget());
    bool all = name.empty();
    if (all || name == "Caption")
        box.setTitle(ToQt(static_cast<const forms::Frame&>(Model()).Caption()));
    if (all || name == "BorderStyle") box.SetBordered(Model().Get("BorderStyle").ToInteger() != 0);
    if (all || name == "ForeColor" || name == "BackColor") ShowColors(box);
}

}  // namespace qtview
