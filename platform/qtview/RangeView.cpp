#include "platform/qtview/RangeView.h"

#include <QScrollBar>
#include <QSpinBox>

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
        RangeOf(Model()).SetValue(static_cast<vb::Integer>(value));
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
    auto* box = new QSpinBox;
    box->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    SetWidget(box);
    QObject::connect(box, &QSpinBox::valueChanged, [this](int value) {
        if (Syncing()) return;
        RangeOf(Model()).SetValue(static_cast<vb::Integer>(value));
        Quietly([&] { Sync("Value"); });
    });
}

void UpDownView::Sync(std::string_view name) {
    auto& box = static_cast<QSpinBox&>(*Widget());
    const auto& model = RangeOf(Model());
    bool all = name.empty();
    if (all || name == "Min" || name == "Max") box.setRange(model.Min(), model.Max());
    if (all || name == "Increment") box.setSingleStep(model.Get("Increment").ToInteger());
    if (all || name == "Value" || name == "Min" || name == "Max") box.setValue(model.Value());
}

}  // namespace qtview
