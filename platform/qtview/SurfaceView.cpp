#include "platform/qtview/SurfaceView.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainter>

#include "platform/gdi/Screen.h"
#include "platform/qtview/Convert.h"
#include "platform/qtview/Pictures.h"
#include "platform/qtview/ViewFactory.h"

namespace qtview {
namespace {

constexpr int kBorderFixedSingle = 1;

class Canvas : public QFrame {
public:
    explicit Canvas(SurfaceView& view) : view_(view) {
        // Moves reach the control without a button held, as the runtime reports them.
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        QPainter painter(this);
        QPoint origin = contentsRect().topLeft();
        if (!view_.Picture().isNull()) painter.drawImage(origin, view_.Picture());
        if (const gdi::Bitmap* surface = view_.Surface(); surface && !surface->Empty())
            painter.drawImage(origin, WrapBitmap(*surface));
    }

    void mousePressEvent(QMouseEvent* event) override { Mouse("MouseDown", *event); }
    void mouseMoveEvent(QMouseEvent* event) override { Mouse("MouseMove", *event); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        Mouse("MouseUp", *event);
        if (!doubleClicked_ && rect().contains(event->position().toPoint())) view_.Pointer("Click");
        doubleClicked_ = false;
    }
    void mouseDoubleClickEvent(QMouseEvent*) override {
        doubleClicked_ = true;
        view_.Pointer("DblClick");
    }

private:
    // The button that changed counts for a press or a release; a move reports those held.
    void Mouse(std::string_view name, const QMouseEvent& event) {
        const Qt::MouseButtons buttons = name == "MouseMove" ? event.buttons() : event.button();
        view_.Pointer(name, ButtonStateOf(buttons), ShiftStateOf(event.modifiers()),
                      event.position().toPoint() - contentsRect().topLeft());
    }

    SurfaceView& view_;
    bool doubleClicked_ = false;
};

}  // namespace

SurfaceView::SurfaceView(forms::Control& control, FormWindow& window, SurfaceAccessor surface,
                         PointerSink pointer)
    : ViewBase(control, window), surface_(std::move(surface)), pointer_(std::move(pointer)) {
    SetWidget(new Canvas(*this));
}

void SurfaceView::Pointer(std::string_view event, int buttons, int shift, QPoint pixel) {
    if (!pointer_) return;
    std::vector<vb::Variant> args{
        vb::Variant(static_cast<vb::Integer>(buttons)),
        vb::Variant(static_cast<vb::Integer>(shift)),
        vb::Variant(static_cast<vb::Single>(gdi::PixelsToTwipsX(pixel.x()))),
        vb::Variant(static_cast<vb::Single>(gdi::PixelsToTwipsY(pixel.y())))};
    pointer_(Model(), event, args);
}

void SurfaceView::Pointer(std::string_view event) {
    if (!pointer_) return;
    std::vector<vb::Variant> none;
    pointer_(Model(), event, none);
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

ViewMaker SurfaceMaker(SurfaceAccessor surface, PointerSink pointer) {
    return [surface, pointer](forms::Control& control,
                              FormWindow& window) -> std::unique_ptr<ViewBase> {
        return std::make_unique<SurfaceView>(control, window, surface, pointer);
    };
}

void RegisterSurfaceType(const std::string& typeName, SurfaceAccessor surface) {
    RegisterViewType(typeName, SurfaceMaker(std::move(surface)));
}

}  // namespace qtview
