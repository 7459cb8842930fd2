#include "platform/qtview/MessageBox.h"

#include <QEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
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

// The width of the widest line of the label that is a path (a file or folder named in a
// message); 0 when none is.
int WidestPath(const QLabel& label) {
    int widest = 0;
    static const QRegularExpression kLineEnd(QStringLiteral("\r\n|\r|\n"));
    for (const QString& line : label.text().split(kLineEnd))
        if (line.startsWith(QLatin1Char('/')))
            widest = std::max(widest, label.fontMetrics().horizontalAdvance(line) + 1);
    return widest;
}

// As wide as Qt lets a message box grow on `screen`; a wider one has its lines broken anywhere.
int WidestBox(const QScreen* screen) {
    const int screenWidth = screen ? screen->availableGeometry().width() : 0;
    constexpr int kNarrowScreen = 1024, kBesideBox = 480, kWidestBox = 1000;
    return screenWidth <= kNarrowScreen ? screenWidth
                                        : std::min(screenWidth - kBesideBox, kWidestBox);
}

// A path on a line of its own is kept whole: broken at a hyphen or a slash it reads as two
// names.  Qt sizes the box for its text as it is shown; only a box too narrow for the path is
// widened then, as far as a message box may grow, so that the other lines still wrap in it.
class MessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        WidenForPaths();
    }

private:
    void WidenForPaths() {
        auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (!label) return;
        const int frame = label->width() - label->contentsRect().width();
        const int wanted = WidestPath(*label) + frame;
        if (wanted <= label->width()) return;
        const int beside = width() - label->width();
        label->setMinimumWidth(std::min(wanted, WidestBox(screen()) - beside));
        // Sized again at once, before the box is on the screen.
        QEvent sizeAgain(QEvent::LayoutRequest);
        QMessageBox::event(&sizeAgain);
        adjustPosition(parentWidget());  // centred again at its new width
    }
};

}  // namespace

int RunMessageBox(const std::string& prompt, int style, const std::string& title, QWidget* parent) {
    MessageBox box(IconOf(style), ToQt(title), ToQt(prompt), QMessageBox::NoButton, parent);
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
