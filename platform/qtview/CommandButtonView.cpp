#include "platform/qtview/CommandButtonView.h"

#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>

#include "platform/forms/BasicControls.h"
#include "platform/qtview/Convert.h"

namespace qtview {
namespace {

// The style draws the default button and the focused one alike, so the default button
// would never show that it has the focus: a dotted ring inside the button shows it, once
// the keyboard has moved the focus in the window, as the style shows it on other controls.
class PushButton : public QPushButton {
protected:
    void paintEvent(QPaintEvent* event) override {
        QPushButton::paintEvent(event);
        if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange)) return;
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect ring = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.drawRect(ring.adjusted(1, 1, -2, -2));
    }
};

}  // namespace

CommandButtonView::CommandButtonView(forms::Control& control, FormWindow& window)
    : ViewBase(control, window) {
    auto* button = new PushButton;
    button->setAutoDefault(false);
    SetWidget(button);
    QObject::connect(button, &QPushButton::clicked, [this] {
        if (!Syncing()) static_cast<forms::CommandButton&>(Model()).Click();
    });
}

void CommandButtonView::Sync(std::string_view name) {
    auto& button = static_cast<QPushButton&>(*Widget());
    bool all = name.empty();
    if (all || name == "Caption")
        button.setText(ToQt(static_cast<const forms::CommandButton&>(Model()).Caption()));
    if (all || name == "Default") button.setDefault(Model().Get("Default").ToBool());
}

}  // namespace qtview
