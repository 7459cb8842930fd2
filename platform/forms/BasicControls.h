#pragma once

#include "platform/forms/Control.h"

// Controls whose behaviour is their properties: the runtime keeps them and the view shows them.
namespace forms {

class Label : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    const PropertyTable& Properties() const override;
};

class Frame : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    const PropertyTable& Properties() const override;
};

class CommandButton : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    const PropertyTable& Properties() const override;
    // A person's click (or Value = True from code).
    void Click() { RaiseEvent("Click"); }
};

class Menu : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    const PropertyTable& Properties() const override;
    void Click() { RaiseEvent("Click"); }
};

class Image : public Control {
public:
    using Control::Control;
    const PropertyTable& Properties() const override;
    void Click() { RaiseEvent("Click"); }
};

class Shape : public Control {
public:
    using Control::Control;
    const PropertyTable& Properties() const override;
};

// Data-only for now: drawing surfaces, dialogs and lists that later grow behaviour.
class PictureBox : public Control {
public:
    using Control::Control;
    const PropertyTable& Properties() const override;
};

class CommonDialog : public Control {
public:
    using Control::Control;
    const PropertyTable& Properties() const override;
};

class ImageList : public Control {
public:
    using Control::Control;
    const PropertyTable& Properties() const override;
};

class FlexGrid : public Control {
public:
    using Control::Control;
    const PropertyTable& Properties() const override;
};

class TreeView : public Control {
public:
    using Control::Control;
    const PropertyTable& Properties() const override;
};

}  // namespace forms
