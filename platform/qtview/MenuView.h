#pragma once

#include <QAction>
#include <QMenu>
#include <QPointer>

#include "platform/qtview/ViewBase.h"

namespace qtview {

// A menu control: a title on the window's menu bar, or an item of the menu its Container
// names; a caption of "-" is a separator.  Choosing the item raises Click.
class MenuView : public ViewBase {
public:
    MenuView(forms::Control& control, FormWindow& window);
    ~MenuView() override;

    void Attach() override;
    // The menu this control opens; nullptr when no menu control names it as its container.
    QMenu* SubMenu() const { return menu_; }

protected:
    void Sync(std::string_view name) override;

private:
    bool HoldsItems() const;

    QPointer<QAction> action_;
    QPointer<QMenu> menu_;
    QPointer<QWidget> owner_;
};

}  // namespace qtview
