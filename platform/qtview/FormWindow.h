#pragma once

#include <QMainWindow>
#include <QMargins>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/forms/Form.h"
#include "platform/qtview/ViewBase.h"

class QKeyEvent;

namespace qtview {

// The on-screen window of one loaded Form: its menu bar and toolbars on top and, below them,
// the client area where every control's widget sits at the control's position.  The Form's
// caption, placement and window state follow both ways.
class FormWindow : public QMainWindow {
public:
    explicit FormWindow(forms::Form& form);
    ~FormWindow() override;

    forms::Form& Model() const { return *form_; }
    QWidget* Client() const { return client_; }
    // A toolbar: it goes above the client area, under the ones before it.
    void AddToolRow(QWidget* row);

    // A view for every control of the form (the form has just built them).  A hidden window
    // gets at once only the bars that measure its frame; the other views come when it is
    // first shown or asked for one of them.
    void BuildViews();
    void BuildPutOffViews();
    void AddControl(forms::Control& control);
    void RemoveControl(forms::Control& control);
    // The form unloads: its controls go, and so do their views; the window no longer follows
    // the form and waits to be deleted.
    void Detach();

    ViewBase* ViewOf(const forms::Control& control) const;
    // The view of the control a Container property names ("fraSize", "Frame(2)").
    ViewBase* ViewNamed(std::string_view name) const;
    // The widget that holds controls of container `name` ("fraSize", "Frame(2)"); the client
    // area for "" or a name that holds nothing.
    QWidget* ContainerArea(const std::string& name) const;
    // The control whose widget has the keyboard focus, if any.
    forms::Control* FocusedControl() const;

    // A property of the Form changed (from code).
    void FollowModel(std::string_view name);
    // A person's key, before the focused widget handles it (down) or after (up).
    // True when a button of the window took the key (Enter, Escape), or when it is an Alt
    // combination that Qt's own mnemonics (menus, buttons, tabs) left: no widget sees it.
    bool KeyFromPerson(const QKeyEvent& event, bool down);
    // Shows the window at the form's placement.
    void ShowPlaced();
    // Repaints every widget now, owner-drawn surfaces included.
    void RepaintNow();
    // The bars above the client area changed: the window grows or shrinks so that the client
    // area keeps the form's inner size.
    void FitToClient();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab goes the way the form orders its controls (TabIndex, TabStop, one stop per option
    // group and per toolbar), not the order the widgets were made in.
    bool focusNextPrevChild(bool next) override;

private:
    void DropViews();
    // Menus and toolbars above the client area: they decide the window's frame.
    static bool IsBar(const forms::Control& control);
    // Makes and attaches the views of the form's bars (menus, toolbars), of its other
    // controls, or of both.
    void AddViews(bool bars, bool others);
    void ApplyWindowStyle();
    void PlaceFromModel();
    void SettleLayouts();
    // A window coming up gives the keyboard to the control its form made active, else to the
    // first control in tab order that takes keys: typing reaches it without a click.
    void FocusFirstControl();
    bool TakesKeys(const ViewBase* view) const;
    // Alt with a letter no menu, button or tab took: a label that marks it hands the focus
    // on; else the desktop beeps.
    void ReachMnemonic(vb::Integer keyCode);
    // The window's frame or bars changed, or a person or the window manager moved or
    // resized it: the form hears of it.
    void GeometryChanged();
    void ReportPlacement();
    // The runtime chose the window's first place (centred on the screen or its owner).
    bool CentredAtStart() const;
    void StateChangedByPerson();
    // The form's placement becomes `outer`, the window's frame on the screen.
    void ModelTakes(const QRect& outer);
    // The frame the desktop draws around the window, in pixels.
    QMargins Decoration() const;
    forms::NonClient Measured(const QMargins& decoration) const;
    QRect OuterOfModel() const;
    // Keeps the caption and the bars of a window within reach on some screen.
    QRect Reachable(const QRect& outer, int strip) const;

    forms::Form* form_;
    QWidget* client_ = nullptr;
    QWidget* toolArea_ = nullptr;
    std::vector<std::unique_ptr<ViewBase>> views_;
    bool viewsPutOff_ = false;
    bool syncing_ = false;  // the model and the window are being brought into step
    QRect requested_;       // the geometry last asked of the window
    QMargins placedWith_;   // the frame that request assumed
};

}  // namespace qtview
