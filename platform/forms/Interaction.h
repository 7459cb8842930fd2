#pragma once

#include <array>
#include <string>

#include "platform/forms/Constants.h"
#include "platform/vb/Types.h"

// The runtime's global objects and dialogs: MsgBox, Screen, App.
namespace forms {

// Shows a message box through the host and returns the answer.  An empty title is the
// application's title.
int MsgBox(const std::string& prompt, int style = vbOKOnly, const std::string& title = {});

// Asks the person for a text; "" when the box is cancelled, as the language's InputBox gives.
std::string InputBox(const std::string& prompt, const std::string& title = {},
                     const std::string& defaultText = {});

// The screen object: its mouse pointer.
class ScreenObject {
public:
    vb::Integer MousePointer() const { return mousePointer_; }
    void SetMousePointer(vb::Integer pointer);
    // Screen size in twips (a 1280 x 1024 screen when the host does not say).
    vb::Single Width() const { return width_; }
    vb::Single Height() const { return height_; }
    void SetSize(vb::Single width, vb::Single height) {
        width_ = width;
        height_ = height;
        work_ = {0, 0, width, height};
    }
    // The part of the screen that windows may take (the desktop's panels left out).
    vb::Single WorkLeft() const { return work_[0]; }
    vb::Single WorkTop() const { return work_[1]; }
    vb::Single WorkWidth() const { return work_[2]; }
    vb::Single WorkHeight() const { return work_[3]; }
    void SetWorkArea(vb::Single left, vb::Single top, vb::Single width, vb::Single height) {
        work_ = {left, top, width, height};
    }

private:
    vb::Integer mousePointer_ = vbDefault;
    vb::Single width_ = 1280 * 15;
    vb::Single height_ = 1024 * 15;
    std::array<vb::Single, 4> work_{0, 0, 1280 * 15, 1024 * 15};
};

ScreenObject& Screen();

// The application object.
struct AppObject {
    std::string Title = "ZomelBuilder";
    std::string EXEName = "zomelbuilder";
    std::string CompanyName = "VELDO, Inc.";
    std::string ProductName = "ZomelBuilder";
    vb::Integer Major = 1;
    vb::Integer Minor = 0;
    vb::Integer Revision = 0;
    // The program's folder without its closing separator, as the language gives it.
    std::string Path() const;
};

AppObject& App();

// The clipboard object: text only, which is all the program puts there.
class ClipboardObject {
public:
    std::string GetText() const;
    void SetText(const std::string& text);
    void Clear();
};

ClipboardObject& Clipboard();

}  // namespace forms
