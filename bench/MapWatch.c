// Times a program from its start until the X server maps a top-level window whose title begins
// with a given text: `map_watch <title> <program> [args...]` prints the milliseconds and ends
// the program.  The same watcher times every program, so the figures compare fairly; run it on
// a screen without a window manager, where top-level windows are children of the root.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double Milliseconds(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The window's title, UTF-8 name first; the caller frees it.
static char* Title(Display* display, Window window) {
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* value = NULL;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &value) == Success &&
        value)
        return (char*)value;
    char* name = NULL;
    if (XFetchName(display, window, &name) && name) return name;
    return NULL;
}

static int IgnoreErrors(Display* display, XErrorEvent* error) {
    (void)display;
    (void)error;
    return 0;  // a window may be gone before its title is read
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: %s <title> <program> [args...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "map_watch: no X display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const double start = Milliseconds();
    pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    const size_t wanted = strlen(argv[1]);
    double mapped = -1;
    while (mapped < 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify) continue;
        char* title = Title(display, event.xmap.window);
        if (title && strncmp(title, argv[1], wanted) == 0) mapped = Milliseconds() - start;
        if (title) XFree(title);
    }
    kill(child, SIGKILL);
    waitpid(child, NULL, 0);
    printf("%.1f\n", mapped);
    XCloseDisplay(display);
    return 0;
}
