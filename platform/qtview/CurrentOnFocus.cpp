#include "platform/qtview/CurrentOnFocus.h"

#include <QAbstractItemView>
#include <QEvent>

namespace qtview {
namespace {

class CurrentOnFocus : public QObject {
public:
    CurrentOnFocus(QAbstractItemView& view, std::function<void()> makeCurrent)
        : QObject(&view), view_(&view), makeCurrent_(std::move(makeCurrent)) {}

protected:
    // Before the view's own focus handling, which draws the mark on the current index.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == view_ && event->type() == QEvent::FocusIn &&
            !view_->currentIndex().isValid())
            makeCurrent_();
        return false;
    }

private:
    QAbstractItemView* view_;
    std::function<void()> makeCurrent_;
};

}  // namespace

void ShowCurrentOnFocus(QAbstractItemView& view, std::function<void()> makeCurrent) {
    view.installEventFilter(new CurrentOnFocus(view, std::move(makeCurrent)));
}

}  // namespace qtview
