#include <QApplication>

#include "app/Main.h"
#include "platform/forms/Host.h"
#include "platform/forms/Instance.h"
#include "platform/os/TempFiles.h"
#include "platform/qtview/QtHost.h"

// Runs start-up on the screen, then the event loop until the last window has gone.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The program ends when its windows unload, not when Qt sees a window close.
    QApplication::setQuitOnLastWindowClosed(false);
    qtview::QtHost host;
    forms::SetHost(&host);
    zomel::Main();
    // Without its main window the program has told the person why and ends.
    int status = 1;
    if (host.HasVisibleWindow()) {
        host.SetEndWhenNoWindows(true);
        status = QApplication::exec();
    }
    forms::ResetInstances();
    forms::SetHost(nullptr);
    os::RemoveRunTempFiles();
    return status;
}
