#include "platform/forms/Form.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "platform/forms/BasicControls.h"
#include "platform/forms/Centring.h"
#include "platform/forms/ControlFactory.h"
#include "platform/forms/Description.h"
#include "platform/forms/Focus.h"
#include "platform/forms/Host.h"
#include "platform/forms/Instance.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/Unhandled.h"
#include "platform/gdi/SystemColors.h"
#include "platform/vb/Error.h"

namespace forms {
namespace {

std::string Fold(std::string_view text) {
    std::string folded(text);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

bool SameName(std::string_view a, std::string_view b) {
    return Fold(a) == Fold(b);
}

const nlohmann::json* DescriptionOfControl(const std::string& window, std::string_view name) {
    const nlohmann::json& description = LoadWindowDescription(window);
    auto controls = description.find("Controls");
    if (controls == description.end()) return nullptr;
    for (const nlohmann::json& entry : *controls)
        if (SameName(entry.value("Name", ""), name)) return &entry;
    return nullptr;
}

// The control's place in its control array; -1 when it stands alone.
vb::Integer ControlIndex(const nlohmann::json& entry) {
    auto index = entry.find("Index");
    if (index == entry.end()) return -1;
    return static_cast<vb::Integer>(
        WholeNumberFromDescription(*index, -1, INT16_MAX, "The control index"));
}

}  // namespace

Form::Form(std::string name) : name_(std::move(name)), font_(std::make_shared<StdFont>()) {}

Form::~Form() = default;

const PropertyTable& Form::Table() {
    static const PropertyTable table = [] {
        PropertyTable t;
        t.Add(
             "Name",
             [](const PropertyObject& o) {
                 return vb::Variant(static_cast<const Form&>(o).Name());
             },
             nullptr)
            .Typed("Caption", &Form::Caption, &Form::SetCaption)
            .Typed("Tag", &Form::Tag, &Form::SetTag)
            .Typed("Visible", &Form::Visible, &Form::SetVisible)
            .Typed("Left", &Form::Left, &Form::SetLeft)
            .Typed("Top", &Form::Top, &Form::SetTop)
            .Typed("Width", &Form::Width, &Form::SetWidth)
            .Typed("Height", &Form::Height, &Form::SetHeight)
            .Typed<Form, vb::Single>("ScaleWidth", &Form::ScaleWidth)
            .Typed<Form, vb::Single>("ScaleHeight", &Form::ScaleHeight)
            .Typed("WindowState", &Form::WindowState, &Form::SetWindowState)
            .Typed("Font", &Form::Font, &Form::SetFont)
            .Stored("KeyPreview", false)
            .Stored("EscapeCloses", false)
            .Stored("BackColor", gdi::SystemColorValue(gdi::SystemColor::ButtonFace))
            .Stored("BorderStyle", vb::Integer{2})
            .Stored("ControlBox", true)
            .Stored("MaxButton", true)
            .Stored("MinButton", true)
            .Stored("StartUpPosition", vb::Integer{0})
            .Stored("Icon", "")
            .Stored("Picture", "")
            .Stored("ScaleMode", vb::Integer{1})
            .Stored("Enabled", true)
            .Stored("ShowInTaskbar", true)
            .Stored("MousePointer", vb::Integer{0})
            .Stored("AutoRedraw", false)
            .Stored("HelpContextID", vb::Long{0});
        return t;
    }();
    return table;
}

void Form::Load() {
    if (loaded_) return;
    loaded_ = true;
    ++generation_;
    building_ = true;
    shownSinceLoad_ = false;
    heldKeys_.Clear();
    try {
        ApplyWindowDescription();
        BuildControls();
    } catch (...) {
        // A window that could not be built stays unloaded: the next use tries again.
        building_ = false;
        loaded_ = false;
        controls_.clear();
        ++generation_;
        RaiseLoadFailure();
    }
    building_ = false;
    ReportUnboundHandlers();
    CurrentHost().WindowLoaded(*this);
    Form_Load();
}

// The failure names the window's description unless it names its file already: a control
// that cannot be created says what it lacks itself.
void Form::RaiseLoadFailure() const {
    const std::string path = WindowDescriptionPath(name_);
    const std::string cannot = "The window " + name_ + " cannot be loaded from " + path + ": ";
    try {
        throw;
    } catch (const vb::VbError& error) {
        if (error.Number() == vb::err::kCannotCreateObject ||
            error.Description().find(path) != std::string::npos)
            throw;
        vb::Raise(error.Number(), cannot + error.Description(), error.Source());
    } catch (const nlohmann::json::exception& error) {
        vb::Raise(vb::err::kInvalidFileFormat, cannot + error.what());
    }
}

void Form::ApplyWindowDescription() {
    // A window comes back as designed: what code set before the last Unload is gone.
    ClearStoredValues();
    caption_.clear();
    tag_.clear();
    font_ = std::make_shared<StdFont>();
    windowState_ = vbNormal;
    nonClient_ = kAssumedFrame;
    const nlohmann::json& description = LoadWindowDescription(name_);
    for (const auto& [key, value] : description.items()) {
        if (IsReservedDescriptionKey(key)) continue;
        if (key == "Font")
            SetFont(FontFromDescription(value));
        else
            Let(key, VariantFromDescription(value));
    }
    if (Get("BorderStyle").ToInteger() == kBorderNone) nonClient_ = NonClient{};
}

void Form::BuildControls() {
    controls_.clear();
    const nlohmann::json& description = LoadWindowDescription(name_);
    auto list = description.find("Controls");
    if (list == description.end()) return;
    for (const nlohmann::json& entry : *list) {
        auto control = CreateControl(entry.value("Type", ""), *this, entry.value("Name", ""),
                                     ControlIndex(entry));
        control->LoadDescription(entry);
        controls_.push_back(std::move(control));
    }
}

bool Form::Unload(vb::Integer unloadMode) {
    if (!loaded_) return true;
    vb::Integer cancel = 0;
    Form_QueryUnload(cancel, unloadMode);
    if (cancel) return false;
    Form_Unload(cancel);
    if (cancel) return false;
    // Windows this one owns go with it.
    for (Form* other : LoadedForms())
        if (other->owner_ == this) other->Unload(vbFormOwner);
    if (visible_) {
        visible_ = false;
        CurrentHost().WindowHidden(*this);
    }
    CurrentHost().WindowUnloaded(*this);
    activeControl_ = nullptr;
    controls_.clear();
    loaded_ = false;
    modal_ = false;
    owner_ = nullptr;
    ++generation_;
    return true;
}

void Form::Show(ShowStyle style, Form* owner) {
    Load();
    if (!loaded_) return;  // Form_Load unloaded the window
    if (modal_) return;
    owner_ = owner;
    if (!shownSinceLoad_) {
        shownSinceLoad_ = true;
        ApplyStartUpPosition(owner);
    }
    visible_ = true;
    if (style == ShowStyle::Modal) {
        modal_ = true;
        CurrentHost().RunModal(*this, owner);
        modal_ = false;
    } else {
        CurrentHost().WindowShown(*this, owner);
    }
}

void Form::Hide() {
    Load();
    if (!visible_) return;
    visible_ = false;
    CurrentHost().WindowHidden(*this);
}

void Form::SetVisible(bool visible) {
    if (visible)
        Show();
    else
        Hide();
}

void Form::Refresh() {
    if (loaded_) CurrentHost().WindowRefresh(*this);
}

void Form::SetCaption(const std::string& caption) {
    caption_ = caption;
    PropertyChanged("Caption");
}

void Form::SetTag(const std::string& tag) {
    tag_ = tag;
    PropertyChanged("Tag");
}

void Form::SetFont(FontRef font) {
    if (!font) vb::Raise(vb::err::kObjectNotSet);
    font_ = std::move(font);
    PropertyChanged("Font");
}

void Form::Move(vb::Single left, vb::Single top, vb::Single width, vb::Single height) {
    if (width < 0 || height < 0) vb::Raise(vb::err::kInvalidPropertyValue);
    bool resized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    PropertyChanged(resized ? "Size" : "Position");
    if (resized && loaded_ && !building_) Form_Resize();
}

vb::Single Form::ScaleWidth() const {
    return std::max<vb::Single>(0, width_ - nonClient_.left - nonClient_.right);
}

vb::Single Form::ScaleHeight() const {
    return std::max<vb::Single>(0, height_ - nonClient_.top - nonClient_.bottom);
}

bool Form::Sizable() const {
    vb::Integer style = Get("BorderStyle").ToInteger();
    return style == kBorderSizable || style == kBorderSizableToolWindow;
}

void Form::SetFrame(const NonClient& frame) {
    if (frame == nonClient_) return;
    vb::Single innerWidth = ScaleWidth();
    vb::Single innerHeight = ScaleHeight();
    nonClient_ = frame;
    if (!shownSinceLoad_ || !Sizable()) {
        width_ = innerWidth + frame.left + frame.right;
        height_ = innerHeight + frame.top + frame.bottom;
    }
    PropertyChanged("Size");
    bool innerChanged = innerWidth != ScaleWidth() || innerHeight != ScaleHeight();
    if (innerChanged && loaded_ && !building_) Form_Resize();
}

void Form::ApplyStartUpPosition(const Form* owner) {
    vb::Integer position = Get("StartUpPosition").ToInteger();
    if (position == kStartCenterOwner) CentreOver(*this, owner);
    if (position == kStartCenterScreen) CentreOver(*this, nullptr);
}

void Form::SetWindowState(vb::Integer state) {
    if (state < vbNormal || state > vbMaximized) vb::Raise(vb::err::kInvalidPropertyValue);
    windowState_ = state;
    PropertyChanged("WindowState");
    if (loaded_ && !building_) Form_Resize();
}

const std::vector<std::unique_ptr<Control>>& Form::Controls() {
    Load();
    return controls_;
}

Control* Form::FindControl(std::string_view name, vb::Integer index) {
    Load();
    for (const auto& control : controls_)
        if (control->Index() == index && SameName(control->Name(), name)) return control.get();
    return nullptr;
}

Control* Form::ControlByContainerName(std::string_view name) {
    // Asked by views that outlive the controls a moment: never loads the window again.
    if (name.empty() || !loaded_) return nullptr;
    size_t open = name.find('(');
    if (open == std::string_view::npos || name.back() != ')') return FindControl(name);
    std::string digits(name.substr(open + 1, name.size() - open - 2));
    return FindControl(name.substr(0, open), static_cast<vb::Integer>(std::atoi(digits.c_str())));
}

Control& Form::ControlNamed(std::string_view name, vb::Integer index) {
    if (Control* control = FindControl(name, index)) return *control;
    bool isArray = std::any_of(controls_.begin(), controls_.end(),
                               [&](const auto& c) { return SameName(c->Name(), name); });
    if (isArray) vb::Raise(vb::err::kControlArrayElementMissing);
    vb::Raise(vb::err::kNotSupported, "Window " + name_ + " has no control " + std::string(name));
}

void Form::RaiseWrongType(std::string_view name) const {
    vb::Raise(vb::err::kTypeMismatch, "Window " + name_ + " has its control " + std::string(name) +
                                          " of a type its code does not expect");
}

Control& Form::LoadArrayElement(std::string_view name, vb::Integer index) {
    Load();
    if (FindControl(name, index)) vb::Raise(vb::err::kObjectAlreadyLoaded);
    auto last = controls_.end();
    for (auto it = controls_.begin(); it != controls_.end(); ++it)
        if (SameName((*it)->Name(), name) && (*it)->Index() >= 0) last = it;
    if (last == controls_.end()) vb::Raise(vb::err::kNotSupported);
    const nlohmann::json* entry = DescriptionOfControl(name_, name);
    auto control = CreateControl((*last)->TypeName(), *this, (*last)->Name(), index);
    building_ = true;
    if (entry) control->LoadDescription(*entry);
    building_ = false;
    control->SetVisible(false);
    Control& made = *control;
    controls_.insert(last + 1, std::move(control));
    ++generation_;
    CurrentHost().ControlAdded(*this, made);
    return made;
}

void Form::UnloadArrayElement(std::string_view name, vb::Integer index) {
    Control& control = ControlNamed(name, index);
    CurrentHost().ControlRemoved(*this, control);
    if (activeControl_ == &control) activeControl_ = nullptr;
    std::erase_if(controls_, [&](const auto& c) { return c.get() == &control; });
    ++generation_;
}

// A button flagged Default or Cancel by its description, while a person could click it.
CommandButton* Form::FlaggedButton(std::string_view flag) {
    if (!loaded_) return nullptr;
    for (const auto& control : controls_) {
        auto* button = dynamic_cast<CommandButton*>(control.get());
        if (button && button->Get(flag).ToBool() && CanReceiveFocus(*this, *button)) return button;
    }
    return nullptr;
}

// Enter clicks the focused command button, else the Default one; a multi-line text box
// keeps it for a new line.
CommandButton* Form::EnterButton(Control* focus) {
    if (!Holds(focus)) return FlaggedButton("Default");
    if (auto* button = dynamic_cast<CommandButton*>(focus))
        return CanReceiveFocus(*this, *button) ? button : nullptr;
    if (focus->HasProperty("MultiLine") && focus->Get("MultiLine").ToBool()) return nullptr;
    return FlaggedButton("Default");
}

// Enter or Escape that a button, or the closing window, takes from the controls.
bool Form::TakesKey(vb::Integer key, Control* focus) {
    if (key == vbKeyReturn) return EnterButton(focus) != nullptr;
    return key == vbKeyEscape && (FlaggedButton("Cancel") || EscapeCloses());
}

// The window's own key handler may have unloaded the control that had the key, or the whole
// window: the key then goes no further.
bool Form::Holds(const Control* control) const {
    return control && loaded_ &&
           std::any_of(controls_.begin(), controls_.end(),
                       [control](const auto& c) { return c.get() == control; });
}

void Form::KeyPress(vb::Integer keyAscii, Control* focus) {
    if (TakesKey(keyAscii, focus)) return;
    if (KeyPreview() || !focus) RunHandler([&] { Form_KeyPress(keyAscii); });
    if (Holds(focus) && keyAscii != 0) {
        EventArgs args{keyAscii};
        focus->RaiseEvent("KeyPress", args);
    }
}

void Form::KeyUp(vb::Integer keyCode, vb::Integer shift, Control* focus) {
    shift = heldKeys_.Up(keyCode, shift);
    if (KeyPreview() || !focus) RunHandler([&] { Form_KeyUp(keyCode, shift); });
    if (Holds(focus) && keyCode != 0) {
        EventArgs args{keyCode, shift};
        focus->RaiseEvent("KeyUp", args);
    }
}

bool Form::KeyDown(vb::Integer keyCode, vb::Integer shift, Control* focus) {
    heldKeys_.Down(keyCode, shift);
    if (keyCode == vbKeyReturn) {
        if (CommandButton* button = EnterButton(focus)) {
            button->Click();
            return true;
        }
    }
    if (keyCode == vbKeyEscape) {
        if (CommandButton* cancel = FlaggedButton("Cancel")) {
            cancel->Click();
            return true;
        }
        if (EscapeCloses()) {
            CloseByUser();
            return true;
        }
    }
    if (KeyPreview() || !focus) RunHandler([&] { Form_KeyDown(keyCode, shift); });
    if (Holds(focus) && keyCode != 0) {
        EventArgs args{keyCode, shift};
        focus->RaiseEvent("KeyDown", args);
    }
    return false;
}

bool Form::CloseByUser() {
    bool closed = false;
    RunHandler([&] { closed = Unload(vbFormControlMenu); });
    return closed;
}

void Form::Activate() {
    if (loaded_) RunHandler([this] { Form_Activate(); });
}

void Form::On(std::string_view control, std::string_view event, Handler handler) {
    handlers_[HandlerKey(control, event)] = std::move(handler);
    bindings_.push_back({std::string(control), std::string(event)});
}

// A handler bound to a control the description lacks, or to an event no control raises,
// would never run: the host is told at every load.
void Form::ReportUnboundHandlers() {
    for (const Binding& binding : bindings_) {
        auto found = std::find_if(controls_.begin(), controls_.end(), [&](const auto& c) {
            return SameName(c->Name(), binding.control);
        });
        const std::string handler = name_ + "." + binding.control + "_" + binding.event;
        if (found == controls_.end())
            CurrentHost().WiringFault(
                *this,
                handler + " is bound to a control that the window's description does not have");
        else if (!(*found)->HasEvent(binding.event))
            CurrentHost().WiringFault(*this, handler + " is bound to an event that a " +
                                                 (*found)->TypeName() + " does not raise");
    }
}

std::string Form::HandlerKey(std::string_view control, std::string_view event) const {
    return Fold(control) + "." + Fold(event);
}

void Form::DispatchEvent(Control& control, std::string_view event, EventArgs& args) {
    if (building_ || !loaded_) return;
    auto it = handlers_.find(HandlerKey(control.Name(), event));
    if (it != handlers_.end()) RunHandler([&] { it->second(control, args); });
}

void Form::PropertyChanged(std::string_view name) {
    if (loaded_ && !building_) CurrentHost().WindowPropertyChanged(*this, name);
}

}  // namespace forms
