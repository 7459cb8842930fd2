#include "platform/qtview/FocusMoves.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMetaObject>

#include "platform/forms/Focus.h"
#include "platform/forms/Form.h"
#include "platform/qtview/FormWindow.h"
#include "platform/qtview/ViewBase.h"

namespace qtview {
namespace {

bool IsMouseButton(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick;
}

// The widget of the control that has the focus in the model, for the view showing `widget`.
QWidget* ActiveWidgetBeside(const QWidget& widget) {
    ViewBase* view = ViewBase::Of(&widget);
    if (!view) return nullptr;
    forms::Control* active = view->Window().Model().ActiveControl();
    ViewBase* activeView = active ? view->Window().ViewOf(*active) : nullptr;
    return activeView ? activeView->Widget() : nullptr;
}

}  // namespace

bool FocusMoves::Filter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::FocusIn && type != QEvent::Shortcut && !IsMouseButton(type)) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;
    if (type == QEvent::Shortcut) return OutOfWindow(*widget);
    if (type == QEvent::FocusIn) {
        FocusIn(*widget, static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason);
        return false;
    }
    return SwallowsClick(*widget, type);
}

void FocusMoves::FocusIn(QWidget& widget, bool byMouse) {
    ViewBase* view = ViewBase::Of(&widget);
    if (!view || view->Widget() != &widget) return;
    if (view->Model().FocusFromPerson()) return;
    if (byMouse) refusedClick_ = &widget;
    GiveBack(&widget);
}

void FocusMoves::GiveBack(QPointer<QWidget> refused) {
    // Not from inside Qt's own focus change, which is still delivering this one.
    QMetaObject::invokeMethod(
        qApp,
        [refused] {
            if (!refused || QApplication::focusWidget() != refused) return;
            QWidget* keeper = ActiveWidgetBeside(*refused);
            if (keeper && keeper != refused) keeper->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
}

bool FocusMoves::OutOfWindow(const QWidget& widget) {
    ViewBase* view = ViewBase::Of(&widget);
    if (!view || view->Widget() != &widget) return false;
    forms::Form& form = view->Window().Model();
    return form.IsLoaded() && !forms::InClientArea(form, view->Model());
}

bool FocusMoves::SwallowsClick(QWidget& widget, QEvent::Type type) {
    if (!refusedClick_) return false;
    const bool refusedThere = &widget == refusedClick_ || refusedClick_->isAncestorOf(&widget);
    if (type == QEvent::MouseButtonRelease || !refusedThere) refusedClick_ = nullptr;
    return refusedThere;
}

}  // namespace qtview
