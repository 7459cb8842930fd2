#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string_view>

#include "platform/forms/Control.h"

namespace qtview {

class FormWindow;

// The on-screen half of one control.  The model stays the truth: a property set from code
// reaches the widget through PropertyChanged (the widget's own signals are ignored meanwhile,
// so nothing echoes back), and a person's action on the widget becomes the property set or
// event that the runtime raises for it.  Each control type adds one small subclass.
class ViewBase : public forms::ControlView {
public:
    ViewBase(forms::Control& control, FormWindow& window);
    ~ViewBase() override;
    ViewBase(const ViewBase&) = delete;
    ViewBase& operator=(const ViewBase&) = delete;

    forms::Control& Model() const { return *control_; }
    FormWindow& Window() const { return *window_; }
    // nullptr for controls that are invisible at run time (dialogs, image lists, menus).
    QWidget* Widget() const { return widget_; }
    // Where the controls that name this one as their Container sit.
    virtual QWidget* ChildArea() const { return nullptr; }
    // The widget that takes the keyboard while the control has the focus.
    virtual QWidget* FocusTarget() const { return widget_; }

    // Once every view of the window exists: into the container, then the model's state.
    virtual void Attach();
    // The container was resized: docked controls follow it.
    void ContainerResized() { Place(); }
    void PropertyChanged(forms::Control& control, std::string_view name) final;

    // The view a widget, or a part of one, belongs to.
    static ViewBase* Of(const QWidget* widget);

protected:
    // Takes the widget; it becomes a child of its container's area, or of the window's client
    // area while the container has no view yet.
    void SetWidget(QWidget* widget);
    // Shows the type's own properties; an empty name asks for all of them.
    virtual void Sync(std::string_view name) = 0;
    // True while the view writes the model into the widget: signals then come from code.
    bool Syncing() const { return syncing_ > 0; }
    // Geometry from the model; a control with Align 1 (top) or 2 (bottom) spans its container.
    virtual void Place();
    // ForeColor, BackColor and BackStyle (0 transparent) of the model, where it has them.
    void ShowColors(QWidget& widget) const;
    bool SameColourAsContainer() const;
    // A person's click on a widget that has no click signal of its own.
    void OnClick(QWidget& widget, std::function<void()> action);
    // Runs a person's action on the model; false when a handler it ran took this view away
    // (it unloaded the window or the control), and the view must not be touched any more.
    template <class F>
    bool Outlived(F&& action) {
        std::weak_ptr<int> alive = alive_;
        action();
        return !alive.expired();
    }
    // Runs `write` as a write of the model into the widget.
    template <class F>
    void Quietly(F&& write) {
        ++syncing_;
        write();
        --syncing_;
    }

private:
    void SyncCommon(std::string_view name);
    void Reparent();

    forms::Control* control_;
    FormWindow* window_;
    QPointer<QWidget> widget_;
    int syncing_ = 0;
    std::shared_ptr<int> alive_ = std::make_shared<int>();
};

}  // namespace qtview
