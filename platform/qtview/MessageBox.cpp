#include "platform/qtview/MessageBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSpacerItem>
#include <algorithm>
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

// A line that is a path (a file or folder named in a message) is kept whole: broken at a hyphen
// or a slash it reads as two names.  The box widens for it as far as the screen allows.  The
// width is held open by an empty item in the text's cell, not by the text's own minimum: the
// box still measures the text as a whole, so a line longer than the path is shown whole or
// wrapped, never cut off at the box's edge.
void KeepPathsWhole(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    const int cell = grid && label ? grid->indexOf(label) : -1;
    if (cell < 0) return;
    int widest = 0;
    static const QRegularExpression kLineEnd(QStringLiteral("\r\n|\r|\n"));
    for (const QString& line : label->text().split(kLineEnd))
        if (line.startsWith(QLatin1Char('/')))
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line) + 1);
    if (widest == 0) return;
    const QMargins margins = label->contentsMargins();
    widest += margins.left() + margins.right() + 2 * (label->frameWidth() + label->margin()) +
              std::max(label->indent(), 0);
    const QScreen* screen = box.screen();
    const int room = screen ? screen->availableGeometry().width() * 3 / 4 : widest;
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(cell, &row, &column, &rows, &columns);
    grid->addItem(
        new QSpacerItem(std::min(widest, room), 0, QSizePolicy::Fixed, QSizePolicy::Fixed), row,
        column, rows, columns);
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
    KeepPathsWhole(box);
    box.exec();
    auto pressed = box.standardButton(box.clickedButton());
    for (const auto& [button, answer] : choices)
        if (button == pressed) return answer;
    return choices.back().second;
}

}  // namespace qtview
