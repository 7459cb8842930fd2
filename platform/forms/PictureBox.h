#pragma once

#include <string_view>
#include <utility>

#include "platform/forms/Control.h"
#include "platform/forms/PendingDrawing.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Picture.h"
#include "platform/gdi/SystemColors.h"

namespace forms {

// Scale modes a drawing surface measures in.
inline constexpr vb::Integer vbTwips = 1;
inline constexpr vb::Integer vbPixels = 3;

// A picture box: a drawing surface with a persistent image.  Its image is the inner area
// (inside the border) in pixels; drawing through hDC lands in it, Cls clears it to the back
// colour and the Picture, and Refresh shows it (the view hears "Image").  When AutoRedraw is
// off, Refresh raises Paint first so the window can draw.
class PictureBox : public Control {
public:
    PictureBox(Form& parent, std::string typeName, std::string name, vb::Integer index);

    // The device context of the image, with the box's font, fore colour and back colour.
    gdi::DeviceContext& hDC();
    // What the view shows.
    const gdi::Bitmap& Surface() const;
    // Puts `drawing` off until the image is next needed; a different drawing put off before
    // is done first (nothing: it is done now).  Its owner keeps it until it is drawn.
    void PutOff(PendingDrawing* drawing);
    // Does what was put off.
    void DrawPending() const;

    gdi::PictureRef Picture() const { return picture_; }
    // Sets the background picture (nothing for none) and clears the image to it.
    void SetPicture(gdi::PictureRef picture);
    // A picture of what the image holds now; later drawing leaves it alone.
    gdi::PictureRef Image() const;

    bool AutoRedraw() const { return autoRedraw_; }
    void SetAutoRedraw(bool on);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on);
    vb::Long BackColor() const { return backColor_; }
    // A new back colour clears the image, as the runtime does.
    void SetBackColor(vb::Long color);
    vb::Long ForeColor() const { return foreColor_; }
    void SetForeColor(vb::Long color);
    // 0 none, 1 fixed single (a 2-pixel sunken edge, or 1 pixel when Appearance is flat).
    vb::Integer BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(vb::Integer style);
    // vbTwips or vbPixels; other modes raise 380.
    vb::Integer ScaleMode() const { return scaleMode_; }
    void SetScaleMode(vb::Integer mode);

    // A point of the container (twips) in the box's own coordinates: from the corner of its
    // inner area, in its scale mode's units.
    std::pair<vb::Single, vb::Single> FromParent(vb::Single x, vb::Single y) const;

    // The inner area in the scale mode's units.
    vb::Single ScaleWidth() const;
    vb::Single ScaleHeight() const;
    vb::Single TextWidth(std::string_view text);
    vb::Single TextHeight(std::string_view text);

    void Cls();
    void Refresh();

    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }

protected:
    void PropertyChanged(std::string_view name) override;

private:
    int BorderPixels() const;
    vb::Single ToScale(int pixels) const;
    void SetPictureValue(const vb::Variant& value);
    void FitToPicture();
    void ResizeImage();

    mutable gdi::Bitmap image_;
    gdi::DeviceContext dc_{image_};
    mutable PendingDrawing* pending_ = nullptr;
    gdi::PictureRef picture_;
    bool autoRedraw_ = false;
    bool autoSize_ = false;
    vb::Long backColor_ = gdi::SystemColorValue(gdi::SystemColor::ButtonFace);
    vb::Long foreColor_ = gdi::SystemColorValue(gdi::SystemColor::ButtonText);
    vb::Integer borderStyle_ = 1;
    vb::Integer scaleMode_ = vbTwips;
};

}  // namespace forms
