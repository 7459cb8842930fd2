#include "platform/qtview/FrameView.h"

#include <QGroupBox>

#include "platform/forms/BasicControls.h"
#include "platform/qtview/Convert.h"

namespace qtview {
namespace {

// The caption stands in from the frame's edge, clear of the window's edge for a frame at 0.
constexpr int kCaptionIndent = 6;

}  // namespace

FrameView::FrameView(forms::Control& control, FormWindow& window) : ViewBase(control, window) {
    SetWidget(new QGroupBox);
}

void FrameView::Sync(std::string_view name) {
    auto& box = static_cast<QGroupBox&>(*Widget());
    bool all = name.empty();
    if (all || name == "Caption")
        box.setTitle(ToQt(static_cast<const forms::Frame&>(Model()).Caption()));
    if (all || name == "BorderStyle")
        box.setStyleSheet(
            Model().Get("BorderStyle").ToInteger() == 0
                ? QStringLiteral("QGroupBox { border: 0; }")
                : QStringLiteral("QGroupBox::title { padding-left: %1px; }").arg(kCaptionIndent));
    if (all || name == "ForeColor" || name == "BackColor") ShowColors(box);
}

}  // namespace qtview
