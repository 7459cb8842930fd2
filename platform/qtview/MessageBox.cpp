#include "platform/qtview/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

#include "platform/forms/Constants.h"
#include "platform/qtview/Convert.h"

namespace qtview {
namespace {

using Choice = std::pair<QMessageBox::StandardButton, int>;

std::vector<Choice> ButtonsOf(int style) {
    using B = QMessageBox;
    switch (style & 0x0F) {
        case forms::vbOKCancel:
            return {{B::Ok, forms::vbOK}, {B::Cancel, forms::vbCancel}};
        case forms::vbAbortRetryIgnore:
            return {{B::Abort, forms::vbAbort},
                    {B::Retry, forms::vbRetry},
                    {B::Ignore, forms::vbIgnore}};
        case forms::vbYesNoCancel:
            return {{B::Yes, forms::vbYes}, {B::No, forms::vbNo}, {B::Cancel, forms::vbCancel}};
        case forms::vbYesNo:
            return {{B::Yes, forms::vbYes}, {B::No, forms::vbNo}};
        case forms::vbRetryCancel:
            return {{B::Retry, forms::vbRetry}, {B::Cancel, forms::vbCancel}};
        default:
            return {{B::Ok, forms::vbOK}};
    }
}

QMessageBox::Icon IconOf(int style) {
    switch (style & 0x70) {
        case forms::vbCritical:
            return QMessageBox::Critical;
        case forms::vbQuestion:
            return QMessageBox::Question;
        case forms::vbExclamation:
            return QMessageBox::Warning;
        case forms::vbInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

int RunMessageBox(const std::string& prompt, int style, const std::string& title, QWidget* parent) {
    QMessageBox box(IconOf(style), ToQt(title), ToQt(prompt), QMessageBox::NoButton, parent);
    std::vector<Choice> choices = ButtonsOf(style);
    for (const auto& [button, answer] : choices)
        box.addButton(button);
    size_t preferred = static_cast<size_t>((style & 0x300) >> 8);
    if (preferred < choices.size()) box.setDefaultButton(choices[preferred].first);
    // Escape answers Cancel where there is one, and OK in a box with OK alone.
    for (const auto& [button, answer] : choices)
        if (answer == forms::vbCancel || choices.size() == 1) box.setEscapeButton(button);
    box.exec();
    auto pressed = box.standardButton(box.clickedButton());
    for (const auto& [button, answer] : choices)
        if (button == pressed) return answer;
    return choices.back().second;
}

}  // namespace qtview
