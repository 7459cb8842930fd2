#pragma once

#include <string>

#include "platform/forms/Control.h"
#include "platform/forms/RtfDocument.h"

namespace forms {

// A rich text box: an RTF document with a caret and a selection.  Changing the document from
// code raises Change.
class RichTextBox : public Control {
public:
    using Control::Control;
    bool TakesFocus() const override { return true; }

    // File kinds of LoadFile and SaveFile.
    static constexpr vb::Integer rtfRTF = 0;
    static constexpr vb::Integer rtfText = 1;
    // Search options of Find.
    static constexpr vb::Long rtfWholeWord = RtfDocument::kWholeWord;
    static constexpr vb::Long rtfMatchCase = RtfDocument::kMatchCase;
    // The largest file LoadFile takes.
    static constexpr size_t kMostFileBytes = 16 * 1024 * 1024;

    std::string Text() const { return document_.Text(); }
    void SetText(const std::string& text);
    const std::string& TextRTF() const { return document_.Rtf(); }
    void SetTextRTF(const std::string& rtf);

    vb::Long SelStart() const { return selStart_; }
    // Past the end puts the caret at the end.
    void SetSelStart(vb::Long start);
    vb::Long SelLength() const { return selLength_; }
    void SetSelLength(vb::Long length);
    std::string SelText() const { return document_.TextRange(selStart_, selLength_); }
    // Replaces the selection by plain text; the caret goes after it.
    void SetSelText(const std::string& text);
    // The selection as an RTF fragment is not kept: reading gives the whole document.
    std::string SelRTF() const { return document_.Rtf(); }
    // Replaces the selection by an RTF fragment; the caret goes after what it shows.
    void SetSelRTF(const std::string& fragment);

    // Reads a file into the box: RTF, or plain text.  Raises the file errors (53 missing,
    // 7 too large for a document).
    void LoadFile(const std::string& path, vb::Integer fileType = rtfRTF);
    // Writes the document as RTF or as its plain text.
    void SaveFile(const std::string& path, vb::Integer fileType = rtfRTF) const;
    // Looks for `text` from `start` (the caret when negative) to `end` (the end when negative)
    // and selects it; its position, or -1.
    vb::Long Find(const std::string& text, vb::Long start = -1, vb::Long end = -1,
                  vb::Long options = 0);

    const RtfDocument& Document() const { return document_; }

    static const PropertyTable& Table();
    const PropertyTable& Properties() const override { return Table(); }

private:
    void DocumentChanged(vb::Long caret);

    RtfDocument document_;
    vb::Long selStart_ = 0;
    vb::Long selLength_ = 0;
};

}  // namespace forms
