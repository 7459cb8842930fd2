#include "platform/qtview/QtHost.h"

#include "platform/qtview/PrinterDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "platform/forms/Constants.h"
#include "platform/forms/Instance.h"
#include "platform/forms/Interaction.h"
#include "platform/forms/Timer.h"
#include "platform/qtview/Convert.h"
#include "platform/qtview/FontDialog.h"
#include "platform/qtview/FormWindow.h"
#include "platform/qtview/MessageBox.h"
#include "platform/qtview/ToolRow.h"
#include "platform/qtview/ViewBase.h"

namespace qtview {
namespace {

constexpr vb::Integer kArrowHourglass = 13;
// A desktop that has not shown a window by then will not show it sooner for waiting.
constexpr int kExposureWaitMs = 3000;

Qt::CursorShape CursorOf(vb::Integer pointer) {
    switch (pointer) {
        case 2:
            return Qt::CrossCursor;
        case 3:
            return Qt::IBeamCursor;
        case forms::vbHourglass:
            return Qt::WaitCursor;
        case kArrowHourglass:
            return Qt::BusyCursor;
        default:
            return Qt::ArrowCursor;
    }
}

// Runs the events, asleep between them, until the desktop exposes the window, the window
// goes, or the time is up.
class ExposureWait : public QObject {
public:
    explicit ExposureWait(QWindow& window) : window_(&window) {
        window.installEventFilter(this);
        connect(&window, &QObject::destroyed, &loop_, &QEventLoop::quit);
    }
    ~ExposureWait() override {
        if (window_) window_->removeEventFilter(this);
    }
    ExposureWait(const ExposureWait&) = delete;
    ExposureWait& operator=(const ExposureWait&) = delete;

    void Run(int ms) {
        QTimer::singleShot(ms, &loop_, &QEventLoop::quit);
        loop_.exec(QEventLoop::ExcludeUserInputEvents);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Expose && window_ && window_->isExposed()) loop_.quit();
        return false;
    }

private:
    QPointer<QWindow> window_;
    QEventLoop loop_;
};

}  // namespace

QtHost::QtHost() {
    QApplication::instance()->installEventFilter(this);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QSize size = screen->size();
        QRect work = screen->availableGeometry();
        forms::Screen().SetSize(static_cast<vb::Single>(PixelsToTwipsX(size.width())),
                                static_cast<vb::Single>(PixelsToTwipsY(size.height())));
        forms::Screen().SetWorkArea(static_cast<vb::Single>(PixelsToTwipsX(work.x())),
                                    static_cast<vb::Single>(PixelsToTwipsY(work.y())),
                                    static_cast<vb::Single>(PixelsToTwipsX(work.width())),
                                    static_cast<vb::Single>(PixelsToTwipsY(work.height())));
    }
}

QtHost::~QtHost() {
    for (auto& [form, window] : windows_)
        delete window;
    if (overridingCursor_) QApplication::restoreOverrideCursor();
}

void QtHost::StartTimer(forms::Timer& timer) {
    auto& running = timers_[&timer];
    if (!running) {
        running = std::make_unique<QTimer>();
        QObject::connect(running.get(), &QTimer::timeout, [&timer] { timer.Tick(); });
    }
    running->start(static_cast<int>(timer.Interval()));
}

void QtHost::StopTimer(forms::Timer& timer) {
    auto it = timers_.find(&timer);
    if (it == timers_.end()) return;
    // A timer often stops itself from its own tick: let Qt delete it after the signal.
    it->second->stop();
    it->second.release()->deleteLater();
    timers_.erase(it);
}

bool QtHost::HasVisibleWindow() const {
    for (forms::Form* form : forms::LoadedForms())
        if (form->Visible()) return true;
    return false;
}

FormWindow* QtHost::WindowOf(const forms::Form& form) const {
    FormWindow* window = BuiltWindowOf(form);
    if (window) window->BuildPutOffViews();
    return window;
}

FormWindow* QtHost::BuiltWindowOf(const forms::Form& form) const {
    auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second;
}

QWidget* QtHost::WidgetOf(const forms::Control& control) const {
    FormWindow* window = WindowOf(control.Parent());
    ViewBase* view = window ? window->ViewOf(control) : nullptr;
    return view ? view->Widget() : nullptr;
}

QWidget* QtHost::DialogParent() const {
    return QApplication::activeWindow();
}

int QtHost::MessageBox(const std::string& prompt, int style, const std::string& title) {
    return RunMessageBox(prompt, style, title, DialogParent());
}

bool QtHost::ChooseFont(forms::FontChoice& font, vb::Long) {
    return RunFontDialog(font, DialogParent());
}

bool QtHost::ShowPrinterDialog(const std::string& documentName, forms::PrinterChoice& choice) {
    return RunPrinterDialog(documentName, choice, DialogParent());
}

std::optional<std::string> QtHost::InputBox(const std::string& prompt, const std::string& title,
                                            const std::string& defaultText) {
    bool ok = false;
    QString answer = QInputDialog::getText(DialogParent(), QString::fromStdString(title),
                                           QString::fromStdString(prompt), QLineEdit::Normal,
                                           QString::fromStdString(defaultText), &ok);
    if (!ok) return std::nullopt;
    return answer.toStdString();
}

void QtHost::Beep() {
    QApplication::beep();
}

std::string QtHost::ClipboardText() {
    return QApplication::clipboard()->text().toStdString();
}

void QtHost::SetClipboardText(const std::string& text) {
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

void QtHost::WindowLoaded(forms::Form& form) {
    auto* window = new FormWindow(form);
    windows_[&form] = window;
    window->BuildViews();
}

void QtHost::Present(FormWindow& window, forms::Form* owner) {
    FormWindow* ownerWindow = owner ? BuiltWindowOf(*owner) : nullptr;
    window.ShowPlaced();
    if (ownerWindow && window.windowHandle())
        window.windowHandle()->setTransientParent(ownerWindow->windowHandle());
    // The offscreen platform stacks nothing and says so; it activates all the same.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) window.raise();
    window.activateWindow();
}

void QtHost::WindowShown(forms::Form& form, forms::Form* owner) {
    if (FormWindow* window = WindowOf(form)) Present(*window, owner);
}

void QtHost::RunModal(forms::Form& form, forms::Form* owner) {
    QPointer<FormWindow> window = WindowOf(form);
    if (!window) return;
    // Modality is set while the window is hidden.
    window->hide();
    window->setWindowModality(Qt::ApplicationModal);
    Present(*window, owner);
    if (!form.IsLoaded() || !form.Visible()) return;
    QEventLoop loop;
    modalLoops_.emplace_back(&form, &loop);
    loop.exec(QEventLoop::DialogExec);
    std::erase_if(modalLoops_, [&](const auto& entry) { return entry.second == &loop; });
    if (window) window->setWindowModality(Qt::NonModal);
}

void QtHost::EndModalLoopsOf(const forms::Form& form) {
    for (const auto& [modal, loop] : modalLoops_)
        if (modal == &form) loop->quit();
}

void QtHost::EndIfNoWindows(const forms::Form& leaving) {
    if (!endWhenNoWindows_) return;
    for (forms::Form* form : forms::LoadedForms())
        if (form != &leaving && form->Visible()) return;
    QCoreApplication::quit();
}

void QtHost::WindowHidden(forms::Form& form) {
    if (FormWindow* window = BuiltWindowOf(form)) window->hide();
    EndModalLoopsOf(form);
    EndIfNoWindows(form);
}

void QtHost::WindowUnloaded(forms::Form& form) {
    EndModalLoopsOf(form);
    auto it = windows_.find(&form);
    if (it != windows_.end()) {
        FormWindow* window = it->second;
        windows_.erase(it);
        window->Detach();
        window->hide();
        // The unload may come from the window's own close box: it goes once that returns.
        window->deleteLater();
    }
    EndIfNoWindows(form);
}

void QtHost::WindowRefresh(forms::Form& form) {
    FormWindow* window = BuiltWindowOf(form);
    if (!window) return;
    // A window shown before the event loop runs (the splash, ahead of a long load) is drawn
    // on the screen now: once the desktop has put it there, and handed over before going on.
    if (window->isVisible()) AwaitExposure(*window);
    window->RepaintNow();
    QGuiApplication::sync();
}

void QtHost::AwaitExposure(const FormWindow& window) {
    QWindow* handle = window.windowHandle();
    // A minimised window is drawn when the person brings it back, not before.
    if (!handle || handle->isExposed() || window.isMinimized()) return;
    QGuiApplication::sync();
    ExposureWait(*handle).Run(kExposureWaitMs);
}

void QtHost::WindowPropertyChanged(forms::Form& form, std::string_view name) {
    if (FormWindow* window = BuiltWindowOf(form)) window->FollowModel(name);
}

void QtHost::ControlAdded(forms::Form& form, forms::Control& control) {
    if (FormWindow* window = BuiltWindowOf(form)) window->AddControl(control);
}

void QtHost::ControlRemoved(forms::Form& form, forms::Control& control) {
    if (FormWindow* window = BuiltWindowOf(form)) window->RemoveControl(control);
}

void QtHost::MousePointerChanged(vb::Integer pointer) {
    if (pointer == forms::vbDefault) {
        if (overridingCursor_) QApplication::restoreOverrideCursor();
        overridingCursor_ = false;
    } else if (overridingCursor_) {
        QApplication::changeOverrideCursor(CursorOf(pointer));
    } else {
        QApplication::setOverrideCursor(CursorOf(pointer));
        overridingCursor_ = true;
    }
}

bool QtHost::eventFilter(QObject* watched, QEvent* event) {
    if (focusMoves_.Filter(watched, event)) return true;
    bool down = event->type() == QEvent::KeyPress;
    if (!down && event->type() != QEvent::KeyRelease) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) {
        heardKey_ = nullptr;  // a window's key on its way to the focus widget: a new key
        return false;
    }
    if (StillTravelling(*event, *widget)) return false;
    // A key travels up from the focus widget; the form hears it once.
    QWidget* focus = QApplication::focusWidget();
    if (focus ? widget != focus : !widget->isWindow()) return false;
    auto& key = static_cast<QKeyEvent&>(*event);
    if (!down && key.isAutoRepeat()) return false;
    if (ToolRow::TakesKey(focus, key.key())) return false;
    auto* window = dynamic_cast<FormWindow*>(widget->window());
    const QEvent::Type type = event->type();
    // Not heard while walking the windows: the key may unload its window, and with it the
    // widget it was meant for, which then takes it no further.
    QPointer<QWidget> receiver = widget;
    bool taken = false;
    if (std::any_of(windows_.begin(), windows_.end(),
                    [window](const auto& entry) { return entry.second == window; }))
        taken = window->KeyFromPerson(key, down);
    // A button clicked for the key has it: a focused button would click once more.
    if (taken || !receiver) return true;
    // Kept after the form's handler, which may have heard keys of its own (in a message box).
    heardKey_ = event;
    heardType_ = type;
    heardAt_ = widget;
    return false;
}

// The key the form heard, passed on to a parent of the widget where it heard it.  The form's
// handler may have moved the focus meanwhile (a message box takes it, and the window gets it
// back only later), so the focus no longer tells the first stop from the later ones.
bool QtHost::StillTravelling(const QEvent& event, const QWidget& widget) const {
    return &event == heardKey_ && event.type() == heardType_ && heardAt_ && heardAt_ != &widget &&
           widget.isAncestorOf(heardAt_);
}

}  // namespace qtview
