#include <cstdio>

#include "core/Globals.h"
#include "core/Main.h"
#include "editor/frmMain.h"
#include "platform/forms/Instance.h"

// Runs start-up on the headless host and ends: the on-screen view is not part of this build.
int main() {
    zomel::Main();
    if (zomel::MainForm)
        std::printf("ZomelBuilder started; log: %s\n", zomel::MainForm->LogPath.c_str());
    forms::ResetInstances();
    return 0;
}
