#include "platform/forms/TextBox.h"

#include <algorithm>

#include "platform/gdi/SystemColors.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"

namespace forms {

const PropertyTable& TextBox::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&Control::Table());
        t.Typed("Text", &TextBox::Text, &TextBox::SetText)
            .Typed("SelStart", &TextBox::SelStart, &TextBox::SetSelStart)
            .Typed("SelLength", &TextBox::SelLength, &TextBox::SetSelLength)
            .Typed("SelText", &TextBox::SelText, &TextBox::SetSelText)
            .Stored("MaxLength", vb::Long{0})
            .Stored("Locked", false)
            .Stored("MultiLine", false)
            .Stored("Alignment", vb::Integer{0})
            .Stored("PasswordChar", "")
            .Stored("BorderStyle", vb::Integer{1})
            .Stored("BackColor", gdi::SystemColorValue(gdi::SystemColor::Window))
            .Stored("ForeColor", gdi::SystemColorValue(gdi::SystemColor::WindowText))
            .Stored("ScrollBars", vb::Integer{0});
        return t;
    }();
    return table;
}

void TextBox::SetText(const std::string& text) {
    Replace(text, selStart_);
}

void TextBox::TypeText(const std::string& text, vb::Long caret) {
    Replace(text, caret);
}

void TextBox::Replace(const std::string& text, vb::Long caret) {
    // MaxLength holds for code as for typing.
    vb::Long max = Get("MaxLength").ToLong();
    std::string kept = max > 0 && vb::Len(text) > max ? vb::Left(text, max) : text;
    if (kept == text_) return;
    text_ = std::move(kept);
    selStart_ = std::clamp<vb::Long>(caret, 0, vb::Len(text_));
    selLength_ = 0;
    PropertyChanged("Text");
    RaiseEvent("Change");
}

void TextBox::SetSelStart(vb::Long start) {
    if (start < 0) vb::Raise(vb::err::kInvalidPropertyValue);
    selStart_ = std::min(start, vb::Len(text_));
    selLength_ = 0;
    PropertyChanged("SelStart");
}

void TextBox::SetSelLength(vb::Long length) {
    if (length < 0) vb::Raise(vb::err::kInvalidPropertyValue);
    selLength_ = std::min(length, vb::Len(text_) - selStart_);
    PropertyChanged("SelLength");
}

std::string TextBox::SelText() const {
    return vb::Mid(text_, selStart_ + 1, selLength_);
}

void TextBox::SetSelText(const std::string& text) {
    std::string next =
        vb::Left(text_, selStart_) + text + vb::Mid(text_, selStart_ + selLength_ + 1);
    vb::Long caret = selStart_ + vb::Len(text);
    SetText(next);
    selStart_ = std::min(caret, vb::Len(text_));
    selLength_ = 0;
    PropertyChanged("SelStart");
}

}  // namespace forms
