// The least a Qt program with text does to show a main window: a menu bar and one label.
// Its start-up is the floor for any window that shows text: fonts and the accessibility bridge
// come up before it is mapped, which the empty window never needs.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Label window");
    window.menuBar()->addMenu("&File")->addAction("E&xit");
    window.setCentralWidget(new QLabel("Message"));
    window.show();
    return QApplication::exec();
}
