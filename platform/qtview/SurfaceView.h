#pragma once

#include <QImage>
#include <functional>
#include <string>

#include "platform/gdi/Bitmap.h"
#include "platform/qtview/ViewBase.h"
#include "platform/qtview/ViewFactory.h"

namespace qtview {

// What an owner-drawn control has drawn: its surface bitmap, or nullptr when it has none.
using SurfaceAccessor = std::function<const gdi::Bitmap*(forms::Control&)>;

// An owner-drawn surface (a picture box, the display control): its back colour, its Picture
// and, on top, the bitmap the program draws on, one pixel per pixel.  Any change the control
// reports repaints it; controls inside it sit on it.
class SurfaceView : public ViewBase {
public:
    SurfaceView(forms::Control& control, FormWindow& window, SurfaceAccessor surface = {});

    QWidget* ChildArea() const override { return Widget(); }
    const gdi::Bitmap* Surface() const { return surface_ ? surface_(Model()) : nullptr; }
    const QImage& Picture() const { return picture_; }

protected:
    void Sync(std::string_view name) override;

private:
    SurfaceAccessor surface_;
    QImage picture_;
};

// A view maker for an owner-drawn type whose view shows what `surface` returns.
ViewMaker SurfaceMaker(SurfaceAccessor surface);

// Makes `typeName` an owner-drawn type whose view shows what `surface` returns.
void RegisterSurfaceType(const std::string& typeName, SurfaceAccessor surface);

}  // namespace qtview
