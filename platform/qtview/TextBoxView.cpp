#include "platform/qtview/TextBoxView.h"

#include <QLineEdit>

#include "platform/forms/TextBox.h"
#include "platform/qtview/Convert.h"

namespace qtview {
namespace {

constexpr int kUnlimited = 32767;

forms::TextBox& BoxOf(forms::Control& control) {
    return static_cast<forms::TextBox&>(control);
}

}  // namespace

TextBoxView::TextBoxView(forms::Control& control, FormWindow& window) : ViewBase(control, window) {
    auto* edit = new QLineEdit;
    SetWidget(edit);
    QObject::connect(edit, &QLineEdit::textEdited, [this](const QString& text) {
        if (Syncing()) return;
        BoxOf(Model()).SetText(FromQt(text));
        SelectionFromPerson();
    });
    QObject::connect(edit, &QLineEdit::cursorPositionChanged, [this] {
        if (!Syncing()) SelectionFromPerson();
    });
    QObject::connect(edit, &QLineEdit::selectionChanged, [this] {
        if (!Syncing()) SelectionFromPerson();
    });
}

void TextBoxView::SelectionFromPerson() {
    const auto& edit = static_cast<const QLineEdit&>(*Widget());
    forms::TextBox& box = BoxOf(Model());
    int start = edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition();
    auto length = static_cast<vb::Long>(edit.selectedText().size());
    if (box.SelStart() == start && box.SelLength() == length) return;
    fromPerson_ = true;
    box.SetSelStart(start);
    box.SetSelLength(length);
    fromPerson_ = false;
}

void TextBoxView::Sync(std::string_view name) {
    auto& edit = static_cast<QLineEdit&>(*Widget());
    const forms::TextBox& box = BoxOf(Model());
    bool all = name.empty();
    if (all || name == "Text") {
        QString text = ToQt(box.Text());
        // Only a different text is written, so that typing keeps its caret.
        if (edit.text() != text) edit.setText(text);
    }
    if ((all || name == "SelStart" || name == "SelLength") && !fromPerson_) {
        if (box.SelLength() > 0)
            edit.setSelection(static_cast<int>(box.SelStart()), static_cast<int>(box.SelLength()));
        else
            edit.setCursorPosition(static_cast<int>(box.SelStart()));
    }
    if (all || name == "MaxLength") {
        auto max = static_cast<int>(box.Get("MaxLength").ToLong());
        edit.setMaxLength(max > 0 ? max : kUnlimited);
    }
    if (all || name == "Locked") edit.setReadOnly(box.Get("Locked").ToBool());
    if (all || name == "PasswordChar")
        edit.setEchoMode(box.Get("PasswordChar").ToString().empty() ? QLineEdit::Normal
                                                                    : QLineEdit::Password);
    if (all || name == "Alignment") {
        static const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
        int alignment = box.Get("Alignment").ToInteger();
        edit.setAlignment(alignments[alignment >= 0 && alignment <= 2 ? alignment : 0] |
                          Qt::AlignVCenter);
    }
    if (all || name == "ForeColor" || name == "BackColor") ShowColors(edit);
}

}  // namespace qtview
