#include "platform/qtview/MenuView.h"

#include <QMenu>
#include <QMenuBar>

#include "platform/forms/BasicControls.h"
#include "platform/qtview/Convert.h"
#include "platform/qtview/FormWindow.h"

namespace qtview {

MenuView::MenuView(forms::Control& control, FormWindow& window) : ViewBase(control, window) {}

// The menu may be the one still delivering the person's choice (an Exit item that unloads
// its window): it leaves its owner at once and is deleted once Qt is done with it.
MenuView::~MenuView() {
    if (owner_ && action_) owner_->removeAction(action_);
    if (menu_)
        menu_->deleteLater();
    else if (action_)
        action_->deleteLater();
}

bool MenuView::HoldsItems() const {
    for (const auto& other : Model().Parent().Controls()) {
        if (other.get() == &Model() || other->TypeName() != Model().TypeName()) continue;
        if (ViewBase* parent = Window().ViewNamed(other->Container()); parent == this) return true;
    }
    return false;
}

void MenuView::Attach() {
    auto* parent = dynamic_cast<MenuView*>(Window().ViewNamed(Model().Container()));
    QWidget* owner =
        parent && parent->SubMenu() ? static_cast<QWidget*>(parent->SubMenu()) : Window().menuBar();
    if (HoldsItems()) {
        menu_ = new QMenu(owner);
        action_ = menu_->menuAction();
    } else {
        action_ = new QAction(owner);
        QObject::connect(action_, &QAction::triggered, [this] {
            // An item may unload its window (Exit), and the window's views with it.
            if (!Syncing() && !Outlived([this] { static_cast<forms::Menu&>(Model()).Click(); }))
                return;
            Quietly([&] { Sync("Checked"); });
        });
    }
    owner->addAction(action_);
    owner_ = owner;
    ViewBase::Attach();
}

void MenuView::Sync(std::string_view name) {
    if (!action_) return;
    const auto& menu = static_cast<const forms::Menu&>(Model());
    bool all = name.empty();
    if (all || name == "Caption") {
        action_->setSeparator(menu.Caption() == "-");
        action_->setText(ToQt(menu.Caption()));
        if (menu_) menu_->setTitle(ToQt(menu.Caption()));
    }
    if (all || name == "Checked") {
        bool checked = menu.Get("Checked").ToBool();
        action_->setCheckable(checked || action_->isCheckable());
        action_->setChecked(checked);
    }
    if (all || name == "Enabled") action_->setEnabled(menu.Enabled());
    if (all || name == "Visible") action_->setVisible(menu.Visible());
}

}  // namespace qtview
