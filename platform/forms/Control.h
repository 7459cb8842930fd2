#pragma once

#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/PropertyObject.h"
#include "platform/forms/StdFont.h"

namespace forms {

class Form;
class Control;

// Arguments of an event, in the order the event declares them; handlers may write back
// (Cancel, KeyCode).
using EventArgs = std::vector<vb::Variant>;

// Follows a control's model: the on-screen view implements it.
class ControlView {
public:
    virtual ~ControlView() = default;
    virtual void PropertyChanged(Control& control, std::string_view name) = 0;
    // A change of one of the control's items (a tab, a tool, a column): a change of the
    // control unless the view can show that item alone.
    virtual void ItemChanged(Control& control, const PropertyObject& item, std::string_view name) {
        (void)item;
        PropertyChanged(control, name);
    }
};

// A control on a window.  Every control has a type name, a name and, in a control array, an
// Index; its geometry is in twips relative to its container.
class Control : public PropertyObject {
public:
    Control(Form& parent, std::string typeName, std::string name, vb::Integer index);

    const std::string& TypeName() const { return typeName_; }
    const std::string& Name() const { return name_; }
    // Index in its control array; -1 when the control is not in one.
    vb::Integer Index() const { return index_; }
    Form& Parent() const { return *parent_; }

    std::string Tag() const { return tag_; }
    void SetTag(const std::string& tag);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    vb::Single Left() const { return left_; }
    vb::Single Top() const { return top_; }
    vb::Single Width() const { return width_; }
    vb::Single Height() const { return height_; }
    void SetLeft(vb::Single v);
    void SetTop(vb::Single v);
    void SetWidth(vb::Single v);
    void SetHeight(vb::Single v);
    void Move(vb::Single left, vb::Single top, vb::Single width, vb::Single height);
    FontRef Font() const { return font_; }
    void SetFont(FontRef font);
    // The frame, picture box or tab page the control sits in; "" for the window itself.
    std::string Container() const { return container_; }
    void SetContainer(const std::string& container);

    // Convenience for the many stored properties.
    std::string ToolTipText() const { return Get("ToolTipText").ToString(); }
    void SetToolTipText(const std::string& text) { Let("ToolTipText", text); }

    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }

    // Applies a window description's entry: properties by name, item lists by their key.
    virtual void LoadDescription(const nlohmann::json& description);

    // Moves the focus here as a person's move does (see MoveFocus); error 5 when the control
    // is hidden or disabled, as the runtime refuses it.
    void SetFocus();
    // A person moved the focus here (a click, Tab): false when the control that had it kept
    // it (its Validate handler cancelled).
    bool FocusFromPerson();
    // Whether the kind of control takes the keyboard focus at all.
    virtual bool TakesFocus() const { return false; }
    // A control that holds several Tab stops of its own (the toolbars of the toolbar
    // control): Tab walks them before it leaves.  EnterByTab picks the first stop (the last
    // one going backwards) as Tab brings the focus in; NextOwnStop moves to the next one and
    // is false when there is none.
    virtual void EnterByTab(bool backwards) { (void)backwards; }
    virtual bool NextOwnStop(bool backwards) {
        (void)backwards;
        return false;
    }
    // Whether moving the focus here first validates the control that loses it.
    bool CausesValidation() const { return Get("CausesValidation").ToBool(); }

    // Whether the control can raise `event` (names compared without case), so that a handler
    // bound to anything else is reported as never running.
    virtual bool HasEvent(std::string_view event) const;

    // Raises an event to the window's handler for this control, if the window has one.
    void RaiseEvent(std::string_view event, EventArgs& args);
    void RaiseEvent(std::string_view event);

    void SetView(ControlView* view) { view_ = view; }
    ControlView* View() const { return view_; }

protected:
    // An item list of the description (tabs, buttons, tools...); unknown keys raise 438.
    virtual void LoadItems(std::string_view key, const nlohmann::json& items);
    void PropertyChanged(std::string_view name) override;

private:
    Form* parent_;
    std::string typeName_;
    std::string name_;
    vb::Integer index_ = -1;
    std::string tag_;
    bool visible_ = true;
    bool enabled_ = true;
    vb::Single left_ = 0;
    vb::Single top_ = 0;
    vb::Single width_ = 0;
    vb::Single height_ = 0;
    FontRef font_;
    std::string container_;
    ControlView* view_ = nullptr;
};

// A control that shows a caption (labels, buttons, check boxes, option buttons, frames).
class CaptionedControl : public Control {
public:
    using Control::Control;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }

private:
    std::string caption_;
};

}  // namespace forms
