#include "platform/forms/RichTextBox.h"

#include <algorithm>

#include "platform/gdi/SystemColors.h"
#include "platform/os/Files.h"
#include "platform/vb/Error.h"
#include "platform/vb/Strings.h"

namespace forms {

const PropertyTable& RichTextBox::Table() {
    static const PropertyTable table = [] {
        PropertyTable t(&Control::Table());
        t.Typed("Text", &RichTextBox::Text, &RichTextBox::SetText)
            .Typed("TextRTF", &RichTextBox::TextRTF, &RichTextBox::SetTextRTF)
            .Typed("SelStart", &RichTextBox::SelStart, &RichTextBox::SetSelStart)
            .Typed("SelLength", &RichTextBox::SelLength, &RichTextBox::SetSelLength)
            .Typed("SelText", &RichTextBox::SelText, &RichTextBox::SetSelText)
            .Typed("SelRTF", &RichTextBox::SelRTF, &RichTextBox::SetSelRTF)
            .Stored("Locked", false)
            .Stored("MultiLine", true)
            .Stored("ScrollBars", vb::Integer{2})
            .Stored("BorderStyle", vb::Integer{1})
            .Stored("BackColor", gdi::SystemColorValue(gdi::SystemColor::Window));
        return t;
    }();
    return table;
}

void RichTextBox::DocumentChanged(vb::Long caret) {
    selStart_ = std::clamp<vb::Long>(caret, 0, document_.Length());
    selLength_ = 0;
    PropertyChanged("TextRTF");
    RaiseEvent("Change");
}

void RichTextBox::SetText(const std::string& text) {
    document_.SetText(text);
    DocumentChanged(0);
}

void RichTextBox::SetTextRTF(const std::string& rtf) {
    document_.SetRtf(rtf);
    DocumentChanged(0);
}

void RichTextBox::SetSelStart(vb::Long start) {
    if (start < 0) vb::Raise(vb::err::kInvalidPropertyValue);
    selStart_ = std::min(start, document_.Length());
    selLength_ = 0;
    PropertyChanged("SelStart");
}

void RichTextBox::SetSelLength(vb::Long length) {
    if (length < 0) vb::Raise(vb::err::kInvalidPropertyValue);
    selLength_ = std::min(length, document_.Length() - selStart_);
    PropertyChanged("SelLength");
}

void RichTextBox::SetSelText(const std::string& text) {
    const vb::Long before = document_.Length() - selLength_;
    document_.ReplaceText(selStart_, selLength_, text);
    DocumentChanged(selStart_ + (document_.Length() - before));
}

void RichTextBox::SetSelRTF(const std::string& fragment) {
    vb::Long shown = document_.ReplaceWithRtf(selStart_, selLength_, fragment);
    DocumentChanged(selStart_ + shown);
}

void RichTextBox::LoadFile(const std::string& path, vb::Integer fileType) {
    std::string bytes = os::ReadAllBytes(path);
    if (bytes.size() > kMostFileBytes) vb::Raise(vb::err::kOutOfMemory);
    // Plain text files are in the system's 8-bit code page.
    if (fileType == rtfText || !bytes.starts_with("{\\rtf"))
        document_.SetText(vb::FromWindows1252(bytes));
    else
        document_.SetRtf(std::move(bytes));
    DocumentChanged(0);
}

void RichTextBox::SaveFile(const std::string& path, vb::Integer fileType) const {
    os::ReplaceAllBytes(path, fileType == rtfText ? document_.Text() : document_.Rtf());
}

vb::Long RichTextBox::Find(const std::string& text, vb::Long start, vb::Long end,
                           vb::Long options) {
    vb::Long found = document_.Find(text, start < 0 ? selStart_ : start, end, options);
    if (found >= 0) {
        selStart_ = found;
        selLength_ = vb::Len(text);
        PropertyChanged("SelStart");
    }
    return found;
}

}  // namespace forms
