#include "platform/qtview/ToolRow.h"

#include <QAction>
#include <QFrame>
#include <QToolButton>

#include "platform/qtview/FlowLayout.h"

namespace qtview {
namespace {

const char* const kToolProperty = "zrtTool";

}  // namespace

ToolRow::ToolRow(QWidget* parent) : QWidget(parent) {
    // As high as its rows at the width it is given, no higher.
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    auto* flow = new FlowLayout(this);
    flow->setContentsMargins(2, 1, 2, 1);
    flow->setSpacing(1);
}

void ToolRow::AddTool(QAction* action) {
    auto* button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFocusPolicy(Qt::NoFocus);
    button->setProperty(kToolProperty, QVariant::fromValue(static_cast<void*>(action)));
    layout()->addWidget(button);
}

void ToolRow::AddSeparator(QAction* separator) {
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedWidth(6);
    line->setProperty(kToolProperty, QVariant::fromValue(static_cast<void*>(separator)));
    layout()->addWidget(line);
}

QToolButton* ToolRow::ButtonFor(const QAction* action) const {
    for (QToolButton* button : findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
        if (button->defaultAction() == action) return button;
    return nullptr;
}

void ToolRow::FollowActions() {
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        auto* action = static_cast<QAction*>(child->property(kToolProperty).value<void*>());
        if (action) child->setVisible(action->isVisible());
    }
}

}  // namespace qtview
