#include "platform/qtview/RichTextBoxView.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "platform/forms/RichTextBox.h"
#include "platform/qtview/Convert.h"

namespace qtview {
namespace {

forms::RichTextBox& BoxOf(forms::Control& control) {
    return static_cast<forms::RichTextBox&>(control);
}

QTextCharFormat CharFormat(const forms::RtfDocument& document, const forms::RtfCharFormat& f) {
    QTextCharFormat format;
    std::string family = document.FontName(f.font);
    if (!family.empty()) format.setFontFamilies({ToQt(family)});
    format.setFontPointSize(f.halfPoints / 2.0);
    format.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(f.italic);
    format.setFontUnderline(f.underline);
    return format;
}

Qt::Alignment BlockAlignment(int alignment) {
    switch (alignment) {
        case 1:
            return Qt::AlignRight;
        case 2:
            return Qt::AlignHCenter;
        case 3:
            return Qt::AlignJustify;
        default:
            return Qt::AlignLeft;
    }
}

}  // namespace

RichTextBoxView::RichTextBoxView(forms::Control& control, FormWindow& window)
    : ViewBase(control, window) {
    auto* edit = new QTextEdit;
    edit->setReadOnly(true);
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    SetWidget(edit);
    QObject::connect(edit, &QTextEdit::selectionChanged, [this] {
        if (!Syncing()) SelectionFromPerson();
    });
}

// Characters with the same look go in as one piece; a paragraph mark starts a new block
// that takes the alignment of its paragraph.
void RichTextBoxView::ShowDocument() {
    auto& edit = static_cast<QTextEdit&>(*Widget());
    const forms::RtfDocument& document = BoxOf(Model()).Document();
    const std::u32string& text = document.Characters();
    edit.clear();
    QTextCursor cursor(edit.document());
    size_t start = 0;
    auto flush = [&](size_t end) {
        if (end > start) {
            cursor.insertText(
                QString::fromUcs4(text.data() + start, static_cast<qsizetype>(end - start)),
                CharFormat(document, document.FormatAt(static_cast<vb::Long>(start))));
        }
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const auto position = static_cast<vb::Long>(i);
        if (text[i] == U'\n') {
            flush(i);
            QTextBlockFormat block = cursor.blockFormat();
            block.setAlignment(BlockAlignment(document.FormatAt(position).alignment));
            cursor.setBlockFormat(block);
            cursor.insertBlock();
            start = i + 1;
        } else if (i > start && !(document.FormatAt(position) == document.FormatAt(position - 1))) {
            flush(i);
            start = i;
        }
    }
    flush(text.size());
}

void RichTextBoxView::ShowSelection() {
    auto& edit = static_cast<QTextEdit&>(*Widget());
    const forms::RichTextBox& box = BoxOf(Model());
    QTextCursor cursor(edit.document());
    cursor.setPosition(static_cast<int>(box.SelStart()));
    cursor.setPosition(static_cast<int>(box.SelStart() + box.SelLength()), QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
}

void RichTextBoxView::SelectionFromPerson() {
    const auto& edit = static_cast<const QTextEdit&>(*Widget());
    forms::RichTextBox& box = BoxOf(Model());
    QTextCursor cursor = edit.textCursor();
    fromPerson_ = true;
    box.SetSelStart(cursor.selectionStart());
    box.SetSelLength(cursor.selectionEnd() - cursor.selectionStart());
    fromPerson_ = false;
}

void RichTextBoxView::Sync(std::string_view name) {
    bool all = name.empty();
    if (all || name == "TextRTF") ShowDocument();
    if ((all || name == "TextRTF" || name == "SelStart" || name == "SelLength") && !fromPerson_)
        ShowSelection();
    if (all || name == "BackColor") ShowColors(*Widget());
}

}  // namespace qtview
