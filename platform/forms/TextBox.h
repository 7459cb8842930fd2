#pragma once

#include "platform/forms/Control.h"

namespace forms {

// A text box.  Setting Text raises Change at once, whether code or a person set it.
class TextBox : public Control {
public:
    using Control::Control;
    bool TakesFocus() const override { return true; }

    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    // A person's edit: the new text with the caret already where it ends, so that the
    // Change handler reads it there.
    void TypeText(const std::string& text, vb::Long caret);
    // Caret and selection, in characters.
    vb::Long SelStart() const { return selStart_; }
    void SetSelStart(vb::Long start);
    vb::Long SelLength() const { return selLength_; }
    void SetSelLength(vb::Long length);
    std::string SelText() const;
    // Replaces the selection, as typing or pasting does.
    void SetSelText(const std::string& text);

    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }

private:
    void Replace(const std::string& text, vb::Long caret);

    std::string text_;
    vb::Long selStart_ = 0;
    vb::Long selLength_ = 0;
};

}  // namespace forms
