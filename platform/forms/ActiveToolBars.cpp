#include "platform/forms/ActiveToolBars.h"

#include "platform/vb/Error.h"

namespace forms {

const PropertyTable& Tool::Table() {
    static const PropertyTable table = [] {
        PropertyTable t;
        t.Stored("ID", "")
            .Stored("Name", "")
            .Stored("ToolTipText", "")
            .Stored("Type", kToolButton)
            .Stored("State", kToolUp)
            .Stored("Group", "")
            .Stored("Enabled", true)
            .Stored("Visible", true)
            .Stored("Tag", "")
            .Stored("Shortcut", "")
            .Stored("Picture", "");
        return t;
    }();
    return table;
}

bool Tool::HasID(std::string_view id) const {
    const vb::Variant& stored = StoredValue("ID");
    return stored.IsString() ? stored.StringRef() == id : ID() == id;
}

void Tool::LoadList(std::string_view key, const nlohmann::json& items) {
    if (key != "Menu") return Item::LoadList(key, items);
    LoadItemList(menu_, items, Table(), Owner());
}

const PropertyTable& ToolBar::Table() {
    static const PropertyTable table = [] {
        PropertyTable t;
        t.Stored("Name", "").Stored("Visible", true).Stored("Key", "").Stored("IsMenuBar", false);
        return t;
    }();
    return table;
}

void ToolBar::LoadList(std::string_view key, const nlohmann::json& items) {
    if (key != "Tools") return Item::LoadList(key, items);
    LoadItemList(tools_, items, Tool::Table(), Owner());
}

const PropertyTable& ActiveToolBars::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&Control::Table());
        t.Stored("TagVariant", "");
        return t;
    }();
    return table;
}

void ActiveToolBars::LoadItems(std::string_view key, const nlohmann::json& items) {
    if (key == "Tools") {
        LoadItemList(tools_, items, Tool::Table(), this);
    } else if (key == "ToolBars") {
        LoadItemList(bars_, items, ToolBar::Table(), this);
    } else {
        Control::LoadItems(key, items);
    }
}

// Compares the stored ID where it is, without a copy.
Tool* ActiveToolBars::FindTool(std::string_view id) const {
    for (const auto& tool : tools_)
        if (tool->HasID(id)) return tool.get();
    return nullptr;
}

Tool& ActiveToolBars::ToolById(std::string_view id) {
    if (Tool* tool = FindTool(id)) return *tool;
    vb::Raise(vb::err::kElementNotFound, "Element not found");
}

void ActiveToolBars::ClickTool(std::string_view id) {
    Tool& tool = ToolById(id);
    if (!tool.Get("Enabled").ToBool()) return;
    if (tool.Type() == kToolStateButton) {
        std::string group = tool.Group();
        if (group.empty()) {
            tool.SetState(tool.State() == kToolDown ? kToolUp : kToolDown);
        } else {
            for (const auto& other : tools_)
                if (other.get() != &tool && other->Group() == group && other->State() != kToolUp)
                    other->SetState(kToolUp);
            tool.SetState(kToolDown);
        }
    }
    for (const auto& shared : tools_) {
        if (shared.get() != &tool) continue;
        EventArgs args{vb::Variant(vb::ObjectRef(shared))};
        RaiseEvent("ToolClick", args);
        return;
    }
}

ToolBar* ActiveToolBars::Toolbar(int n) {
    int seen = 0;
    for (const auto& bar : bars_)
        if (!bar->Get("IsMenuBar").ToBool() && ++seen == n) return bar.get();
    return nullptr;
}

// A toolbar in sight with a tool a person can press on it.
bool ActiveToolBars::IsStop(const ToolBar& bar) const {
    if (bar.Get("IsMenuBar").ToBool() || !bar.Get("Visible").ToBool()) return false;
    for (const auto& placed : bar.Tools()) {
        const Tool* tool = FindTool(placed->ID());
        if (tool && tool->Type() != kToolSeparator && tool->Get("Visible").ToBool() &&
            tool->Get("Enabled").ToBool())
            return true;
    }
    return false;
}

vb::Long ActiveToolBars::StopAfter(vb::Long from, bool backwards) const {
    const vb::Long count = bars_.Count();
    if (from == 0) from = backwards ? count + 1 : 0;
    for (vb::Long i = backwards ? from - 1 : from + 1; i >= 1 && i <= count;
         i += backwards ? -1 : 1)
        if (IsStop(bars_(i))) return i;
    return 0;
}

void ActiveToolBars::EnterByTab(bool backwards) {
    focusedBar_ = StopAfter(0, backwards);
}

bool ActiveToolBars::NextOwnStop(bool backwards) {
    const vb::Long next = StopAfter(focusedBar_, backwards);
    if (next == 0) return false;
    focusedBar_ = next;
    return true;
}

ToolBar* ActiveToolBars::FocusedToolbar() {
    if (focusedBar_ == 0 || !IsStop(bars_(focusedBar_))) focusedBar_ = StopAfter(0, false);
    return focusedBar_ == 0 ? nullptr : &bars_(focusedBar_);
}

}  // namespace forms
