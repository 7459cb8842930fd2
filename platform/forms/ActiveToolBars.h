#pragma once

#include <string>
#include <string_view>

#include "platform/forms/Control.h"
#include "platform/forms/Item.h"

namespace forms {

// Kinds of tool (a tool's Type).
inline constexpr vb::Integer kToolButton = 0;
inline constexpr vb::Integer kToolStateButton = 1;
inline constexpr vb::Integer kToolSeparator = 4;
inline constexpr vb::Integer kToolPopup = 7;

// A tool's State.
inline constexpr vb::Integer kToolUp = 0;
inline constexpr vb::Integer kToolDown = 1;

// A tool of the toolbar-and-menu control: ID, Name (its caption), ToolTipText, Type, State
// (0 up, 1 down), Group, Enabled, Visible; a popup tool has the tools of its menu.
class Tool : public Item {
public:
    using Item::Item;

    std::string ID() const { return Get("ID").ToString(); }
    // Whether the tool's ID is `id`, without copying it.
    bool HasID(std::string_view id) const;
    vb::Integer Type() const { return Get("Type").ToInteger(); }
    vb::Integer State() const { return Get("State").ToInteger(); }
    void SetState(vb::Integer state) { Let("State", state); }
    std::string Group() const { return Get("Group").ToString(); }
    ItemList<Tool>& Menu() { return menu_; }

    static const PropertyTable& Table();

protected:
    void LoadList(std::string_view key, const nlohmann::json& items) override;

private:
    ItemList<Tool> menu_;
};

// One bar of the control (the menu bar or a toolbar), holding its own instances of tools.
class ToolBar : public Item {
public:
    using Item::Item;

    ItemList<Tool>& Tools() { return tools_; }
    const ItemList<Tool>& Tools() const { return tools_; }
    static const PropertyTable& Table();

protected:
    void LoadList(std::string_view key, const nlohmann::json& items) override;

private:
    ItemList<Tool> tools_;
};

// The toolbar-and-menu control.  Its own Tools collection holds one tool per ID, the one
// whose State, Enabled and Visible count; its bars show instances of those tools.
class ActiveToolBars : public Control {
public:
    using Control::Control;

    ItemList<Tool>& Tools() { return tools_; }
    ItemList<ToolBar>& ToolBars() { return bars_; }
    // The tool of `id`; error 35601 ("Element not found") when there is none.
    Tool& ToolById(std::string_view id);
    Tool* FindTool(std::string_view id) const;

    // A person's click on tool `id`: a state button flips (a grouped one goes down and
    // releases the others of its group), then ToolClick is raised with the tool.
    void ClickTool(std::string_view id);

    // Bar `n` (from 1) of the bars of tools, the menu bar not counted; nullptr past the last.
    ToolBar* Toolbar(int n);

    // Each shown toolbar is one Tab stop; the menu bar is reached by its keys, not by Tab.
    bool TakesFocus() const override { return StopAfter(0, false) != 0; }
    void EnterByTab(bool backwards) override;
    bool NextOwnStop(bool backwards) override;
    // The toolbar that has the keyboard while the control has the focus.
    ToolBar* FocusedToolbar();

    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }

protected:
    void LoadItems(std::string_view key, const nlohmann::json& items) override;

private:
    // The index in ToolBars() of the next stop after `from` (0: from outside), 0 for none.
    vb::Long StopAfter(vb::Long from, bool backwards) const;
    bool IsStop(const ToolBar& bar) const;

    ItemList<Tool> tools_;
    ItemList<ToolBar> bars_;
    vb::Long focusedBar_ = 0;
};

}  // namespace forms
