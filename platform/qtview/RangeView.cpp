#include "platform/qtview/RangeView.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>
#include <functional>
#include <utility>

#include "platform/forms/RangeControl.h"

namespace qtview {
namespace {

constexpr int kFocusMargin = 2;

forms::RangeControl& RangeOf(forms::Control& control) {
    return static_cast<forms::RangeControl&>(control);
}

// A focus frame over `widget`, however the focus came (Qt's style draws one only after Tab).
void DrawFocusFrame(QWidget& widget) {
    QStylePainter painter(&widget);
    QStyleOptionFocusRect frame;
    frame.initFrom(&widget);
    frame.state |= QStyle::State_KeyboardFocusChange;
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

// A scroll bar that shows when it has the focus.
class FocusScrollBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void paintEvent(QPaintEvent* event) override {
        QScrollBar::paintEvent(event);
        if (hasFocus()) DrawFocusFrame(*this);
    }
};

// The up-down control's two arrows.  With the focus it shows a focus frame round them, and
// the arrow keys step the value as the arrows do, Page Up and Page Down by ten steps.
class ArrowPair : public QWidget {
public:
    explicit ArrowPair(std::function<void(int)> step) : step_(std::move(step)) {
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        static const std::pair<int, int> kSteps[] = {
            {Qt::Key_Up, 1},    {Qt::Key_Right, 1},      {Qt::Key_Down, -1},
            {Qt::Key_Left, -1}, {Qt::Key_PageUp, kPage}, {Qt::Key_PageDown, -kPage}};
        for (auto [key, steps] : kSteps) {
            if (event->key() != key) continue;
            step_(steps);
            return;
        }
        QWidget::keyPressEvent(event);
    }
    void paintEvent(QPaintEvent*) override {
        if (hasFocus()) DrawFocusFrame(*this);
    }

private:
    static constexpr int kPage = 10;
    std::function<void(int)> step_;
};

}  // namespace

ScrollBarView::ScrollBarView(forms::Control& control, FormWindow& window,
                             Qt::Orientation orientation)
    : ViewBase(control, window) {
    auto* bar = new FocusScrollBar(orientation);
    // As a desktop's scroll bar: Tab or a click gives it the keys, which move it; right and
    // down go towards Max (Qt turns the keys round on a bar across).
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setInvertedControls(orientation == Qt::Vertical);
    SetWidget(bar);
    QObject::connect(bar, &QScrollBar::valueChanged, [this](int value) {
        if (Syncing()) return;
        if (!Outlived([&] { RangeOf(Model()).SetValue(static_cast<vb::Integer>(value)); })) return;
        // A handler may have set the value back (a refused size).
        Quietly([&] { Sync("Value"); });
    });
}

void ScrollBarView::Sync(std::string_view name) {
    auto& bar = static_cast<QScrollBar&>(*Widget());
    const auto& model = RangeOf(Model());
    bool all = name.empty();
    if (all || name == "Min" || name == "Max") bar.setRange(model.Min(), model.Max());
    if (all || name == "SmallChange") bar.setSingleStep(model.Get("SmallChange").ToInteger());
    if (all || name == "LargeChange") bar.setPageStep(model.Get("LargeChange").ToInteger());
    if (all || name == "Value" || name == "Min" || name == "Max") bar.setValue(model.Value());
}

UpDownView::UpDownView(forms::Control& control, FormWindow& window) : ViewBase(control, window) {
    auto* arrows = new ArrowPair([this](int steps) {
        if (!Syncing()) RangeOf(Model()).Step(steps);
    });
    auto* layout = new QBoxLayout(QBoxLayout::TopToBottom, arrows);
    // Room for the focus frame round the arrows.
    layout->setContentsMargins(kFocusMargin, kFocusMargin, kFocusMargin, kFocusMargin);
    layout->setSpacing(0);
    up_ = new QToolButton;
    down_ = new QToolButton;
    for (auto [button, stepsOf] : {std::pair{up_, 1}, std::pair{down_, -1}}) {
        const int steps = stepsOf;  // clang 14 cannot capture a structured binding
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumSize(0, 0);
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        QObject::connect(button, &QToolButton::clicked, [this, steps] {
            if (!Syncing()) RangeOf(Model()).Step(steps);
        });
    }
    SetWidget(arrows);
}

void UpDownView::Sync(std::string_view name) {
    if (!name.empty() && name != "Orientation") return;
    auto* layout = static_cast<QBoxLayout*>(Widget()->layout());
    const bool across = Model().Get("Orientation").ToInteger() == 1;
    // The lower arrow comes first across, the upper one first down.
    layout->removeWidget(up_);
    layout->removeWidget(down_);
    layout->setDirection(across ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    layout->addWidget(across ? down_ : up_);
    layout->addWidget(across ? up_ : down_);
    up_->setArrowType(across ? Qt::RightArrow : Qt::UpArrow);
    down_->setArrowType(across ? Qt::LeftArrow : Qt::DownArrow);
}

}  // namespace qtview
