#pragma once

#include <QPointer>
#include <vector>

#include "platform/forms/ActiveToolBars.h"
#include "platform/qtview/ViewBase.h"

class QAction;
class QMenuBar;
class QWidget;

namespace qtview {

class ToolRow;

// The toolbar-and-menu control: its menu bar bar becomes the window's menu bar and its other
// bars the window's toolbars (rows above the controls that wrap rather than overflow), with popup
// tools as menus and separators where the bars have them.  Captions come from the bars' tools;
// state, enabled, visible, tool tip and a toolbar's picture from the control's tool of the
// same ID.  Choosing a tool
// clicks it on the control (a state button flips or joins its group, then ToolClick).
class ToolBarsView : public ViewBase {
public:
    ToolBarsView(forms::Control& control, FormWindow& window);
    ~ToolBarsView() override;

    void Attach() override;
    // The current tool of the toolbar that has the keyboard.
    QWidget* FocusTarget() const override;

    // A tool's change shows on the entries of its ID alone: translating or enabling tools
    // one by one must not resync every entry each time.
    void ItemChanged(forms::Control& control, const forms::PropertyObject& item,
                     std::string_view name) override;

protected:
    void Sync(std::string_view name) override;

private:
    struct Entry {
        QAction* action;
        forms::Tool* barTool;
    };
    // The tools of a menu or, with `row`, of a toolbar.
    void AddTools(QWidget& owner, forms::ItemList<forms::Tool>& tools, ToolRow* row = nullptr);
    void Choose(const std::string& id);
    void SyncEntry(const Entry& entry) const;
    // Tools shown or hidden: the toolbars follow, and the window when a toolbar came or went.
    void SyncRows();
    forms::ActiveToolBars& Bars() const;

    std::vector<Entry> entries_;
    std::vector<std::pair<QPointer<ToolRow>, forms::ToolBar*>> toolbars_;
    QPointer<QMenuBar> menuBar_;
};

}  // namespace qtview
