#include "platform/forms/ControlPainter.h"

#include <cmath>

#include "platform/forms/BasicControls.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/Surface.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Picture.h"
#include "platform/gdi/Screen.h"
#include "platform/vb/Strings.h"

namespace forms {
namespace {

int Pixels(vb::Single twips) {
    return static_cast<int>(std::lround(twips / gdi::kTwipsPerPixelX));
}

gdi::Rect PlaceOf(const Control& control, int x, int y) {
    const int left = x + Pixels(control.Left());
    const int top = y + Pixels(control.Top());
    return {left, top, left + Pixels(control.Width()), top + Pixels(control.Height())};
}

gdi::Color ColorOf(const Control& control, std::string_view property) {
    return gdi::ResolveColor(static_cast<gdi::Color>(control.Get(property).ToLong()));
}

void PaintPictureBox(gdi::Bitmap& target, const gdi::Rect& place, PictureBox& box) {
    const int border = (place.Width() - box.Surface().Width()) / 2;
    if (border > 0) DrawOutline(target, place, border, gdi::Rgb(128, 128, 128));
    DrawBitmap(target, place.left + border, place.top + border, box.Surface());
}

// The caption is drawn into a bitmap of the label's size, so that a long one is cut at the
// label's edge.
void PaintLabel(gdi::Bitmap& target, const gdi::Rect& place, const Label& label) {
    if (place.Empty()) return;
    const bool opaque = label.Get("BackStyle").ToInteger() != 0;
    gdi::Bitmap face(place.Width(), place.Height());
    if (opaque)
        face.Fill({0, 0, face.Width(), face.Height()}, ColorOf(label, "BackColor"));
    else
        DrawBitmap(face, -place.left, -place.top, target);
    gdi::DeviceContext dc(face);
    const StdFont& font = *label.Font();
    dc.SelectObject(gdi::Font{font.Name, font.Size, font.Bold, font.Italic, font.Underline});
    dc.SetTextColor(ColorOf(label, "ForeColor"));
    const std::string text = vb::ToWindows1252(label.Caption());
    const int width = dc.TextExtentA(text).cx;
    const vb::Integer alignment = label.Get("Alignment").ToInteger();
    const int x = alignment == 1   ? face.Width() - width
                  : alignment == 2 ? (face.Width() - width) / 2
                                   : 0;
    dc.TextOutA(x, 0, text);
    DrawBitmap(target, place.left, place.top, face);
}

void PaintImage(gdi::Bitmap& target, const gdi::Rect& place, const Image& image) {
    const vb::Variant picture = image.Get("Picture");
    if (!picture.IsObject()) return;
    if (auto shown = picture.As<gdi::Picture>())
        DrawBitmap(target, place.left, place.top, shown->Image());
}

void PaintShape(gdi::Bitmap& target, const gdi::Rect& place, const Shape& shape) {
    const int width = std::max<int>(1, shape.Get("BorderWidth").ToInteger());
    DrawOutline(target, place, width, ColorOf(shape, "BorderColor"));
}

}  // namespace

void PaintControl(gdi::Bitmap& target, int x, int y, Control& control) {
    if (!control.Visible()) return;
    const gdi::Rect place = PlaceOf(control, x, y);
    if (auto* box = dynamic_cast<PictureBox*>(&control))
        PaintPictureBox(target, place, *box);
    else if (auto* label = dynamic_cast<Label*>(&control))
        PaintLabel(target, place, *label);
    else if (auto* image = dynamic_cast<Image*>(&control))
        PaintImage(target, place, *image);
    else if (auto* shape = dynamic_cast<Shape*>(&control))
        PaintShape(target, place, *shape);
}

}  // namespace forms
