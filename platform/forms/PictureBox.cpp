#include "platform/forms/PictureBox.h"

#include <algorithm>
#include <cmath>

#include "platform/forms/Surface.h"
#include "platform/gdi/Screen.h"
#include "platform/os/Paths.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"

namespace forms {
namespace {

gdi::Font GdiFont(const StdFont& font) {
    return gdi::Font{font.Name, font.Size, font.Bold, font.Italic, font.Underline};
}

int ToPixels(vb::Single twips, int twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

}  // namespace

PictureBox::PictureBox(Form& parent, std::string typeName, std::string name, vb::Integer index)
    : Control(parent, std::move(typeName), std::move(name), index) {}

const PropertyTable& PictureBox::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&Control::Table());
        t.Add(
             "Picture",
             [](const PropertyObject& o) {
                 return ToVariant(static_cast<const PictureBox&>(o).Picture());
             },
             [](PropertyObject& o, const vb::Variant& v) {
                 static_cast<PictureBox&>(o).SetPictureValue(v);
             })
            .Typed<PictureBox, gdi::PictureRef>("Image", &PictureBox::Image)
            .Typed("AutoRedraw", &PictureBox::AutoRedraw, &PictureBox::SetAutoRedraw)
            .Typed("AutoSize", &PictureBox::AutoSize, &PictureBox::SetAutoSize)
            .Typed("BackColor", &PictureBox::BackColor, &PictureBox::SetBackColor)
            .Typed("ForeColor", &PictureBox::ForeColor, &PictureBox::SetForeColor)
            .Typed("BorderStyle", &PictureBox::BorderStyle, &PictureBox::SetBorderStyle)
            .Typed("ScaleMode", &PictureBox::ScaleMode, &PictureBox::SetScaleMode)
            .Typed<PictureBox, vb::Single>("ScaleWidth", &PictureBox::ScaleWidth)
            .Typed<PictureBox, vb::Single>("ScaleHeight", &PictureBox::ScaleHeight)
            .Stored("Appearance", vb::Integer{1});
        return t;
    }();
    return table;
}

const gdi::Bitmap& PictureBox::Surface() const {
    DrawPending();
    return image_;
}

void PictureBox::PutOff(PendingDrawing* drawing) {
    if (pending_ != drawing) DrawPending();
    pending_ = drawing;
}

void PictureBox::DrawPending() const {
    if (pending_ == nullptr) return;
    PendingDrawing* drawing = std::exchange(pending_, nullptr);
    drawing->DrawNow(image_);
}

gdi::DeviceContext& PictureBox::hDC() {
    DrawPending();
    const gdi::Font font = GdiFont(*Font());
    if (!(dc_.CurrentFont() == font)) dc_.SelectObject(font);
    dc_.SetTextColor(static_cast<gdi::Color>(foreColor_));
    dc_.SetBkColor(static_cast<gdi::Color>(backColor_));
    return dc_;
}

void PictureBox::SetPicture(gdi::PictureRef picture) {
    picture_ = std::move(picture);
    if (autoSize_) FitToPicture();
    Cls();
    PropertyChanged("Picture");
}

void PictureBox::SetPictureValue(const vb::Variant& value) {
    if (value.IsObject()) return SetPicture(vb::FromVariant<gdi::PictureRef>(value));
    // A description names a picture file of the program folder; "" is none.
    const std::string file = value.ToString();
    if (file.empty()) return SetPicture(nullptr);
    gdi::PictureError error = gdi::PictureError::None;
    auto picture = gdi::Picture::Load(os::JoinPath(os::ProgramFolder(), file), &error);
    if (!picture)
        vb::Raise(error == gdi::PictureError::FileNotFound ? vb::err::kFileNotFound
                                                           : vb::err::kInvalidPicture);
    SetPicture(std::move(picture));
}

gdi::PictureRef PictureBox::Image() const {
    DrawPending();
    return gdi::Picture::FromImage(image_);
}

void PictureBox::SetAutoRedraw(bool on) {
    autoRedraw_ = on;
    PropertyChanged("AutoRedraw");
}

void PictureBox::SetAutoSize(bool on) {
    autoSize_ = on;
    if (autoSize_) FitToPicture();
    PropertyChanged("AutoSize");
}

void PictureBox::SetBackColor(vb::Long color) {
    backColor_ = color;
    Cls();
    PropertyChanged("BackColor");
}

void PictureBox::SetForeColor(vb::Long color) {
    foreColor_ = color;
    PropertyChanged("ForeColor");
}

void PictureBox::SetBorderStyle(vb::Integer style) {
    if (style != 0 && style != 1) vb::Raise(vb::err::kInvalidPropertyValue);
    borderStyle_ = style;
    ResizeImage();
    PropertyChanged("BorderStyle");
}

void PictureBox::SetScaleMode(vb::Integer mode) {
    if (mode != vbTwips && mode != vbPixels) vb::Raise(vb::err::kInvalidPropertyValue);
    scaleMode_ = mode;
    PropertyChanged("ScaleMode");
}

int PictureBox::BorderPixels() const {
    if (borderStyle_ == 0) return 0;
    return Get("Appearance").ToInteger() != 0 ? 2 : 1;
}

// The screen has square pixels, so one conversion serves both directions.
vb::Single PictureBox::ToScale(int pixels) const {
    static_assert(gdi::kTwipsPerPixelX == gdi::kTwipsPerPixelY);
    return scaleMode_ == vbPixels ? static_cast<vb::Single>(pixels)
                                  : static_cast<vb::Single>(gdi::PixelsToTwipsX(pixels));
}

std::pair<vb::Single, vb::Single> PictureBox::FromParent(vb::Single x, vb::Single y) const {
    // The box is drawn from the whole pixel nearest its edge.
    auto inner = [&](vb::Single twips, vb::Single edge) {
        const double pixels = gdi::TwipsToPixelsX(twips) -
                              static_cast<double>(std::lround(gdi::TwipsToPixelsX(edge))) -
                              BorderPixels();
        return scaleMode_ == vbPixels ? static_cast<vb::Single>(pixels)
                                      : static_cast<vb::Single>(gdi::PixelsToTwipsX(pixels));
    };
    return {inner(x, Left()), inner(y, Top())};
}

vb::Single PictureBox::ScaleWidth() const {
    return ToScale(image_.Width());
}

vb::Single PictureBox::ScaleHeight() const {
    return ToScale(image_.Height());
}

vb::Single PictureBox::TextWidth(std::string_view text) {
    return ToScale(hDC().TextExtentA(vb::ToWindows1252(text)).cx);
}

vb::Single PictureBox::TextHeight(std::string_view text) {
    return ToScale(hDC().TextExtentA(vb::ToWindows1252(text)).cy);
}

void PictureBox::Cls() {
    DrawPending();
    image_.Fill(gdi::Rect{0, 0, image_.Width(), image_.Height()},
                gdi::ResolveColor(static_cast<gdi::Color>(backColor_)));
    if (picture_) DrawBitmap(image_, 0, 0, picture_->Image());
}

void PictureBox::Refresh() {
    if (!autoRedraw_) RaiseEvent("Paint");
    PropertyChanged("Image");
}

void PictureBox::PropertyChanged(std::string_view name) {
    if (name == "Size") ResizeImage();
    Control::PropertyChanged(name);
    if (name == "Size") RaiseEvent("Resize");
}

void PictureBox::FitToPicture() {
    if (!picture_) return;
    const int border = 2 * BorderPixels();
    Move(Left(), Top(),
         static_cast<vb::Single>(gdi::PixelsToTwipsX(picture_->PixelWidth() + border)),
         static_cast<vb::Single>(gdi::PixelsToTwipsY(picture_->PixelHeight() + border)));
}

void PictureBox::ResizeImage() {
    const int border = 2 * BorderPixels();
    const int width = std::max(0, ToPixels(Width(), gdi::kTwipsPerPixelX) - border);
    const int height = std::max(0, ToPixels(Height(), gdi::kTwipsPerPixelY) - border);
    if (width == image_.Width() && height == image_.Height()) return;
    // A drawing that covers the whole image will draw it at its new size.
    if (pending_ != nullptr && pending_->CoversAll()) return image_.Reshape(width, height);
    DrawPending();
    image_.Resize(width, height, gdi::ResolveColor(static_cast<gdi::Color>(backColor_)));
}

}  // namespace forms
