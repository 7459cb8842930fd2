#include "platform/qtview/OptionButtonView.h"

#include <QRadioButton>

#include "platform/forms/CheckBox.h"
#include "platform/qtview/Convert.h"

namespace qtview {

OptionButtonView::OptionButtonView(forms::Control& control, FormWindow& window)
    : ViewBase(control, window) {
    auto* button = new QRadioButton;
    // The model clears the siblings of the button's container.
    button->setAutoExclusive(false);
    SetWidget(button);
    QObject::connect(button, &QRadioButton::clicked, [this] {
        if (Syncing()) return;
        if (!Outlived([this] { static_cast<forms::OptionButton&>(Model()).Click(); })) return;
        Quietly([&] { Sync("Value"); });
    });
}

void OptionButtonView::Sync(std::string_view name) {
    auto& button = static_cast<QRadioButton&>(*Widget());
    const auto& model = static_cast<const forms::OptionButton&>(Model());
    bool all = name.empty();
    if (all || name == "Caption") button.setText(ToQt(model.Caption()));
    if (all || name == "Value") button.setChecked(model.Value());
    if (all || name == "BackColor") ShowColors(button);
}

}  // namespace qtview
