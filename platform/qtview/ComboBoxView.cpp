#include "platform/qtview/ComboBoxView.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

#include "platform/qtview/Convert.h"
#include "platform/qtview/ListItems.h"

namespace qtview {
namespace {

constexpr int kDropdownList = 2;

// Its list opens only once the form has heard DropDown, so that a handler refilling the
// list is seen in the list that opens.
class DropDownCombo : public QComboBox {
public:
    explicit DropDownCombo(forms::ComboBox& model) : model_(model) {}

    void showPopup() override {
        QPointer<QComboBox> self(this);
        if (!model_.OpenListByPerson() || !self) return;
        QComboBox::showPopup();
    }

private:
    forms::ComboBox& model_;
};

}  // namespace

ComboBoxView::ComboBoxView(forms::Control& control, FormWindow& window)
    : ViewBase(control, window) {
    auto* combo = new DropDownCombo(static_cast<forms::ComboBox&>(control));
    combo->setEditable(control.Get("Style").ToInteger() != kDropdownList);
    combo->setInsertPolicy(QComboBox::NoInsert);
    SetWidget(combo);
    QObject::connect(combo, &QComboBox::activated, [this](int index) {
        if (!Syncing()) ListOf(Model()).SetListIndex(static_cast<vb::Integer>(index));
    });
    if (QLineEdit* edit = combo->lineEdit()) {
        QObject::connect(edit, &QLineEdit::textEdited, [this](const QString& text) {
            if (!Syncing()) ListOf(Model()).SetText(FromQt(text));
        });
    }
}

void ComboBoxView::Sync(std::string_view name) {
    auto& combo = static_cast<QComboBox&>(*Widget());
    const forms::ListControl& list = ListOf(Model());
    bool all = name.empty();
    if (all || name == "List") MatchEntries(combo, EntriesOf(list));
    if (all || name == "List" || name == "ListIndex") combo.setCurrentIndex(list.ListIndex());
    if ((all || name == "List" || name == "ListIndex" || name == "Text") && combo.isEditable()) {
        QString text = ToQt(list.Text());
        if (combo.currentText() != text) combo.setEditText(text);
    }
    if (all || name == "ForeColor" || name == "BackColor") ShowColors(combo);
}

}  // namespace qtview
