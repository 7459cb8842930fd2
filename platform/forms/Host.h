#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/forms/FontChoice.h"
#include "platform/forms/PrinterChoice.h"

#include "platform/vb/Types.h"

namespace forms {

class Form;
class Control;
class Timer;

// Everything that waits for a person or shows something goes through the host: the headless
// host in tests, the Qt host on screen.
class Host {
public:
    virtual ~Host() = default;

    // A message box; returns the answer (vbOK, vbYes, ...).
    virtual int MessageBox(const std::string& prompt, int style, const std::string& title) = 0;

    // A window has built its controls (before its load handler runs).
    virtual void WindowLoaded(Form& form) { (void)form; }
    // A handler of `form` that can never run (see Form::On); written to the error stream.
    virtual void WiringFault(Form& form, const std::string& text);
    virtual void WindowShown(Form& form, Form* owner) = 0;
    // Shows the window modally and returns once it is hidden or unloaded.
    virtual void RunModal(Form& form, Form* owner) = 0;
    virtual void WindowHidden(Form& form) { (void)form; }
    virtual void WindowUnloaded(Form& form) { (void)form; }
    virtual void WindowRefresh(Form& form) { (void)form; }
    virtual void WindowPropertyChanged(Form& form, std::string_view name) {
        (void)form;
        (void)name;
    }
    virtual void ControlAdded(Form& form, Control& control) {
        (void)form;
        (void)control;
    }
    virtual void ControlRemoved(Form& form, Control& control) {
        (void)form;
        (void)control;
    }

    virtual void MousePointerChanged(vb::Integer pointer) { (void)pointer; }

    // The clipboard's text; "" when it holds no text.
    virtual std::string ClipboardText() { return {}; }
    virtual void SetClipboardText(const std::string& text) { (void)text; }
    virtual void ClearClipboard() { SetClipboardText({}); }

    // Opens a file or an address in the person's viewer for its type; false, with the
    // reason, when it could not be opened.
    virtual bool OpenDocument(const std::string& target, std::string& reason);

    // The font dialog, opened with `font` as the current choice and the dialog's Flags;
    // returns false when the person cancels, leaving `font` as it was.
    virtual bool ChooseFont(FontChoice& font, vb::Long flags) {
        (void)font;
        (void)flags;
        return false;
    }
    // The input box: the person's answer, or nothing when the box is cancelled.
    virtual std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) {
        (void)prompt;
        (void)title;
        return defaultText;
    }
    // The printer dialog for a document about to be printed, opened with `choice` as the
    // current one; returns false when the person cancels, leaving `choice` as it was.
    virtual bool ShowPrinterDialog(const std::string& documentName, PrinterChoice& choice) {
        (void)documentName;
        (void)choice;
        return true;
    }
    virtual void Beep() {}
    // Timers: a started timer has its Tick called every Interval() milliseconds, on the
    // thread of the windows, until it is stopped.  Starting a started timer restarts its
    // count.  A timer stops itself before it goes away.
    virtual void StartTimer(Timer& timer) { (void)timer; }
    virtual void StopTimer(Timer& timer) { (void)timer; }
};

// The host in use; a headless host until another is installed.
Host& CurrentHost();
// Installs a host (not owned); nullptr returns to the default headless host.
void SetHost(Host* host);

}  // namespace forms
