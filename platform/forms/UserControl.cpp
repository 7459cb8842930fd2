#include "platform/forms/UserControl.h"

#include <cmath>

#include "platform/forms/ControlPainter.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/Surface.h"
#include "platform/gdi/Screen.h"
#include "platform/gdi/SystemColors.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"

namespace forms {

// Follows the children: any change of theirs changes the control's surface.
class UserControl::ChildView : public ControlView {
public:
    explicit ChildView(UserControl& owner) : owner_(&owner) {}
    void PropertyChanged(Control&, std::string_view) override { owner_->Changed(); }

private:
    UserControl* owner_;
};

// The form that parents the children: their events reach the control, not a window.
class UserControl::Designer : public Form {
public:
    explicit Designer(UserControl& owner) : Form("UserControl"), owner_(&owner) {}

    void DispatchEvent(Control& control, std::string_view event, EventArgs& args) override {
        owner_->UserControl_ChildEvent(control, event, args);
    }

private:
    UserControl* owner_;
};

namespace {

bool IsMouseEvent(std::string_view event) {
    return event == "MouseDown" || event == "MouseMove" || event == "MouseUp";
}

bool IsClick(std::string_view event) {
    return event == "Click" || event == "DblClick";
}

// Lightweight and windowed children that a person can point at; shapes and timers are not.
bool TakesMouse(const Control& child) {
    return child.Visible() && child.Enabled() && child.TypeName() != "Shape" &&
           child.TypeName() != "Timer";
}

// A point of the control (twips from its corner) in the child's own coordinates and scale:
// a picture box measures from inside its border in its scale mode, a label or an image in
// twips from its corner.
std::pair<vb::Single, vb::Single> InChild(const Control& child, vb::Single x, vb::Single y) {
    if (const auto* box = dynamic_cast<const PictureBox*>(&child)) return box->FromParent(x, y);
    return {x - child.Left(), y - child.Top()};
}

}  // namespace

UserControl::UserControl()
    : designer_(std::make_unique<Designer>(*this)),
      childView_(std::make_unique<ChildView>(*this)) {}

Form& UserControl::DesignerForm() {
    return *designer_;
}

// Children sit inside the control's border.
vb::Single UserControl::BorderInset() const {
    return borderStyle_ == 1 ? ScaleX(1) : 0;
}

// A windowed child (a picture box) lies above the lightweight ones; among equals the later
// one is on top.
Control* UserControl::ChildAt(vb::Single x, vb::Single y) const {
    Control* lightweight = nullptr;
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        Control& child = **it;
        if (!TakesMouse(child) || x < child.Left() || y < child.Top() ||
            x >= child.Left() + child.Width() || y >= child.Top() + child.Height())
            continue;
        if (dynamic_cast<PictureBox*>(&child)) return &child;
        if (!lightweight) lightweight = &child;
    }
    return lightweight;
}

// A press goes to the child under the pointer, which keeps the mouse until the button is
// released; the click that follows is that child's too.
Control* UserControl::MouseTarget(std::string_view event, const com::Args& args) {
    if (IsClick(event)) return pressed_;
    const vb::Single x = args[2].ToSingle() - BorderInset();
    const vb::Single y = args[3].ToSingle() - BorderInset();
    if (event == "MouseDown") return pressed_ = ChildAt(x, y);
    if (event == "MouseUp") return pressed_;
    const bool buttonHeld = args[0].ToInteger() != 0;
    return buttonHeld ? pressed_ : ChildAt(x, y);
}

void UserControl::Input(std::string_view event, com::Args& args) {
    const bool mouse = IsMouseEvent(event) && args.size() == 4;
    if (!mouse && !IsClick(event)) return UserControl_Input(event, args);
    Control* child = MouseTarget(event, args);
    if (!child) return UserControl_Input(event, args);
    if (!mouse) return child->RaiseEvent(event, args);
    const auto [x, y] =
        InChild(*child, args[2].ToSingle() - BorderInset(), args[3].ToSingle() - BorderInset());
    EventArgs relayed{args[0], args[1], vb::Variant(x), vb::Variant(y)};
    child->RaiseEvent(event, relayed);
}

UserControl::~UserControl() = default;

void UserControl::Adopt(std::unique_ptr<Control> child) {
    child->SetView(childView_.get());
    children_.push_back(std::move(child));
    Changed();
}

void UserControl::SetDesignSize(vb::Single width, vb::Single height) {
    width_ = width;
    height_ = height;
    Changed();
}

void UserControl::SetExtent(vb::Single width, vb::Single height) {
    Resize(width, height, false);
}

// When the control sizes itself, the container follows the new size first; then the control
// hears its own Resize, inside the set, as the runtime raises it.
void UserControl::Resize(vb::Single width, vb::Single height, bool tellSite) {
    if (width < 0 || height < 0) vb::Raise(vb::err::kInvalidPropertyValue);
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    if (tellSite && site_) site_->ExtentChanged(width_, height_);
    Changed();
    UserControl_Resize();
}

void UserControl::SetBorderStyle(vb::Integer style) {
    if (style != 0 && style != 1) vb::Raise(vb::err::kInvalidPropertyValue);
    borderStyle_ = style;
    Changed();
}

FontRef UserControl::AmbientFont() const {
    return site_ ? site_->AmbientFont() : ambientFont_;
}

vb::Single UserControl::TextWidth(std::string_view text) {
    const StdFont& font = *font_;
    measure_.SelectObject(gdi::Font{font.Name, font.Size, font.Bold, font.Italic, font.Underline});
    return ScaleX(measure_.TextExtentA(vb::ToWindows1252(text)).cx);
}

vb::Single UserControl::ScaleX(double pixels) {
    return static_cast<vb::Single>(gdi::PixelsToTwipsX(pixels));
}

double UserControl::ScaleToPixels(vb::Single twips) {
    return gdi::TwipsToPixelsX(twips);
}

void UserControl::PropertyChanged(std::string_view name) {
    if (site_) site_->PropertyChanged(name);
}

void UserControl::Refresh() {
    Changed();
}

void UserControl::Changed() {
    dirty_ = true;
    if (site_) site_->SurfaceChanged();
}

const gdi::Bitmap& UserControl::Surface() {
    if (dirty_) Compose();
    return surface_;
}

void UserControl::Compose() {
    dirty_ = false;
    const int width = static_cast<int>(std::lround(ScaleToPixels(width_)));
    const int height = static_cast<int>(std::lround(ScaleToPixels(height_)));
    const gdi::Color back = gdi::ResolveColor(static_cast<gdi::Color>(backColor_));
    surface_.Reshape(width, height);
    surface_.Fill({0, 0, width, height}, back);
    const int border = borderStyle_ == 1 ? 1 : 0;
    for (const auto& child : children_)
        PaintControl(surface_, border, border, *child);
    if (border) DrawOutline(surface_, {0, 0, width, height}, border, gdi::kBlack);
}

}  // namespace forms
