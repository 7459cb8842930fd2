#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/Dispatch.h"
#include "platform/com/Events.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/PropertyBag.h"
#include "platform/forms/StdFont.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/SystemColors.h"

namespace forms {

// What a user control knows of the container that holds it.
class ControlSite {
public:
    virtual ~ControlSite() = default;
    // The control's drawn surface changed and wants showing.
    virtual void SurfaceChanged() = 0;
    // The control set its own size (twips); the container follows it.
    virtual void ExtentChanged(vb::Single width, vb::Single height) = 0;
    // A persisted property has a new value: the container's saved state is out of date.
    virtual void PropertyChanged(std::string_view name) = 0;
    // The container's font, which the control takes as its ambient font.
    virtual FontRef AmbientFont() const = 0;
};

// The base of a control implemented as a class and hosted by class id.  It owns its child
// controls (picture boxes, labels, images, shapes, timers), sized in twips; its Width and
// Height setters raise its Resize inside the set; it reads and writes a property bag, tells
// the container of changed properties and raises events to it (com::EventSource).  The
// container draws it from Surface(), which composes the visible children.
class UserControl : public com::EventSource {
public:
    UserControl();
    virtual ~UserControl();
    UserControl(const UserControl&) = delete;
    UserControl& operator=(const UserControl&) = delete;

    // The container's side.
    void SetSite(ControlSite* site) { site_ = site; }
    // A new instance: its InitProperties.  A restored one: its ReadProperties.
    void InitNew() { UserControl_InitProperties(); }
    void Load(const PropertyBag& bag) { UserControl_ReadProperties(bag); }
    void Save(PropertyBag& bag) { UserControl_WriteProperties(bag); }
    // The container sizes the control; Resize runs when the size changed.
    void SetExtent(vb::Single width, vb::Single height);
    // The control as shown, one pixel per screen pixel, composed when it changed.
    const gdi::Bitmap& Surface();
    // A person's action on the control: "Click", "DblClick", "KeyDown", "KeyPress", "KeyUp",
    // "MouseDown", "MouseMove", "MouseUp", with the arguments of the event (mouse positions
    // in twips from the control's corner).  Mouse actions go to the child element under the
    // pointer, in the child's own coordinates and scale (a click to the element last
    // pressed), as a person's actions on the child's own window would; what no child takes,
    // and every key, is the control's own.
    void Input(std::string_view event, com::Args& args);

    // The control's side.
    vb::Single Width() const { return width_; }
    vb::Single Height() const { return height_; }
    void SetWidth(vb::Single width) { Resize(width, height_, true); }
    void SetHeight(vb::Single height) { Resize(width_, height, true); }
    // 0 none, 1 fixed single (a 1-pixel line around the surface).
    vb::Integer BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(vb::Integer style);
    vb::Long BackColor() const { return backColor_; }
    // The control's own plain font, in which TextWidth measures.
    FontRef Font() const { return font_; }
    FontRef AmbientFont() const;
    vb::Single TextWidth(std::string_view text);
    static vb::Single ScaleX(double pixels);
    static double ScaleToPixels(vb::Single twips);
    // Tells the container that a persisted property changed.
    void PropertyChanged(std::string_view name);
    // Repaints now: the container is told at once.
    void Refresh();

    const std::vector<std::unique_ptr<Control>>& Children() const { return children_; }

protected:
    // A child control of type T, named and typed as a window description would.
    template <class T>
    T& AddChild(std::string typeName, std::string name) {
        auto child = std::make_unique<T>(DesignerForm(), std::move(typeName), std::move(name), -1);
        T& made = *child;
        Adopt(std::move(child));
        return made;
    }
    Form& DesignerForm();
    // The size the control is designed at; no events.
    void SetDesignSize(vb::Single width, vb::Single height);

    virtual void UserControl_InitProperties() {}
    virtual void UserControl_ReadProperties(const PropertyBag& bag) { (void)bag; }
    virtual void UserControl_WriteProperties(PropertyBag& bag) { (void)bag; }
    virtual void UserControl_Resize() {}
    virtual void UserControl_Input(std::string_view event, com::Args& args) {
        (void)event;
        (void)args;
    }
    // An event of a child element (picture box, label, image), with its own arguments.
    virtual void UserControl_ChildEvent(Control& child, std::string_view event, EventArgs& args) {
        (void)child;
        (void)event;
        (void)args;
    }

private:
    class ChildView;
    class Designer;

    void Adopt(std::unique_ptr<Control> child);
    void Resize(vb::Single width, vb::Single height, bool tellSite);
    void Changed();
    void Compose();

    vb::Single BorderInset() const;
    Control* ChildAt(vb::Single x, vb::Single y) const;
    Control* MouseTarget(std::string_view event, const com::Args& args);

    std::unique_ptr<Designer> designer_;  // parents the children; never loaded or shown
    Control* pressed_ = nullptr;          // the child the last button press went to
    std::vector<std::unique_ptr<Control>> children_;
    std::unique_ptr<ChildView> childView_;
    ControlSite* site_ = nullptr;
    vb::Single width_ = 0;
    vb::Single height_ = 0;
    vb::Integer borderStyle_ = 0;
    vb::Long backColor_ = gdi::SystemColorValue(gdi::SystemColor::ButtonFace);
    FontRef font_ = std::make_shared<StdFont>();
    FontRef ambientFont_ = std::make_shared<StdFont>();
    gdi::Bitmap surface_;
    bool dirty_ = true;
    gdi::Bitmap scratch_{1, 1};
    gdi::DeviceContext measure_{scratch_};
};

}  // namespace forms
