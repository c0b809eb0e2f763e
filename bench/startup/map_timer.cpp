// map_timer COMMAND [ARGUMENTS...]
//
// Starts COMMAND and prints the milliseconds from its start until the X server
// maps its first top-level window, then ends it. It watches the server's own map
// events (one connection, no polling), so the probe does not slow the program
// it measures.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The process id a window was created by, from its _NET_WM_PID property; 0 if unknown.
long windowPid(Display* display, Window window) {
    const Atom property = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    long pid = 0;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                           &items, &after, &data) == Success &&
        data && items == 1 && format == 32)
        pid = *reinterpret_cast<long*>(data);
    if (data)
        XFree(data);
    return pid;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_timer COMMAND [ARGUMENTS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "map_timer: no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || event.xmap.override_redirect)
                continue;
            const long pid = windowPid(display, event.xmap.window);
            if (pid != 0 && pid != child)
                continue;
            const auto elapsed = std::chrono::steady_clock::now() - start;
            std::printf("%.1f\n", std::chrono::duration<double, std::milli>(elapsed).count());
            kill(child, SIGTERM);
            waitpid(child, nullptr, 0);
            XCloseDisplay(display);
            return 0;
        }
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "map_timer: %s ended without showing a window\n", argv[1]);
            return 1;
        }
        fd_set read;
        FD_ZERO(&read);
        FD_SET(fd, &read);
        timeval wait{0, 20000};
        select(fd + 1, &read, nullptr, nullptr, &wait);
    }
}
