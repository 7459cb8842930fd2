#include "platform/forms/Control.h"

#include <algorithm>
#include <cctype>
#include <nlohmann/json.hpp>

#include "platform/forms/Description.h"
#include "platform/forms/Focus.h"
#include "platform/forms/Form.h"
#include "platform/vb/Error.h"

namespace forms {

Control::Control(Form& parent, std::string typeName, std::string name, vb::Integer index)
    : parent_(&parent),
      typeName_(std::move(typeName)),
      name_(std::move(name)),
      index_(index),
      font_(std::make_shared<StdFont>()) {}

const PropertyTable& Control::Table() {
    static const PropertyTable table = [] {
        PropertyTable t;
        t.Add(
             "Name",
             [](const PropertyObject& o) {
                 return vb::Variant(static_cast<const Control&>(o).Name());
             },
             nullptr)
            .Add(
                "Index",
                [](const PropertyObject& o) {
                    return vb::Variant(static_cast<const Control&>(o).Index());
                },
                nullptr)
            .Typed("Tag", &Control::Tag, &Control::SetTag)
            .Typed("Visible", &Control::Visible, &Control::SetVisible)
            .Typed("Enabled", &Control::Enabled, &Control::SetEnabled)
            .Typed("Left", &Control::Left, &Control::SetLeft)
            .Typed("Top", &Control::Top, &Control::SetTop)
            .Typed("Width", &Control::Width, &Control::SetWidth)
            .Typed("Height", &Control::Height, &Control::SetHeight)
            .Typed("Font", &Control::Font, &Control::SetFont)
            .Typed("Container", &Control::Container, &Control::SetContainer)
            .Stored("ToolTipText", "")
            .Stored("TabIndex", vb::Integer{0})
            .Stored("TabStop", true)
            .Stored("CausesValidation", true)
            .Stored("HelpContextID", vb::Long{0});
        return t;
    }();
    return table;
}

void Control::SetTag(const std::string& tag) {
    tag_ = tag;
    PropertyChanged("Tag");
}

void Control::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    PropertyChanged("Visible");
}

void Control::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    PropertyChanged("Enabled");
}

void Control::SetLeft(vb::Single v) {
    Move(v, top_, width_, height_);
}
void Control::SetTop(vb::Single v) {
    Move(left_, v, width_, height_);
}
void Control::SetWidth(vb::Single v) {
    Move(left_, top_, v, height_);
}
void Control::SetHeight(vb::Single v) {
    Move(left_, top_, width_, v);
}

void Control::Move(vb::Single left, vb::Single top, vb::Single width, vb::Single height) {
    // Sizes below zero are refused, as the runtime refuses them.
    if (width < 0 || height < 0) vb::Raise(vb::err::kInvalidPropertyValue);
    bool resized = width != width_ || height != height_;
    if (left == left_ && top == top_ && !resized) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    PropertyChanged(resized ? "Size" : "Position");
}

void Control::SetFont(FontRef font) {
    if (!font) vb::Raise(vb::err::kObjectNotSet);
    font_ = std::move(font);
    PropertyChanged("Font");
}

void Control::SetContainer(const std::string& container) {
    container_ = container;
    PropertyChanged("Container");
}

void Control::LoadDescription(const nlohmann::json& description) {
    for (const auto& [key, value] : description.items()) {
        if (IsReservedDescriptionKey(key)) continue;
        if (key == "Font") {
            SetFont(FontFromDescription(value));
        } else if (value.is_array()) {
            LoadItems(key, value);
        } else {
            Let(key, VariantFromDescription(value));
        }
    }
}

void Control::LoadItems(std::string_view key, const nlohmann::json&) {
    vb::Raise(vb::err::kNotSupported, "'" + std::string(key) + "' is not a list of " + typeName_);
}

void Control::SetFocus() {
    if (!visible_ || !enabled_) vb::Raise(vb::err::kInvalidCall);
    if (FocusFromPerson()) PropertyChanged("Focus");
}

bool Control::FocusFromPerson() {
    return MoveFocus(*parent_, *this);
}

// The events the runtime's controls raise; each type raises some of them.
bool Control::HasEvent(std::string_view event) const {
    static constexpr std::string_view kEvents[] = {
        "AfterLabelEdit", "BeforeLabelEdit", "ButtonClick",  "Change",    "Click",
        "Collapse",       "ColumnClick",     "DblClick",     "DropDown",  "EnterCell",
        "Expand",         "GotFocus",        "ItemCheck",    "ItemClick", "KeyDown",
        "KeyPress",       "KeyUp",           "LeaveCell",    "LostFocus", "MouseDown",
        "MouseMove",      "MouseUp",         "NodeCheck",    "NodeClick", "Paint",
        "PanelClick",     "Resize",          "RowColChange", "Scroll",    "SelChange",
        "Timer",          "ToolClick",       "Validate",
    };
    return std::any_of(std::begin(kEvents), std::end(kEvents), [&](std::string_view known) {
        return known.size() == event.size() &&
               std::equal(known.begin(), known.end(), event.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) ==
                          std::tolower(static_cast<unsigned char>(b));
               });
    });
}

void Control::RaiseEvent(std::string_view event, EventArgs& args) {
    parent_->DispatchEvent(*this, event, args);
}

void Control::RaiseEvent(std::string_view event) {
    EventArgs none;
    parent_->DispatchEvent(*this, event, none);
}

void Control::PropertyChanged(std::string_view name) {
    if (view_) view_->PropertyChanged(*this, name);
}

const PropertyTable& CaptionedControl::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&Control::Table());
        t.Typed("Caption", &CaptionedControl::Caption, &CaptionedControl::SetCaption);
        return t;
    }();
    return table;
}

void CaptionedControl::SetCaption(const std::string& caption) {
    caption_ = caption;
    PropertyChanged("Caption");
}

}  // namespace forms
