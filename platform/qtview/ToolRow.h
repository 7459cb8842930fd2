#pragma once

#include <QPointer>
#include <QWidget>

class QAction;
class QToolButton;

namespace qtview {

// One toolbar of a window: a button per tool and a line per separator, wrapping onto as many
// rows as the window's width asks, so that no tool hides behind an overflow.  A tool with a
// picture shows the picture, its caption as the tip; one without shows the caption.
// The keyboard reaches the row as one stop: its current tool has the focus, the arrow keys,
// Home and End move it between the tools a person can press, Space or Enter presses it.
class ToolRow : public QWidget {
public:
    explicit ToolRow(QWidget* parent = nullptr);

    void AddTool(QAction* action);
    void AddSeparator(QAction* separator);
    // The button of a tool, nullptr for one not on this row.
    QToolButton* ButtonFor(const QAction* action) const;
    // Buttons show and hide with their tools.
    void FollowActions();
    // The button that takes the keyboard when the row gets it: the one that had it last while
    // it can be pressed, else the first that can; nullptr when none can.
    QToolButton* CurrentButton() const;
    // True for a key that a tool with the focus takes for itself (Enter presses it): the
    // window does not hear it as well.
    static bool TakesKey(const QWidget* focus, int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // The button `steps` pressable buttons on from `from` (past the ends: the end one).
    QToolButton* Beside(QToolButton* from, int steps) const;
    // The pressable button next to `going`, after it where there is one; nullptr for none.
    QToolButton* Nearest(const QToolButton* going) const;

    QPointer<QToolButton> current_;
};

}  // namespace qtview
