// What start-up is compared with: the least a Qt program does to show a window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Empty window");
    window.show();
    return QApplication::exec();
}
