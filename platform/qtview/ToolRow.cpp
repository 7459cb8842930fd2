#include "platform/qtview/ToolRow.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QMetaObject>
#include <QToolButton>
#include <algorithm>
#include <vector>

#include "platform/qtview/FlowLayout.h"

namespace qtview {
namespace {

const char* const kToolProperty = "zrtTool";

bool Pressable(const QToolButton* button) {
    return button && !button->isHidden() && button->isEnabled();
}

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
    button->setToolButtonStyle(action->icon().isNull() ? Qt::ToolButtonTextOnly
                                                       : Qt::ToolButtonIconOnly);
    // A click leaves the focus in the line being edited, which the tools act on; the
    // keyboard reaches the buttons through the row.
    button->setFocusPolicy(Qt::NoFocus);
    button->setProperty(kToolProperty, QVariant::fromValue(static_cast<void*>(action)));
    button->installEventFilter(this);
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

QToolButton* ToolRow::CurrentButton() const {
    if (Pressable(current_)) return current_;
    return Beside(nullptr, 1);
}

QToolButton* ToolRow::Beside(QToolButton* from, int steps) const {
    std::vector<QToolButton*> pressable;
    for (QToolButton* button : findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
        if (Pressable(button)) pressable.push_back(button);
    if (pressable.empty()) return nullptr;
    const auto count = static_cast<int>(pressable.size());
    int at = steps > 0 ? -1 : count;
    for (int i = 0; i < count; ++i)
        if (pressable[static_cast<size_t>(i)] == from) at = i;
    return pressable[static_cast<size_t>(std::clamp(at + steps, 0, count - 1))];
}

QToolButton* ToolRow::Nearest(const QToolButton* going) const {
    QToolButton* before = nullptr;
    bool passed = false;
    for (QToolButton* button : findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
        if (button == going) {
            passed = true;
        } else if (Pressable(button)) {
            if (passed) return button;
            before = button;
        }
    }
    return before;
}

bool ToolRow::focusNextPrevChild(bool next) {
    // Qt moves the keys on when the tool that has them is hidden or disabled (a toggle
    // showing its other face): they stay on the row, with the tool beside it.
    auto* going = qobject_cast<QToolButton*>(QApplication::focusWidget());
    if (going && going->parent() == this && !Pressable(going)) {
        if (QToolButton* beside = Nearest(going)) {
            beside->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QWidget::focusNextPrevChild(next);
}

bool ToolRow::TakesKey(const QWidget* focus, int key) {
    return (key == Qt::Key_Return || key == Qt::Key_Enter) && focus &&
           qobject_cast<const QToolButton*>(focus) &&
           dynamic_cast<const ToolRow*>(focus->parentWidget());
}

bool ToolRow::eventFilter(QObject* watched, QEvent* event) {
    auto* button = qobject_cast<QToolButton*>(watched);
    if (!button || button->parent() != this) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) current_ = button;
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    QToolButton* next = nullptr;
    if (key == Qt::Key_Left || key == Qt::Key_Up) next = Beside(button, -1);
    if (key == Qt::Key_Right || key == Qt::Key_Down) next = Beside(button, 1);
    if (key == Qt::Key_Home) next = Beside(nullptr, 1);
    if (key == Qt::Key_End) next = Beside(nullptr, -1);
    if (next) {
        next->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (TakesKey(button, key)) {
        // Once the key is done with the button: the tool's command may take the row away.
        QMetaObject::invokeMethod(button, &QToolButton::click, Qt::QueuedConnection);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace qtview
