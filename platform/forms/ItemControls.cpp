#include "platform/forms/ItemControls.h"

#include <algorithm>

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

std::vector<StatusBar::PanelPlace> StatusBar::PanelPlaces(vb::Single barWidth) const {
    auto widthOf = [](const Item& panel, const char* name) {
        return std::max<vb::Single>(0, static_cast<vb::Single>(panel.Get(name).ToDouble()));
    };
    auto springs = [](const Item& panel) { return panel.Get("AutoSize").ToInteger() == sbrSpring; };
    vb::Single fixed = 0;
    int springCount = 0;
    for (const auto& panel : panels_) {
        if (!panel->Get("Visible").ToBool()) continue;
        if (springs(*panel))
            ++springCount;
        else
            fixed += widthOf(*panel, "Width");
    }
    const vb::Single spare =
        springCount > 0 ? std::max<vb::Single>(0, barWidth - fixed) / springCount : 0;
    std::vector<PanelPlace> places;
    vb::Single left = 0;
    for (const auto& panel : panels_) {
        PanelPlace place;
        if (panel->Get("Visible").ToBool()) {
            const vb::Single own = springs(*panel) ? std::max(spare, widthOf(*panel, "MinWidth"))
                                                   : widthOf(*panel, "Width");
            place = {left, std::clamp<vb::Single>(barWidth - left, 0, own)};
            left += own;
        }
        places.push_back(place);
    }
    return places;
}

void StatusBar::LoadItems(std::string_view key, const nlohmann::json& items) {
    if (key != "Panels") return Control::LoadItems(key, items);
    LoadItemList(panels_, items, PanelTable(), this);
}

}  // namespace forms
