#pragma once

#include <QWidget>

class QAction;
class QToolButton;

namespace qtview {

// One toolbar of a window: a button per tool and a line per separator, wrapping onto as many
// rows as the window's width asks, so that no tool hides behind an overflow.
class ToolRow : public QWidget {
public:
    explicit ToolRow(QWidget* parent = nullptr);

    void AddTool(QAction* action);
    void AddSeparator(QAction* separator);
    // The button of a tool, nullptr for one not on this row.
    QToolButton* ButtonFor(const QAction* action) const;
    // Buttons show and hide with their tools.
    void FollowActions();
};

}  // namespace qtview
