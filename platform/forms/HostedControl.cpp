#include "platform/forms/HostedControl.h"

#include <nlohmann/json.hpp>

#include "platform/com/Creation.h"
#include "platform/forms/Form.h"
#include "platform/forms/UserControl.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"

namespace forms {

// The container's side of the object: it shows the object's surface and follows its size.
class HostedControl::Site : public ControlSite {
public:
    explicit Site(HostedControl& owner) : owner_(&owner) {}

    void SurfaceChanged() override { owner_->Control::PropertyChanged("Image"); }
    void ExtentChanged(vb::Single width, vb::Single height) override {
        owner_->Move(owner_->Left(), owner_->Top(), width, height);
    }
    void PropertyChanged(std::string_view name) override { owner_->changed_.emplace_back(name); }
    FontRef AmbientFont() const override { return owner_->Parent().Font(); }

private:
    HostedControl* owner_;
};

HostedControl::HostedControl(Form& parent, std::string typeName, std::string name,
                             vb::Integer index)
    : Control(parent, std::move(typeName), std::move(name), index) {}

HostedControl::~HostedControl() {
    Release();
}

const PropertyTable& HostedControl::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&Control::Table());
        t.Add(
            "ClassId",
            [](const PropertyObject& o) {
                return vb::Variant(static_cast<const HostedControl&>(o).classId_);
            },
            nullptr);
        return t;
    }();
    return table;
}

bool HostedControl::IsExtenderProperty(std::string_view name) {
    for (std::string_view extender :
         {"Name", "Index", "Visible", "Left", "Top", "Width", "Height", "Tag", "Container",
          "ToolTipText", "TabIndex", "TabStop", "CausesValidation", "HelpContextID", "ClassId"})
        if (vb::TextEquals(name, extender)) return true;
    return false;
}

void HostedControl::LoadDescription(const nlohmann::json& description) {
    nlohmann::json extender = description;
    extender.erase("ClassId");
    extender.erase("Properties");
    Control::LoadDescription(extender);
    const auto saved = description.find("Properties");
    Create(description.value("ClassId", ""),
           saved != description.end() ? PropertyBag::FromDescription(*saved) : PropertyBag{});
    if (!description.contains("Width") && !description.contains("Height") && userControl_)
        Move(Left(), Top(), userControl_->Width(), userControl_->Height());
}

void HostedControl::Create(std::string_view classId, const PropertyBag& saved) {
    Release();
    classId_ = classId;
    object_ = com::CreateObject(classId);
    userControl_ = dynamic_cast<UserControl*>(object_.get());
    if (auto* source = dynamic_cast<com::EventSource*>(object_.get())) {
        cookie_ = source->Advise(
            [this](std::string_view event, com::Args& args) { RaiseEvent(event, args); });
    }
    if (!userControl_) return;
    site_ = std::make_unique<Site>(*this);
    userControl_->SetSite(site_.get());
    userControl_->Load(saved);
    if (Width() > 0 || Height() > 0) userControl_->SetExtent(Width(), Height());
}

void HostedControl::Release() {
    if (!object_) return;
    if (cookie_) com::Unadvise(*object_, cookie_);
    if (userControl_) userControl_->SetSite(nullptr);
    cookie_ = 0;
    userControl_ = nullptr;
    object_.reset();
    site_.reset();
}

com::Dispatch& HostedControl::Object() const {
    if (!object_) vb::Raise(vb::err::kObjectNotSet);
    return *object_;
}

vb::Variant HostedControl::Get(std::string_view name) const {
    if (IsExtenderProperty(name)) return Control::Get(name);
    return com::Get(Object(), name);
}

void HostedControl::Let(std::string_view name, const vb::Variant& value) {
    if (IsExtenderProperty(name)) return Control::Let(name, value);
    if (value.IsObject())
        com::PutRef(Object(), name, value);
    else
        com::Put(Object(), name, value);
}

vb::Variant HostedControl::Call(std::string_view name, com::Args& args) {
    return com::Call(Object(), name, args);
}

const gdi::Bitmap* HostedControl::Surface() const {
    return userControl_ ? &userControl_->Surface() : nullptr;
}

void HostedControl::Input(std::string_view event, com::Args& args) {
    if (userControl_) userControl_->Input(event, args);
}

void HostedControl::PropertyChanged(std::string_view name) {
    Control::PropertyChanged(name);
    if (name == "Size" && userControl_) userControl_->SetExtent(Width(), Height());
}

}  // namespace forms
