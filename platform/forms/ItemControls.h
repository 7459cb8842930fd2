#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Item.h"
#include "platform/forms/ListView.h"

namespace forms {

// A tab strip: its Tabs (Caption, Tag, ToolTipText, Key) and the selected tab.  Choosing a
// tab raises Click.
class TabStrip : public Control {
public:
    bool TakesFocus() const override { return true; }
    using Control::Control;

    ItemList<>& Tabs() { return tabs_; }
    // 1-based index of the selected tab; 0 when there are none.
    vb::Long SelectedIndex() const { return selected_; }
    void Select(vb::Long index);

    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }

protected:
    void LoadItems(std::string_view key, const nlohmann::json& items) override;

private:
    ItemList<> tabs_;
    vb::Long selected_ = 0;
};

// A toolbar of buttons (Style, ToolTipText, Key, Caption, Value, Image).
class Toolbar : public Control {
public:
    using Control::Control;

    ItemList<>& Buttons() { return buttons_; }
    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }

protected:
    void LoadItems(std::string_view key, const nlohmann::json& items) override;

private:
    ItemList<> buttons_;
};

// A status bar of panels (Text, ToolTipText, Width, Visible, Style, Key, AutoSize).
class StatusBar : public Control {
public:
    using Control::Control;

    static constexpr vb::Integer sbrSpring = 1;

    // Where a panel stands in the bar, in twips; a width of 0 is not shown.
    struct PanelPlace {
        vb::Single left = 0;
        vb::Single width = 0;
        bool operator==(const PanelPlace&) const = default;
    };

    ItemList<>& Panels() { return panels_; }
    // The panels side by side from the bar's left end, each in its own width, a spring
    // panel in what the others leave (at least its MinWidth); a hidden panel takes no room,
    // so the ones before it stay where they are when it comes and goes.  A panel cut by the
    // bar's end keeps the part inside; one beyond the end is not shown.  One per panel.
    std::vector<PanelPlace> PanelPlaces(vb::Single barWidth) const;
    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }

protected:
    void LoadItems(std::string_view key, const nlohmann::json& items) override;

private:
    ItemList<> panels_;
};

}  // namespace forms
