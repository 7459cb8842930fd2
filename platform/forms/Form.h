#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/Constants.h"
#include "platform/forms/Control.h"
#include "platform/forms/HeldKeys.h"
#include "platform/forms/Metrics.h"
#include "platform/forms/PropertyObject.h"
#include "platform/forms/StdFont.h"

namespace forms {

class CommandButton;

// A window.  The object lives for the run (see Instance.h) and keeps its member variables
// across Unload; Load builds its controls from its description and runs Form_Load, Unload
// runs Form_QueryUnload and Form_Unload and destroys only the controls.  Touching a control
// of an unloaded window loads it, hidden.
class Form : public PropertyObject {
public:
    explicit Form(std::string name);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return name_; }

    bool IsLoaded() const { return loaded_; }
    void Load();
    // False when a handler cancelled.
    bool Unload(vb::Integer unloadMode = vbFormCode);
    void Show(ShowStyle style = ShowStyle::Modeless, Form* owner = nullptr);
    void Hide();
    void Refresh();
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool IsModal() const { return modal_; }
    Form* Owner() const { return owner_; }
    // Changes at every Load and Unload, so that cached control references know to look again.
    unsigned LoadGeneration() const { return generation_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    std::string Tag() const { return tag_; }
    void SetTag(const std::string& tag);
    FontRef Font() const { return font_; }
    void SetFont(FontRef font);
    vb::Single Left() const { return left_; }
    vb::Single Top() const { return top_; }
    vb::Single Width() const { return width_; }
    vb::Single Height() const { return height_; }
    void Move(vb::Single left, vb::Single top, vb::Single width, vb::Single height);
    void SetLeft(vb::Single v) { Move(v, top_, width_, height_); }
    void SetTop(vb::Single v) { Move(left_, v, width_, height_); }
    void SetWidth(vb::Single v) { Move(left_, top_, v, height_); }
    void SetHeight(vb::Single v) { Move(left_, top_, width_, v); }
    // The inner (client) area in twips: the size less the frame and bars around it.
    vb::Single ScaleWidth() const;
    vb::Single ScaleHeight() const;
    const NonClient& Frame() const { return nonClient_; }
    // The screen tells what really lies around the inner area.  A window that has not been
    // shown yet, or that a person cannot resize, keeps the inner room its description gives
    // its controls; a shown sizable window keeps its size on the screen.
    void SetFrame(const NonClient& frame);
    // A person can resize the window: its border style has a sizing border.
    bool Sizable() const;
    vb::Integer WindowState() const { return windowState_; }
    void SetWindowState(vb::Integer state);
    bool KeyPreview() const { return Get("KeyPreview").ToBool(); }
    // Escape closes a window that has no Cancel button, as its close box does.
    bool EscapeCloses() const { return Get("EscapeCloses").ToBool(); }

    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }

    // The controls in description order; loads the window when needed.
    const std::vector<std::unique_ptr<Control>>& Controls();
    // The control by name and index (-1 for one not in an array); error 340 for a missing
    // array element, 438 for an unknown name.
    Control& ControlNamed(std::string_view name, vb::Integer index = -1);
    Control* FindControl(std::string_view name, vb::Integer index = -1);
    // The control a Container property names ("fraSize", "Frame(2)"); nullptr for "" (the
    // window itself), for a name the window does not have, and while it is not loaded.
    Control* ControlByContainerName(std::string_view name);
    template <class T>
    T& ControlAs(std::string_view name, vb::Integer index = -1) {
        Control& control = ControlNamed(name, index);
        // A damaged description can give the name to a control of another type.
        if (T* typed = dynamic_cast<T*>(&control)) return *typed;
        RaiseWrongType(name);
    }
    // "Load control(index)": a new element of a control array, made like element 0, hidden.
    Control& LoadArrayElement(std::string_view name, vb::Integer index);
    // Error 13 for a control of this window that is not of the type its code expects.
    [[noreturn]] void RaiseWrongType(std::string_view name) const;
    void UnloadArrayElement(std::string_view name, vb::Integer index);

    // The control that has the focus; nullptr when none has.
    Control* ActiveControl() const { return activeControl_; }
    void SetActiveControl(Control* control) { activeControl_ = control; }

    // A person's actions, as the host delivers them.
    // A typed character: with KeyPreview the window sees it first and may change or
    // swallow it (KeyAscii 0); the control then gets what is left.
    void KeyPress(vb::Integer keyAscii, Control* focus = nullptr);
    // The release hears the modifiers the key went down with too (see HeldKeys).
    void KeyUp(vb::Integer keyCode, vb::Integer shift, Control* focus = nullptr);
    // Escape clicks the window's Cancel button instead, when it has one; Enter clicks the
    // focused command button, else the Default one.  True when a button (or the closing
    // window) took the key: it then goes no further, not even as KeyPress.
    bool KeyDown(vb::Integer keyCode, vb::Integer shift, Control* focus = nullptr);
    void Activate();
    // The close box: query-unload and unload as the control menu does.
    bool CloseByUser();

    // A control's event reaches the window's handler here.
    virtual void DispatchEvent(Control& control, std::string_view event, EventArgs& args);

    // Events are held back while the window builds its controls, as the runtime does.
    bool IsBuilding() const { return building_; }

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_KeyUp(vb::Integer& KeyCode, vb::Integer& Shift) {
        (void)KeyCode;
        (void)Shift;
    }
    virtual void Form_KeyDown(vb::Integer& KeyCode, vb::Integer& Shift) {
        (void)KeyCode;
        (void)Shift;
    }
    virtual void Form_KeyPress(vb::Integer& KeyAscii) { (void)KeyAscii; }
    virtual void Form_QueryUnload(vb::Integer& Cancel, vb::Integer UnloadMode) {
        (void)Cancel;
        (void)UnloadMode;
    }
    virtual void Form_Unload(vb::Integer& Cancel) { (void)Cancel; }
    virtual void Form_Resize() {}

    using Handler = std::function<void(Control&, EventArgs&)>;
    // Binds a handler to an event of a control (of every element of a control array).
    void On(std::string_view control, std::string_view event, Handler handler);

    void PropertyChanged(std::string_view name) override;

private:
    void BuildControls();
    void ReportUnboundHandlers();
    CommandButton* FlaggedButton(std::string_view flag);
    CommandButton* EnterButton(Control* focus);
    bool TakesKey(vb::Integer key, Control* focus);
    bool Holds(const Control* control) const;
    void ApplyWindowDescription();
    [[noreturn]] void RaiseLoadFailure() const;
    void ApplyStartUpPosition(const Form* owner);
    std::string HandlerKey(std::string_view control, std::string_view event) const;

    std::string name_;
    bool loaded_ = false;
    bool building_ = false;
    bool visible_ = false;
    bool modal_ = false;
    Form* owner_ = nullptr;
    unsigned generation_ = 0;
    std::string caption_;
    std::string tag_;
    FontRef font_;
    vb::Single left_ = 0;
    vb::Single top_ = 0;
    vb::Single width_ = 4800;
    vb::Single height_ = 3600;
    vb::Integer windowState_ = vbNormal;
    NonClient nonClient_ = kAssumedFrame;
    bool shownSinceLoad_ = false;
    std::vector<std::unique_ptr<Control>> controls_;
    Control* activeControl_ = nullptr;
    HeldKeys heldKeys_;
    std::map<std::string, Handler> handlers_;  // "control.event", folded
    struct Binding {
        std::string control, event;
    };
    std::vector<Binding> bindings_;  // as bound, for the check at load
};

}  // namespace forms
