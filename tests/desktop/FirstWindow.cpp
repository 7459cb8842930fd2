// The first window of a run, shown as the program shows its splash: centred on the screen
// before any frame of the window manager is known.  Prints where the window sits once shown
// ("shown x y") and wherever it moves after ("moved x y"), for a second and a half, then ends.
// Its description is forms/frmFirst.json in the program folder ($ZOMEL_APPDIR).

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <cstdio>

#include "platform/forms/Form.h"
#include "platform/forms/Host.h"
#include "platform/qtview/FormWindow.h"
#include "platform/qtview/QtHost.h"

namespace {

class MoveLog : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Move) {
            const QPoint at = static_cast<QWidget*>(watched)->geometry().topLeft();
            std::printf("moved %d %d\n", at.x(), at.y());
        }
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qtview::QtHost host;
    forms::SetHost(&host);
    {
        forms::Form first("frmFirst");
        first.Show();
        // The host may let go of the window once the loop ends.
        QPointer<qtview::FormWindow> window = host.WindowOf(first);
        const QPoint at = window->geometry().topLeft();
        std::printf("shown %d %d\n", at.x(), at.y());
        MoveLog log;
        window->installEventFilter(&log);
        QTimer::singleShot(1500, &app, &QApplication::quit);
        app.exec();
        if (window) window->removeEventFilter(&log);
        first.Unload();
    }
    forms::SetHost(nullptr);
    std::fflush(stdout);
    return 0;
}
