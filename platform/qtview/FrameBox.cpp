#include "platform/qtview/FrameBox.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace qtview {
namespace {

// The caption stands in from the frame's edge, clear of the window's edge for a frame at 0.
constexpr int kCaptionIndent = 6;

// The application's style, but for the caption's place and a box's missing border.
class FrameStyle : public QProxyStyle {
public:
    FrameStyle() : QProxyStyle(QApplication::style()->name()) {}

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        const auto* box = dynamic_cast<const FrameBox*>(widget);
        const auto* frame = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control == CC_GroupBox && part == SC_GroupBoxLabel && box && frame)
            return CaptionRect(*frame, *box);
        return QProxyStyle::subControlRect(control, option, part, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* box = dynamic_cast<const FrameBox*>(widget);
        const auto* frame = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control == CC_GroupBox && box && frame)
            DrawBox(*frame, *painter, *box);
        else
            QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

private:
    // As wide as the caption and a space after it, its letters centred in that.
    QRect CaptionRect(const QStyleOptionGroupBox& option, const FrameBox& box) const {
        const QFontMetrics& metrics = option.fontMetrics;
        QSize size(std::max(metrics.horizontalAdvance(option.text),
                            metrics.size(Qt::TextShowMnemonic, option.text + u' ').width()),
                   metrics.height());
        if (box.Bordered()) return QRect(QPoint(kCaptionIndent, 0), size);
        QRect native = QProxyStyle::subControlRect(CC_GroupBox, &option, SC_GroupBoxLabel, &box);
        return QRect(native.topLeft(), size.expandedTo(native.size()));
    }

    void DrawBox(const QStyleOptionGroupBox& option, QPainter& painter, const FrameBox& box) const {
        if (box.Bordered()) {
            QStyleOptionFrame frame;
            frame.QStyleOption::operator=(option);
            frame.features = option.features;
            frame.lineWidth = option.lineWidth;
            frame.midLineWidth = option.midLineWidth;
            frame.rect = subControlRect(CC_GroupBox, &option, SC_GroupBoxFrame, &box);
            drawPrimitive(PE_FrameGroupBox, &frame, &painter, &box);
        }
        if (option.text.isEmpty()) return;
        int alignment = Qt::AlignCenter | Qt::TextShowMnemonic;
        if (!styleHint(SH_UnderlineShortcut, &option, &box)) alignment |= Qt::TextHideMnemonic;
        drawItemText(&painter, CaptionRect(option, box), alignment, option.palette,
                     option.state & State_Enabled, option.text, QPalette::WindowText);
    }
};

// One for every frame of the run.
QStyle* TheFrameStyle() {
    static QPointer<FrameStyle> style;
    if (!style) {
        style = new FrameStyle;
        style->setParent(qApp);
    }
    return style;
}

}  // namespace

FrameBox::FrameBox() {
    setStyle(TheFrameStyle());
}

void FrameBox::SetBordered(bool bordered) {
    if (bordered == bordered_) return;
    bordered_ = bordered;
    update();
}

}  // namespace qtview
