#include "platform/forms/ItemControls.h"

#include "platform/vb/Error.h"

namespace forms {
namespace {

const PropertyTable& TabTable() {
    static const PropertyTable table = [] {
        PropertyTable t;
        t.Stored("Caption", "").Stored("Tag", "").Stored("ToolTipText", "").Stored("Key", "");
        return t;
    }();
    return table;
}

const PropertyTable& ButtonTable() {
    static const PropertyTable table = [] {
        PropertyTable t;
        t.Stored("Style", vb::Integer{0})
            .Stored("ToolTipText", "")
            .Stored("Key", "")
            .Stored("Caption", "")
            .Stored("Tag", "")
            .Stored("Value", vb::Integer{0})
            .Stored("Image", vb::Integer{0})
            .Stored("Enabled", true)
            .Stored("Visible", true);
        return t;
    }();
    return table;
}

const PropertyTable& PanelTable() {
    static const PropertyTable table = [] {
        PropertyTable t;
        t.Stored("Text", "")
            .Stored("ToolTipText", "")
            .Stored("Key", "")
            .Stored("Tag", "")
            .Stored("Width", 1440.0)
            .Stored("MinWidth", 1440.0)
            .Stored("Visible", true)
            .Stored("Style", vb::Integer{0})
            .Stored("AutoSize", vb::Integer{0})
            .Stored("Alignment", vb::Integer{0})
            .Stored("Bevel", vb::Integer{1});
        return t;
    }();
    return table;
}

}  // namespace

const PropertyTable& TabStrip::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&Control::Table());
        t.Typed<TabStrip, vb::Long>("SelectedIndex", &TabStrip::SelectedIndex)
            .Stored("Style", vb::Integer{0})
            .Stored("MultiRow", false);
        return t;
    }();
    return table;
}

void TabStrip::Select(vb::Long index) {
    if (index < 1 || index > tabs_.Count()) RaiseIndexOutOfBounds();
    selected_ = index;
    PropertyChanged("SelectedItem");
    RaiseEvent("Click");
}

void TabStrip::LoadItems(std::string_view key, const nlohmann::json& items) {
    if (key != "Tabs") return Control::LoadItems(key, items);
    LoadItemList(tabs_, items, TabTable(), this);
    if (selected_ == 0 && tabs_.Count() > 0) selected_ = 1;
}

const PropertyTable& Toolbar::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&Control::Table());
        t.Stored("Align", vb::Integer{1}).Stored("ShowTips", true);
        return t;
    }();
    return table;
}

void Toolbar::LoadItems(std::string_view key, const nlohmann::json& items) {
    if (key != "Buttons") return Control::LoadItems(key, items);
    LoadItemList(buttons_, items, ButtonTable(), this);
}

const PropertyTable& StatusBar::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&Control::Table());
        t.Stored("Align", vb::Integer{2}).Stored("Style", vb::Integer{0});
        return t;
    }();
    return table;
}

void StatusBar::LoadItems(std::string_view key, const nlohmann::json& items) {
    if (key != "Panels") return Control::LoadItems(key, items);
    LoadItemList(panels_, items, PanelTable(), this);
}

}  // namespace forms
