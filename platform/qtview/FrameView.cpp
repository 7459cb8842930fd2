#include "platform/qtview/FrameView.h"

#include <QGroupBox>

#include "platform/forms/BasicControls.h"
#include "platform/qtview/Convert.h"

namespace qtview {

FrameView::FrameView(forms::Control& control, FormWindow& window) : ViewBase(control, window) {
    SetWidget(new QGroupBox);
}

void FrameView::Sync(std::string_view name) {
    auto& box = static_cast<QGroupBox&>(*Widget());
    bool all = name.empty();
    if (all || name == "Caption")
        box.setTitle(ToQt(static_cast<const forms::Frame&>(Model()).Caption()));
    if (all || name == "BorderStyle")
        box.setStyleSheet(Model().Get("BorderStyle").ToInteger() == 0
                              ? QStringLiteral("QGroupBox { border: 0; }")
                              : QString());
    if (all || name == "ForeColor" || name == "BackColor") ShowColors(box);
}

}  // namespace qtview
