#include "platform/qtview/RangeView.h"

#include <QBoxLayout>
#include <QScrollBar>
#include <QToolButton>
#include <utility>

#include "platform/forms/RangeControl.h"

namespace qtview {
namespace {

forms::RangeControl& RangeOf(forms::Control& control) {
    return static_cast<forms::RangeControl&>(control);
}

}  // namespace

ScrollBarView::ScrollBarView(forms::Control& control, FormWindow& window,
                             Qt::Orientation orientation)
    : ViewBase(control, window) {
    auto* bar = new QScrollBar(orientation);
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
    auto* arrows = new QWidget;
    auto* layout = new QBoxLayout(QBoxLayout::TopToBottom, arrows);
    layout->setContentsMargins(0, 0, 0, 0);
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
