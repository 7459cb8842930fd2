#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/Dispatch.h"
#include "platform/com/Events.h"
#include "platform/forms/Control.h"
#include "platform/forms/PropertyBag.h"
#include "platform/gdi/Bitmap.h"

namespace forms {

class UserControl;

// A control that a window creates by class id when it loads, and reaches by member name.  Its
// description entry names the class and may hold the object's saved properties:
//
//   { "Type": "SignObject", "Name": "ViewSign", "ClassId": "VELDOSign.SignOcx",
//     "Left": 120, "Top": 120, "Width": 4800, "Height": 1200,
//     "Properties": { "LEDOnColor": 65535, "AnimationInterval": 500 } }
//
// "ClassId" is a program identifier or a class id in braces.  The object is restored from
// "Properties" (an empty bag when there is none), as a window's saved control is.  The
// extender properties (Name, Index, Visible, Left, Top, Width, Height, Tag, Container,
// ToolTipText, TabIndex, TabStop, CausesValidation, HelpContextID) are the control's; every other
// name goes to the object.  The object's events reach the window's handlers as the control's
// events. When the object draws itself, Surface() is what to show; the view hears "Image" whenever
// it changed and "Size" when the object resized itself.
class HostedControl : public Control {
public:
    HostedControl(Form& parent, std::string typeName, std::string name, vb::Integer index);
    ~HostedControl() override;

    void LoadDescription(const nlohmann::json& description) override;
    // The hosted control's events are its own, known only once it runs.
    bool HasEvent(std::string_view) const override { return true; }
    // Creates the object and restores it from `saved`; error 429 when it cannot be created.
    void Create(std::string_view classId, const PropertyBag& saved = {});

    bool HasObject() const { return object_ != nullptr; }
    // The object; error 91 before it is created.
    com::Dispatch& Object() const;

    static bool IsExtenderProperty(std::string_view name);
    vb::Variant Get(std::string_view name) const;
    void Let(std::string_view name, const vb::Variant& value);
    vb::Variant Call(std::string_view name, com::Args& args);
    vb::Variant Call(std::string_view name, com::Args&& args = {}) { return Call(name, args); }

    // The object's drawn surface, or nullptr when it draws nothing.
    const gdi::Bitmap* Surface() const;
    // A person's action on the control, for the object (see UserControl::Input).
    void Input(std::string_view event, com::Args& args);
    // Persisted properties the object reported changed, in order.
    const std::vector<std::string>& ChangedProperties() const { return changed_; }

    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }

protected:
    void PropertyChanged(std::string_view name) override;

private:
    class Site;

    void Release();

    com::DispatchRef object_;
    UserControl* userControl_ = nullptr;  // the object, when it is a user control
    std::unique_ptr<Site> site_;
    com::EventSource::Cookie cookie_ = 0;
    std::string classId_;
    std::vector<std::string> changed_;
};

}  // namespace forms
