#include "platform/qtview/SurfaceView.h"

#include <QFrame>
#include <QPainter>

#include "platform/qtview/Convert.h"
#include "platform/qtview/Pictures.h"
#include "platform/qtview/ViewFactory.h"

namespace qtview {
namespace {

constexpr int kBorderFixedSingle = 1;

class Canvas : public QFrame {
public:
    explicit Canvas(const SurfaceView& view) : view_(view) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter painter(this);
        QPoint origin = contentsRect().topLeft();
        if (!view_.Picture().isNull()) painter.drawImage(origin, view_.Picture());
        if (const gdi::Bitmap* surface = view_.Surface(); surface && !surface->Empty())
            painter.drawImage(origin, WrapBitmap(*surface));
    }

private:
    const SurfaceView& view_;
};

}  // namespace

SurfaceView::SurfaceView(forms::Control& control, FormWindow& window, SurfaceAccessor surface)
    : ViewBase(control, window), surface_(std::move(surface)) {
    SetWidget(new Canvas(*this));
}

void SurfaceView::Sync(std::string_view name) {
    auto& canvas = static_cast<QFrame&>(*Widget());
    const forms::Control& model = Model();
    bool all = name.empty();
    if ((all || name == "Picture") && model.HasProperty("Picture"))
        picture_ = PictureImage(model.Get("Picture"));
    if ((all || name == "BorderStyle") && model.HasProperty("BorderStyle"))
        canvas.setFrameStyle(model.Get("BorderStyle").ToInteger() == kBorderFixedSingle
                                 ? QFrame::Panel | QFrame::Sunken
                                 : QFrame::NoFrame);
    if (all || name == "BackColor" || name == "ForeColor") ShowColors(canvas);
    canvas.update();
}

ViewMaker SurfaceMaker(SurfaceAccessor surface) {
    return [surface](forms::Control& control, FormWindow& window) -> std::unique_ptr<ViewBase> {
        return std::make_unique<SurfaceView>(control, window, surface);
    };
}

void RegisterSurfaceType(const std::string& typeName, SurfaceAccessor surface) {
    RegisterViewType(typeName, SurfaceMaker(std::move(surface)));
}

}  // namespace qtview
