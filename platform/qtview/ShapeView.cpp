#include "platform/qtview/ShapeView.h"

#include <QPainter>
#include <algorithm>

#include "platform/qtview/Convert.h"

namespace qtview {
namespace {

enum Kind { kRectangle, kSquare, kOval, kCircle, kRoundedRectangle, kRoundedSquare };
constexpr int kTransparent = 0;
constexpr int kFillSolid = 0;
constexpr int kFillTransparent = 1;

class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(const forms::Control& model) : model_(model) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        int kind = model_.Get("Shape").ToInteger();
        QRectF box = Box(kind);
        if (model_.Get("BackStyle").ToInteger() != kTransparent)
            Draw(painter, kind, box, Qt::NoPen, ToQColor(model_.Get("BackColor")));
        int fill = model_.Get("FillStyle").ToInteger();
        QBrush brush = fill == kFillTransparent ? QBrush(Qt::NoBrush)
                       : fill == kFillSolid
                           ? QBrush(ToQColor(model_.Get("FillColor")))
                           : QBrush(ToQColor(model_.Get("FillColor")), Qt::CrossPattern);
        QPen pen(Qt::NoPen);
        if (model_.Get("BorderStyle").ToInteger() != kTransparent) {
            pen = QPen(ToQColor(model_.Get("BorderColor")),
                       std::max<int>(1, model_.Get("BorderWidth").ToInteger()));
            pen.setJoinStyle(Qt::MiterJoin);
        }
        Draw(painter, kind, box, pen, brush);
    }

private:
    QRectF Box(int kind) const {
        QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        bool square = kind == kSquare || kind == kCircle || kind == kRoundedSquare;
        if (!square) return box;
        qreal side = std::min(box.width(), box.height());
        return QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }

    static void Draw(QPainter& painter, int kind, const QRectF& box, const QPen& pen,
                     const QBrush& brush) {
        painter.setPen(pen);
        painter.setBrush(brush);
        if (kind == kOval || kind == kCircle) {
            painter.drawEllipse(box);
        } else if (kind == kRoundedRectangle || kind == kRoundedSquare) {
            qreal radius = std::min(box.width(), box.height()) / 6;
            painter.drawRoundedRect(box, radius, radius);
        } else {
            painter.drawRect(box);
        }
    }

    const forms::Control& model_;
};

}  // namespace

ShapeView::ShapeView(forms::Control& control, FormWindow& window) : ViewBase(control, window) {
    SetWidget(new ShapeWidget(control));
}

void ShapeView::Sync(std::string_view) {
    Widget()->update();
}

}  // namespace qtview
