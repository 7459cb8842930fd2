#include "platform/qtview/ToolbarView.h"

#include <QAction>
#include <QToolBar>

#include "platform/forms/ItemControls.h"
#include "platform/qtview/Convert.h"

namespace qtview {
namespace {

enum ButtonStyle { kDefault = 0, kCheck = 1, kGroup = 2, kSeparator = 3 };

forms::Toolbar& BarOf(forms::Control& control) {
    return static_cast<forms::Toolbar&>(control);
}

}  // namespace

ToolbarView::ToolbarView(forms::Control& control, FormWindow& window) : ViewBase(control, window) {
    SetWidget(new QToolBar);
}

void ToolbarView::Build() {
    auto& bar = static_cast<QToolBar&>(*Widget());
    bar.clear();
    actions_.clear();
    for (const auto& shared : BarOf(Model()).Buttons()) {
        if (shared->Get("Style").ToInteger() == kSeparator) {
            actions_.push_back(bar.addSeparator());
            continue;
        }
        QAction* action = bar.addAction(QString());
        QObject::connect(action, &QAction::triggered, [this, shared](bool checked) {
            if (!Syncing()) Press(shared, checked);
        });
        actions_.push_back(action);
    }
}

void ToolbarView::Press(const std::shared_ptr<forms::Item>& button, bool checked) {
    if (button->Get("Style").ToInteger() != kDefault)
        button->Let("Value", static_cast<vb::Integer>(checked ? 1 : 0));
    forms::EventArgs args{vb::Variant(vb::ObjectRef(button))};
    Model().RaiseEvent("ButtonClick", args);
}

void ToolbarView::Sync(std::string_view name) {
    auto& buttons = BarOf(Model()).Buttons();
    if (name.empty() || static_cast<vb::Long>(actions_.size()) != buttons.Count()) Build();
    size_t i = 0;
    for (const auto& button : buttons) {
        QAction* action = actions_[i++];
        int style = button->Get("Style").ToInteger();
        action->setVisible(button->Get("Visible").ToBool());
        if (style == kSeparator) continue;
        action->setText(ToQt(button->Get("Caption").ToString()));
        action->setToolTip(ToQt(button->Get("ToolTipText").ToString()));
        action->setEnabled(button->Get("Enabled").ToBool());
        action->setCheckable(style == kCheck || style == kGroup);
        action->setChecked(button->Get("Value").ToInteger() == 1);
    }
}

}  // namespace qtview
