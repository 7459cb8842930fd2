#include "platform/qtview/ViewBase.h"

#include <QAbstractItemView>
#include <QMouseEvent>

#include "platform/qtview/Convert.h"
#include "platform/qtview/FormWindow.h"

namespace qtview {
namespace {

const char* const kViewProperty = "zrtView";

constexpr int kAlignTop = 1;
constexpr int kAlignBottom = 2;

}  // namespace

ViewBase::ViewBase(forms::Control& control, FormWindow& window)
    : control_(&control), window_(&window) {
    control.SetView(this);
}

ViewBase::~ViewBase() {
    if (control_->View() == this) control_->SetView(nullptr);
    delete widget_.data();
}

ViewBase* ViewBase::Of(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        QVariant view = w->property(kViewProperty);
        if (view.isValid()) return static_cast<ViewBase*>(view.value<void*>());
    }
    return nullptr;
}

void ViewBase::SetWidget(QWidget* widget) {
    widget_ = widget;
    // In its container from the start where that has its view already: attaching moves nothing.
    widget->setParent(window_->ContainerArea(control_->Container()));
    widget->setProperty(kViewProperty, QVariant::fromValue(static_cast<void*>(this)));
    // In a grid, list or tree the arrows move; Tab goes on to the next control.
    if (auto* items = qobject_cast<QAbstractItemView*>(widget)) items->setTabKeyNavigation(false);
}

void ViewBase::Attach() {
    Quietly([&] {
        if (widget_) Reparent();
        SyncCommon({});
        Sync({});
    });
}

void ViewBase::PropertyChanged(forms::Control&, std::string_view name) {
    Quietly([&] {
        SyncCommon(name);
        Sync(name);
    });
}

void ViewBase::SyncCommon(std::string_view name) {
    if (name == "Focus") {
        if (QWidget* target = FocusTarget()) target->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!widget_) return;
    bool all = name.empty();
    if (all || name == "Size" || name == "Position" || name == "Align") Place();
    if (name == "Container") Reparent();
    if (all || name == "Visible") widget_->setVisible(control_->Visible());
    if (all || name == "Enabled") widget_->setEnabled(control_->Enabled());
    if (all || name == "Font") widget_->setFont(ToQFont(*control_->Font()));
    if (all || name == "ToolTipText") widget_->setToolTip(ToQt(control_->ToolTipText()));
}

void ViewBase::Reparent() {
    QWidget* area = window_->ContainerArea(control_->Container());
    if (widget_->parentWidget() != area) widget_->setParent(area);
    Place();
    widget_->setVisible(control_->Visible());
}

void ViewBase::ShowColors(QWidget& widget) const {
    QPalette palette = widget.palette();
    if (control_->HasProperty("ForeColor")) {
        QColor fore = ToQColor(control_->Get("ForeColor"));
        palette.setColor(QPalette::WindowText, fore);
        palette.setColor(QPalette::Text, fore);
        palette.setColor(QPalette::ButtonText, fore);
    }
    // A control of its container's colour lets the container show through, so that it does
    // not stand out as a box of a slightly different shade.
    bool opaque =
        (!control_->HasProperty("BackStyle") || control_->Get("BackStyle").ToInteger() != 0) &&
        !SameColourAsContainer();
    if (control_->HasProperty("BackColor") && opaque) {
        QColor back = ToQColor(control_->Get("BackColor"));
        palette.setColor(QPalette::Window, back);
        palette.setColor(QPalette::Base, back);
        palette.setColor(QPalette::Button, back);
    }
    widget.setPalette(palette);
    widget.setAutoFillBackground(opaque && control_->HasProperty("BackColor"));
}

bool ViewBase::SameColourAsContainer() const {
    if (!control_->HasProperty("BackColor")) return false;
    const forms::PropertyObject* container = &window_->Model();
    if (ViewBase* holder = window_->ViewNamed(control_->Container())) container = &holder->Model();
    if (!container->HasProperty("BackColor")) return false;
    return control_->Get("BackColor").ToLong() == container->Get("BackColor").ToLong();
}

namespace {

// Turns a released left button into a click.
class ClickFilter : public QObject {
public:
    ClickFilter(QObject* parent, std::function<void()> action)
        : QObject(parent), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            action_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> action_;
};

}  // namespace

void ViewBase::OnClick(QWidget& widget, std::function<void()> action) {
    widget.installEventFilter(new ClickFilter(&widget, std::move(action)));
}

void ViewBase::Place() {
    if (!widget_) return;
    QRect box =
        TwipsToPixels(control_->Left(), control_->Top(), control_->Width(), control_->Height());
    int align = control_->HasProperty("Align") ? control_->Get("Align").ToInteger() : 0;
    if (QWidget* parent = widget_->parentWidget(); parent && align == kAlignTop) {
        box = QRect(0, 0, parent->width(), box.height());
    } else if (parent && align == kAlignBottom) {
        box = QRect(0, parent->height() - box.height(), parent->width(), box.height());
    }
    widget_->setGeometry(box);
}

}  // namespace qtview
