#include "platform/forms/UserControl.h"

#include <cmath>

#include "platform/forms/ControlPainter.h"
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

UserControl::UserControl() : childView_(std::make_unique<ChildView>(*this)) {}

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
    if (width < 0 || height < 0) vb::Raise(vb::err::InvalidPropertyValue);
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    if (tellSite && site_) site_->ExtentChanged(width_, height_);
    Changed();
    UserControl_Resize();
}

void UserControl::SetBorderStyle(vb::Integer style) {
    if (style != 0 && style != 1) vb::Raise(vb::err::InvalidPropertyValue);
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
    if (surface_.Width() != width || surface_.Height() != height)
        surface_ = gdi::Bitmap(width, height, back);
    else
        surface_.Fill({0, 0, width, height}, back);
    const int border = borderStyle_ == 1 ? 1 : 0;
    for (const auto& child : children_)
        PaintControl(surface_, border, border, *child);
    if (border) DrawOutline(surface_, {0, 0, width, height}, border, gdi::Black);
}

}  // namespace forms
