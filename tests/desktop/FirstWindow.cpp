// The first window of a run, shown as the program shows its splash: centred on the screen
// before any frame of the window manager is known, and refreshed at once.  Prints how many
// colours the screen shows inside it before the event loop runs ("drawn n"), where it sits
// once shown ("shown x y") and wherever it moves after ("moved x y"), for a second and a
// half, then the height of the frame above it ("frame top") and ends.  Its description is
// forms/frmFirst.json in the program folder ($ZOMEL_APPDIR).

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <set>

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

// The colours the screen shows inside the window, every third pixel.
size_t ColoursOnScreen(const QWidget& window) {
    const QRect inner = window.geometry();
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, inner.x(), inner.y(), inner.width(), inner.height())
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
    std::set<QRgb> colours;
    for (int y = 0; y < shot.height(); y += 3)
        for (int x = 0; x < shot.width(); x += 3)
            colours.insert(shot.pixel(x, y));
    return colours.size();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qtview::QtHost host;
    forms::SetHost(&host);
    {
        forms::Form first("frmFirst");
        first.Show();
        first.Refresh();
        // The host may let go of the window once the loop ends.
        QPointer<qtview::FormWindow> window = host.WindowOf(first);
        std::printf("drawn %zu\n", ColoursOnScreen(*window));
        const QPoint at = window->geometry().topLeft();
        std::printf("shown %d %d\n", at.x(), at.y());
        MoveLog log;
        window->installEventFilter(&log);
        QTimer::singleShot(1500, &app, [&] {
            if (window && window->windowHandle())
                std::printf("frame %d\n", window->windowHandle()->frameMargins().top());
            QApplication::quit();
        });
        app.exec();
        if (window) window->removeEventFilter(&log);
        first.Unload();
    }
    forms::SetHost(nullptr);
    std::fflush(stdout);
    return 0;
}
