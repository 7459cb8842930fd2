#pragma once

#include <QImage>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/qtview/ViewBase.h"
#include "platform/qtview/ViewFactory.h"
#include "platform/vb/Variant.h"

namespace qtview {

// What an owner-drawn control has drawn: its surface bitmap, or nullptr when it has none.
using SurfaceAccessor = std::function<const gdi::Bitmap*(forms::Control&)>;
// Where a person's mouse actions on the surface go: "MouseDown", "MouseMove", "MouseUp" with
// button, shift and the position in twips from the surface's corner; "Click" and "DblClick"
// without arguments.
using PointerSink =
    std::function<void(forms::Control&, std::string_view event, std::vector<vb::Variant>& args)>;

// An owner-drawn surface (a picture box, the display control): its back colour, its Picture
// and, on top, the bitmap the program draws on, one pixel per pixel.  Any change the control
// reports repaints it; controls inside it sit on it.
class SurfaceView : public ViewBase {
public:
    SurfaceView(forms::Control& control, FormWindow& window, SurfaceAccessor surface = {},
                PointerSink pointer = {});

    QWidget* ChildArea() const override { return Widget(); }
    const gdi::Bitmap* Surface() const { return surface_ ? surface_(Model()) : nullptr; }
    const QImage& Picture() const { return picture_; }
    // A person's mouse action at `pixel` of the surface.
    void Pointer(std::string_view event, int buttons, int shift, QPoint pixel);
    void Pointer(std::string_view event);

protected:
    void Sync(std::string_view name) override;

private:
    SurfaceAccessor surface_;
    PointerSink pointer_;
    QImage picture_;
};

// A view maker for an owner-drawn type whose view shows what `surface` returns and, when
// given, hands a person's mouse actions to `pointer`.
ViewMaker SurfaceMaker(SurfaceAccessor surface, PointerSink pointer = {});

// Makes `typeName` an owner-drawn type whose view shows what `surface` returns.
void RegisterSurfaceType(const std::string& typeName, SurfaceAccessor surface);

}  // namespace qtview
