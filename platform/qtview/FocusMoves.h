#pragma once

#include <QEvent>
#include <QPointer>
#include <QWidget>

class QObject;

namespace qtview {

// A person's focus move between the controls of a window (a click, Tab) reaches the form as
// the runtime's focus change: Validate on the control losing it, then LostFocus and GotFocus.
// When a Validate handler cancels, the focus goes back to the control that kept it, and the
// click that moved it away does nothing more.  A control moved wholly off its window takes
// no letter of Alt: a person cannot see it.
class FocusMoves {
public:
    // Sees every event of the program first; true when it is eaten.
    bool Filter(QObject* watched, QEvent* event);

private:
    void FocusIn(QWidget& widget, bool byMouse);
    // The focus goes back to the window's active control once the move has ended.
    static void GiveBack(QPointer<QWidget> refused);
    bool SwallowsClick(QWidget& widget, QEvent::Type type);
    static bool OutOfWindow(const QWidget& widget);

    // The widget whose focus was refused on the press of a mouse button, until its release.
    QPointer<QWidget> refusedClick_;
};

}  // namespace qtview
