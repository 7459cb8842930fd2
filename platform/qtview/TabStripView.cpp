#include "platform/qtview/TabStripView.h"

#include <QEvent>
#include <QFrame>
#include <QTabBar>
#include <QVBoxLayout>

#include "platform/forms/Focus.h"
#include "platform/forms/ItemControls.h"
#include "platform/qtview/Convert.h"
#include "platform/qtview/FormWindow.h"

namespace qtview {
namespace {

forms::TabStrip& StripOf(forms::Control& control) {
    return static_cast<forms::TabStrip&>(control);
}

// A tab's mnemonic selects the tab as Qt's does, then hands the keyboard to the page.
class TabMnemonic : public QObject {
public:
    TabMnemonic(QObject* tabs, TabStripView& view) : QObject(tabs), view_(&view) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Shortcut) return false;
        // The tab bar's own handling first: its page comes on show.
        const bool taken = watched->event(event);
        if (taken) view_->FocusPage();
        return taken;
    }

private:
    TabStripView* view_;
};

}  // namespace

TabStripView::TabStripView(forms::Control& control, FormWindow& window)
    : ViewBase(control, window) {
    auto* strip = new QWidget;
    auto* layout = new QVBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* tabs = new QTabBar;
    tabs->setDrawBase(false);
    tabs->setExpanding(false);
    auto* body = new QFrame;
    body->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    layout->addWidget(tabs);
    layout->addWidget(body, 1);
    SetWidget(strip);
    tabs->installEventFilter(new TabMnemonic(tabs, *this));
    QObject::connect(tabs, &QTabBar::tabBarClicked, [this](int index) {
        if (!Syncing() && index >= 0) StripOf(Model()).Select(index + 1);
    });
    QObject::connect(tabs, &QTabBar::currentChanged, [this](int index) {
        // Keys move the selection without a click.
        forms::TabStrip& model = StripOf(Model());
        if (!Syncing() && index >= 0 && index + 1 != model.SelectedIndex()) model.Select(index + 1);
    });
}

void TabStripView::Attach() {
    ViewBase::Attach();
    // The pages are frames laid over the strip's panel.
    Widget()->lower();
}

void TabStripView::FocusPage() {
    forms::Form& form = Window().Model();
    const QRect body(Widget()->mapTo(&Window(), QPoint(0, 0)), Widget()->size());
    const forms::Control* from = &Model();
    for (size_t step = 0; step < form.Controls().size(); ++step) {
        forms::Control* next = forms::NextInTabOrder(form, from);
        if (!next || next == &Model()) return;
        ViewBase* view = Window().ViewOf(*next);
        QWidget* target = view ? view->FocusTarget() : nullptr;
        // Pages not on show lie off the strip, out of sight.
        if (target && !target->visibleRegion().isEmpty() &&
            body.contains(target->mapTo(&Window(), QPoint(0, 0)))) {
            target->setFocus(Qt::ShortcutFocusReason);
            return;
        }
        from = next;
    }
}

void TabStripView::Sync(std::string_view) {
    auto* tabs = Widget()->findChild<QTabBar*>();
    forms::TabStrip& model = StripOf(Model());
    auto count = static_cast<int>(model.Tabs().Count());
    while (tabs->count() > count)
        tabs->removeTab(tabs->count() - 1);
    while (tabs->count() < count)
        tabs->addTab(QString());
    for (int i = 0; i < count; ++i) {
        const forms::Item& tab = model.Tabs()(i + 1);
        tabs->setTabText(i, ToQt(tab.Get("Caption").ToString()));
        tabs->setTabToolTip(i, ToQt(tab.Get("ToolTipText").ToString()));
    }
    tabs->setCurrentIndex(static_cast<int>(model.SelectedIndex()) - 1);
}

}  // namespace qtview
