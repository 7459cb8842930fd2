#include "platform/forms/Interaction.h"

#include "platform/forms/Host.h"
#include "platform/os/Paths.h"

namespace forms {

std::string InputBox(const std::string& prompt, const std::string& title,
                     const std::string& defaultText) {
    return CurrentHost()
        .InputBox(prompt, title.empty() ? App().Title : title, defaultText)
        .value_or("");
}

int MsgBox(const std::string& prompt, int style, const std::string& title) {
    return CurrentHost().MessageBox(prompt, style, title.empty() ? App().Title : title);
}

void ScreenObject::SetMousePointer(vb::Integer pointer) {
    mousePointer_ = pointer;
    CurrentHost().MousePointerChanged(pointer);
}

ScreenObject& Screen() {
    static ScreenObject screen;
    return screen;
}

std::string AppObject::Path() const {
    std::string folder = os::ProgramFolder();
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

AppObject& App() {
    static AppObject app;
    return app;
}

std::string ClipboardObject::GetText() const {
    return CurrentHost().ClipboardText();
}

void ClipboardObject::SetText(const std::string& text) {
    CurrentHost().SetClipboardText(text);
}

void ClipboardObject::Clear() {
    CurrentHost().ClearClipboard();
}

ClipboardObject& Clipboard() {
    static ClipboardObject clipboard;
    return clipboard;
}

}  // namespace forms
