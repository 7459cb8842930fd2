#pragma once

#include "platform/forms/Control.h"

// Controls whose behaviour is their properties: the runtime keeps them and the view shows them.
namespace forms {

class Label : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }
    // A person's click.
    void Click() { RaiseEvent("Click"); }
};

class Frame : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }
};

class CommandButton : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    bool TakesFocus() const override { return true; }
    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }
    // A person's click (or Value = True from code).
    void Click() { RaiseEvent("Click"); }
};

class Menu : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }
    void Click() { RaiseEvent("Click"); }
};

class Image : public Control {
public:
    using Control::Control;
    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }
    void Click() { RaiseEvent("Click"); }
};

class Shape : public Control {
public:
    using Control::Control;
    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }
};

// The common dialog; what the program uses of it is the font choice.
class CommonDialog : public Control {
public:
    using Control::Control;
    // Opens the font dialog through the host with FontName, FontSize, FontBold, FontItalic,
    // FontUnderline and FontStrikethru as the current choice and writes the person's choice
    // back.  Cancel leaves them as they were and raises error 32755 when CancelError is set.
    void ShowFont();
    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }
};

class ImageList : public Control {
public:
    using Control::Control;
    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }
};

}  // namespace forms
