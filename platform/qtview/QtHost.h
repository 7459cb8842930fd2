#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/forms/Host.h"
#include "platform/qtview/FocusMoves.h"

class QEventLoop;

namespace qtview {

class FormWindow;

// The host on the real screen (or Qt's offscreen platform): one FormWindow per loaded form,
// built when the form has built its controls and removed when it unloads; message boxes and
// the font dialog as Qt dialogs; modal windows in a nested event loop that ends when the
// window is hidden or unloaded; the screen's hourglass as Qt's override cursor.  Needs a
// QApplication; install it with forms::SetHost.
class QtHost : public QObject, public forms::Host {
public:
    QtHost();
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    // Ends the Qt event loop once no loaded window is visible (the program's end).
    void SetEndWhenNoWindows(bool end) { endWhenNoWindows_ = end; }
    bool HasVisibleWindow() const;

    // The window of a loaded form with the views of all its controls.
    FormWindow* WindowOf(const forms::Form& form) const;
    // The widget of a control; nullptr for controls without one.
    QWidget* WidgetOf(const forms::Control& control) const;

    int MessageBox(const std::string& prompt, int style, const std::string& title) override;
    void WindowLoaded(forms::Form& form) override;
    void WindowShown(forms::Form& form, forms::Form* owner) override;
    void RunModal(forms::Form& form, forms::Form* owner) override;
    void WindowHidden(forms::Form& form) override;
    void WindowUnloaded(forms::Form& form) override;
    void WindowRefresh(forms::Form& form) override;
    void WindowPropertyChanged(forms::Form& form, std::string_view name) override;
    void ControlAdded(forms::Form& form, forms::Control& control) override;
    void ControlRemoved(forms::Form& form, forms::Control& control) override;
    void MousePointerChanged(vb::Integer pointer) override;
    bool ChooseFont(forms::FontChoice& font, vb::Long flags) override;
    bool ShowPrinterDialog(const std::string& documentName, forms::PrinterChoice& choice) override;
    std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText) override;
    void Beep() override;
    // The desktop's clipboard.
    std::string ClipboardText() override;
    void SetClipboardText(const std::string& text) override;
    void StartTimer(forms::Timer& timer) override;
    void StopTimer(forms::Timer& timer) override;

protected:
    // Keys reach the form once each, before the focused widget, as they reach the runtime's
    // windows.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Present(FormWindow& window, forms::Form* owner);
    // The window as it is: a hidden one may not have all its views yet.
    FormWindow* BuiltWindowOf(const forms::Form& form) const;
    void EndModalLoopsOf(const forms::Form& form);
    // Until the desktop shows the window, or gives up on it.
    static void AwaitExposure(const FormWindow& window);
    void EndIfNoWindows(const forms::Form& leaving);
    QWidget* DialogParent() const;
    bool StillTravelling(const QEvent& event, const QWidget& widget) const;

    FocusMoves focusMoves_;
    std::map<const forms::Form*, FormWindow*> windows_;
    std::map<forms::Timer*, std::unique_ptr<QTimer>> timers_;
    std::vector<std::pair<const forms::Form*, QEventLoop*>> modalLoops_;
    bool overridingCursor_ = false;
    bool endWhenNoWindows_ = false;
    // The key event the form heard last, and where.
    const QEvent* heardKey_ = nullptr;
    QEvent::Type heardType_ = QEvent::None;
    QPointer<QWidget> heardAt_;
};

}  // namespace qtview
