#include "platform/qtview/FormWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "platform/forms/Focus.h"
#include "platform/forms/Host.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/Mnemonics.h"
#include "platform/qtview/Convert.h"
#include "platform/qtview/ViewFactory.h"

namespace qtview {
namespace {

// A caption strip this wide on a screen is enough to grab the window.
constexpr int kGripWidth = 48;

// The frame the window manager drew around the last decorated window shown: windows not yet
// on screen are placed with it.
QMargins knownDecoration;

// The form whose Activate ran last: switching back to it from another program is no
// activation of the program's windows.
const forms::Form* lastActivated = nullptr;

// Alt with a key that makes a character, without Ctrl (AltGr types on some desktops).
bool IsAltText(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held = event.modifiers();
    const QString text = event.text();
    return (held & Qt::AltModifier) && !(held & (Qt::ControlModifier | Qt::MetaModifier)) &&
           !text.isEmpty() && text[0].isPrint();
}

}  // namespace

FormWindow::FormWindow(forms::Form& form) : form_(&form) {
    // The toolbars and, under them, the client area where the controls sit.
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    toolArea_ = new QWidget(central);
    auto* rows = new QVBoxLayout(toolArea_);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    client_ = new QWidget(central);
    column->addWidget(toolArea_);
    column->addWidget(client_, 1);
    setCentralWidget(central);
    client_->installEventFilter(this);
    ApplyWindowStyle();
    FollowModel("Caption");
    FollowModel("BackColor");
    PlaceFromModel();
}

FormWindow::~FormWindow() {
    DropViews();
}

void FormWindow::AddToolRow(QWidget* row) {
    toolArea_->layout()->addWidget(row);
}

void FormWindow::BuildViews() {
    viewsPutOff_ = !form_->Visible();
    AddViews(true, !viewsPutOff_);
    // Menus and toolbars may have come with the controls.
    PlaceFromModel();
}

void FormWindow::BuildPutOffViews() {
    if (!viewsPutOff_ || !form_) return;
    viewsPutOff_ = false;
    AddViews(false, true);
}

// Views are attached only once all of them are made: a view may look for its container's.
void FormWindow::AddViews(bool bars, bool others) {
    const size_t first = views_.size();
    for (const auto& control : form_->Controls())
        if (IsBar(*control) ? bars : others) views_.push_back(CreateView(*control, *this));
    for (size_t i = first; i < views_.size(); ++i)
        views_[i]->Attach();
}

bool FormWindow::IsBar(const forms::Control& control) {
    return control.TypeName() == "Menu" || control.TypeName() == "SSActiveToolBars";
}

void FormWindow::AddControl(forms::Control& control) {
    if (viewsPutOff_ && !IsBar(control)) return;
    views_.push_back(CreateView(control, *this));
    views_.back()->Attach();
    PlaceFromModel();
}

void FormWindow::RemoveControl(forms::Control& control) {
    std::erase_if(views_, [&](const auto& view) { return &view->Model() == &control; });
}

void FormWindow::Detach() {
    DropViews();
    form_ = nullptr;
}

void FormWindow::DropViews() {
    if (lastActivated == form_) lastActivated = nullptr;
    while (!views_.empty())
        views_.pop_back();
}

ViewBase* FormWindow::ViewOf(const forms::Control& control) const {
    for (const auto& view : views_)
        if (&view->Model() == &control) return view.get();
    return nullptr;
}

ViewBase* FormWindow::ViewNamed(std::string_view name) const {
    forms::Control* control = form_ ? form_->ControlByContainerName(name) : nullptr;
    return control ? ViewOf(*control) : nullptr;
}

QWidget* FormWindow::ContainerArea(const std::string& name) const {
    if (name.empty()) return client_;
    ViewBase* view = ViewNamed(name);
    return view && view->ChildArea() ? view->ChildArea() : client_;
}

forms::Control* FormWindow::FocusedControl() const {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != this) return nullptr;
    ViewBase* view = ViewBase::Of(focus);
    return view && &view->Window() == this ? &view->Model() : nullptr;
}

void FormWindow::FollowModel(std::string_view name) {
    if (name == "Caption") {
        // The desktop names a window without a caption after the program, not its file.
        const std::string& caption = form_->Caption();
        setWindowTitle(ToQt(caption.empty() ? forms::App().Title : caption));
    } else if (name == "Size" || name == "Position") {
        PlaceFromModel();
    } else if (name == "WindowState") {
        if (syncing_) return;
        syncing_ = true;
        static const Qt::WindowStates states[] = {Qt::WindowNoState, Qt::WindowMinimized,
                                                  Qt::WindowMaximized};
        setWindowState(states[form_->WindowState()]);
        syncing_ = false;
    } else if (name == "BackColor") {
        QPalette palette = client_->palette();
        palette.setColor(QPalette::Window, ToQColor(form_->Get("BackColor")));
        client_->setPalette(palette);
        client_->setAutoFillBackground(true);
    } else if (name == "Enabled") {
        setEnabled(form_->Get("Enabled").ToBool());
    }
}

void FormWindow::FitToClient() {
    PlaceFromModel();
}

void FormWindow::SettleLayouts() {
    // A hidden window's layouts do not follow its size by themselves, nor do they at once
    // when a toolbar comes or goes.  The window gives the central area its size, which gives
    // the toolbars and the client theirs, and each toolbar lays out its tools.
    std::vector<QLayout*> layouts = {layout(), centralWidget()->layout(), toolArea_->layout()};
    for (QWidget* row : toolArea_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        row->updateGeometry();
        if (row->layout()) layouts.push_back(row->layout());
    }
    toolArea_->updateGeometry();
    for (QLayout* settling : layouts)
        settling->invalidate();
    for (QLayout* settling : layouts)
        settling->activate();
}

QMargins FormWindow::Decoration() const {
    if (windowFlags() & Qt::FramelessWindowHint) return {};
    // A window manager frames a window some time after it is mapped; until it has, the
    // frame of the windows before it is the best guess.
    if (windowHandle()) {
        QMargins frame = windowHandle()->frameMargins();
        if (!frame.isNull()) {
            knownDecoration = frame;
            return frame;
        }
    }
    return knownDecoration;
}

forms::NonClient FormWindow::Measured(const QMargins& decoration) const {
    QRect inner(client_->mapTo(this, QPoint(0, 0)), client_->size());
    return {
        static_cast<float>(PixelsToTwipsX(decoration.left() + inner.left())),
        static_cast<float>(PixelsToTwipsY(decoration.top() + inner.top())),
        static_cast<float>(PixelsToTwipsX(decoration.right() + width() - 1 - inner.right())),
        static_cast<float>(PixelsToTwipsY(decoration.bottom() + height() - 1 - inner.bottom()))};
}

QRect FormWindow::OuterOfModel() const {
    return TwipsToPixels(form_->Left(), form_->Top(), form_->Width(), form_->Height());
}

QRect FormWindow::Reachable(const QRect& outer, int strip) const {
    QRect caption(outer.topLeft(), QSize(outer.width(), strip));
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (QScreen* shown : screens) {
        QRect held = caption & shown->availableGeometry();
        if (held.height() == strip && held.width() >= std::min(kGripWidth, outer.width()))
            return outer;
    }
    QScreen* nearest = QGuiApplication::screenAt(outer.center());
    if (!nearest) nearest = QGuiApplication::primaryScreen();
    if (!nearest) return outer;
    // Out of reach: the whole window comes onto the nearest screen, as far as it fits.
    const QRect room = nearest->availableGeometry();
    QRect moved = outer;
    moved.moveLeft(std::max(room.left(), std::min(outer.left(), room.right() + 1 - outer.width())));
    moved.moveTop(std::max(room.top(), std::min(outer.top(), room.bottom() + 1 - outer.height())));
    return moved;
}

void FormWindow::PlaceFromModel() {
    if (syncing_ || !form_) return;
    // A maximised or minimised window has the place the window manager gives it.
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) {
        SettleLayouts();
        if (!(windowState() & Qt::WindowMinimized)) ReportPlacement();
        return;
    }
    syncing_ = true;
    // Some platforms know the frame as soon as the window exists.
    if (!windowHandle()) create();
    // The bars above the inner area are measured at the window's width and given to the
    // form, which then says how large the window is; a second round settles bars that wrap.
    for (int round = 0; round < 3; ++round) {
        QMargins decoration = Decoration();
        QRect outer = OuterOfModel();
        QRect placed = Reachable(outer, decoration.top() + std::max(0, client_->y()));
        requested_ = placed.marginsRemoved(decoration);
        placedWith_ = decoration;
        // A window without a sizing border has the size its form gives it, and no other.
        if (!form_->Sizable()) {
            setMinimumSize(0, 0);
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
        setGeometry(requested_);
        SettleLayouts();
        if (!form_->Sizable()) setFixedSize(size());
        forms::NonClient frame = Measured(decoration);
        if (placed.topLeft() != outer.topLeft())
            form_->Move(static_cast<vb::Single>(PixelsToTwipsX(placed.left())),
                        static_cast<vb::Single>(PixelsToTwipsY(placed.top())), form_->Width(),
                        form_->Height());
        if (frame == form_->Frame()) break;
        form_->SetFrame(frame);
    }
    syncing_ = false;
    // The window could not take the size asked (its bars need more room): the form hears.
    if (geometry() != requested_) ReportPlacement();
}
bool FormWindow::KeyFromPerson(const QKeyEvent& event, bool down) {
    int code = KeyCodeOf(event);
    if (code == 0 || !form_ || !form_->IsLoaded()) return false;
    auto keyCode = static_cast<vb::Integer>(code);
    auto shift = static_cast<vb::Integer>(ShiftStateOf(event));
    if (!down) {
        form_->KeyUp(keyCode, shift, FocusedControl());
        return false;
    }
    if (form_->KeyDown(keyCode, shift, FocusedControl())) return true;
    // A key that makes a character (Enter and Escape too) follows as KeyPress, unless the
    // window went with the key (an unload lets go of the form).
    QString text = event.text();
    if (!form_ || !form_->IsLoaded()) return false;
    if (IsAltText(event)) {
        ReachMnemonic(keyCode);
        return true;
    }
    if (text.size() != 1 || text[0].unicode() > 255) return false;
    form_->KeyPress(static_cast<vb::Integer>(text[0].unicode()), FocusedControl());
    return false;
}

void FormWindow::ReachMnemonic(vb::Integer keyCode) {
    forms::Control* target = forms::LabelledByMnemonic(*form_, keyCode);
    ViewBase* view = target ? ViewOf(*target) : nullptr;
    if (QWidget* widget = view ? view->FocusTarget() : nullptr)
        widget->setFocus(Qt::ShortcutFocusReason);
    else
        forms::CurrentHost().Beep();
}

void FormWindow::ShowPlaced() {
    BuildPutOffViews();
    PlaceFromModel();
    syncing_ = true;
    show();
    syncing_ = false;
    if (windowHandle()) windowHandle()->installEventFilter(this);
    GeometryChanged();
    FocusFirstControl();
}

void FormWindow::FocusFirstControl() {
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus->window() == this) return;
    forms::Control* active = form_->ActiveControl();
    ViewBase* chosen = active ? ViewOf(*active) : nullptr;
    if (!TakesKeys(chosen)) {
        chosen = nullptr;
        for (const auto& view : views_)
            if (TakesKeys(view.get()) &&
                (!chosen || view->Model().Get("TabIndex").ToInteger() <
                                chosen->Model().Get("TabIndex").ToInteger()))
                chosen = view.get();
    }
    if (chosen) chosen->Widget()->setFocus(Qt::ActiveWindowFocusReason);
}

bool FormWindow::TakesKeys(const ViewBase* view) const {
    if (!view || !view->Widget()) return false;
    const QWidget& widget = *view->Widget();
    return widget.isVisibleTo(this) && widget.isEnabled() &&
           (widget.focusPolicy() & Qt::TabFocus) && view->Model().Get("TabStop").ToBool() &&
           forms::InClientArea(*form_, view->Model());
}

void FormWindow::RepaintNow() {
    BuildPutOffViews();
    repaint();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The form decides: its query-unload may cancel; an unload removes this window.
    event->ignore();
    if (form_ && form_->IsLoaded()) form_->CloseByUser();
}

void FormWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (!form_) return;
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && lastActivated != form_) {
        lastActivated = form_;
        form_->Activate();
    } else if (event->type() == QEvent::WindowStateChange && !syncing_) {
        StateChangedByPerson();
    }
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    GeometryChanged();
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    GeometryChanged();
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize && form_) {
        for (const auto& view : views_)
            view->ContainerResized();
    } else if (watched == windowHandle() && event->type() == QEvent::Expose) {
        // The window manager has framed the window by the time it shows it.
        GeometryChanged();
    }
    return QMainWindow::eventFilter(watched, event);
}

bool FormWindow::focusNextPrevChild(bool next) {
    if (!form_ || !form_->IsLoaded()) return QMainWindow::focusNextPrevChild(next);
    forms::TabFromPerson(*form_, !next);
    // A focus handler may have unloaded the window.
    forms::Control* active = form_ && form_->IsLoaded() ? form_->ActiveControl() : nullptr;
    ViewBase* view = active ? ViewOf(*active) : nullptr;
    QWidget* target = view ? view->FocusTarget() : nullptr;
    if (!target) return true;
    if (target->hasFocus()) {
        // The window's only stop keeps the focus; Tab still shows where it is.
        target->window()->setAttribute(Qt::WA_KeyboardFocusChange);
        target->update();
    } else {
        target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
    return true;
}

void FormWindow::GeometryChanged() {
    if (syncing_ || !form_ || !form_->IsLoaded() || !isVisible()) return;
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) {
        if (!(windowState() & Qt::WindowMinimized)) ReportPlacement();
        return;
    }
    QMargins decoration = Decoration();
    // Centred by the runtime before any frame was known (the splash, first window of the run)
    // and framed around the place it was given: it stays there, and the form hears where its
    // frame now is; placing it again would make it jump by the frame as it comes up.  A window
    // put at a given place (a stored one) has its frame moved there instead.
    const bool framedInPlace =
        placedWith_.isNull() && CentredAtStart() && geometry().topLeft() == requested_.topLeft();
    if (decoration == placedWith_ || framedInPlace) {
        ReportPlacement();
        return;
    }
    // Framed otherwise than the placement assumed: the frame goes where the form says, or
    // where the window manager put the window if it moved it.
    if (geometry().topLeft() != requested_.topLeft()) {
        QPoint frame = geometry().topLeft() - QPoint(decoration.left(), decoration.top());
        syncing_ = true;
        form_->Move(static_cast<vb::Single>(PixelsToTwipsX(frame.x())),
                    static_cast<vb::Single>(PixelsToTwipsY(frame.y())), form_->Width(),
                    form_->Height());
        syncing_ = false;
    }
    PlaceFromModel();
}

bool FormWindow::CentredAtStart() const {
    const vb::Integer position = form_->Get("StartUpPosition").ToInteger();
    return position == forms::kStartCenterOwner || position == forms::kStartCenterScreen;
}

void FormWindow::ReportPlacement() {
    if (syncing_ || !form_ || !form_->IsLoaded()) return;
    QMargins decoration = Decoration();
    QRect outer = geometry().marginsAdded(decoration);
    forms::NonClient frame = Measured(decoration);
    if (outer == OuterOfModel() && frame == form_->Frame()) return;
    syncing_ = true;
    form_->SetFrame(frame);
    ModelTakes(outer);
    // A maximised window's place and frame are the window manager's for the while: the normal
    // ones stay known, so that a restore the window manager makes is taken, not undone.
    if (!(windowState() & Qt::WindowMaximized)) {
        requested_ = geometry();
        placedWith_ = decoration;
    }
    syncing_ = false;
}

void FormWindow::ModelTakes(const QRect& outer) {
    form_->Move(static_cast<vb::Single>(PixelsToTwipsX(outer.left())),
                static_cast<vb::Single>(PixelsToTwipsY(outer.top())),
                static_cast<vb::Single>(PixelsToTwipsX(outer.width())),
                static_cast<vb::Single>(PixelsToTwipsY(outer.height())));
}

void FormWindow::StateChangedByPerson() {
    vb::Integer state = forms::vbNormal;
    if (windowState() & Qt::WindowMinimized)
        state = forms::vbMinimized;
    else if (windowState() & Qt::WindowMaximized)
        state = forms::vbMaximized;
    if (state == form_->WindowState()) return;
    syncing_ = true;
    // Restored: the window manager gives back the place the window had before, in steps; the
    // form takes it at once, so that no step places the window at its maximised size again.
    if (state == forms::vbNormal && form_->WindowState() == forms::vbMaximized)
        ModelTakes(requested_.marginsAdded(placedWith_));
    form_->SetWindowState(state);
    syncing_ = false;
}

void FormWindow::ApplyWindowStyle() {
    const vb::Integer border = form_->Get("BorderStyle").ToInteger();
    if (border == forms::kBorderNone) {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        return;
    }
    // The title bar offers what the border style allows: a fixed dialog and the tool windows
    // their close box alone, the other windows the minimise and maximise boxes their form
    // asks for.  Without a control box it holds the caption alone; with no caption either
    // there is none, only the border (the splash).
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    const bool controlBox = form_->Get("ControlBox").ToBool();
    if (controlBox || !form_->Caption().empty()) flags |= Qt::WindowTitleHint;
    if (controlBox) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        const bool boxes = border == forms::kBorderFixedSingle || border == forms::kBorderSizable;
        if (boxes && form_->Get("MinButton").ToBool()) flags |= Qt::WindowMinimizeButtonHint;
        if (boxes && form_->Get("MaxButton").ToBool()) flags |= Qt::WindowMaximizeButtonHint;
    }
    setWindowFlags(flags);
}

}  // namespace qtview
