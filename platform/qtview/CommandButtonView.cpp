#include "platform/qtview/CommandButtonView.h"

#include <QPushButton>

#include "platform/forms/BasicControls.h"
#include "platform/qtview/Convert.h"

namespace qtview {

CommandButtonView::CommandButtonView(forms::Control& control, FormWindow& window)
    : ViewBase(control, window) {
    auto* button = new QPushButton;
    button->setAutoDefault(false);
    SetWidget(button);
    QObject::connect(button, &QPushButton::clicked, [this] {
        if (!Syncing()) static_cast<forms::CommandButton&>(Model()).Click();
    });
}

void CommandButtonView::Sync(std::string_view name) {
    auto& button = static_cast<QPushButton&>(*Widget());
    bool all = name.empty();
    if (all || name == "Caption")
        button.setText(ToQt(static_cast<const forms::CommandButton&>(Model()).Caption()));
    if (all || name == "Default") button.setDefault(Model().Get("Default").ToBool());
}

}  // namespace qtview
