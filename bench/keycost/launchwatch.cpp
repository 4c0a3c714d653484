// Starts a program and tells when its window is first drawn, to the millisecond: polling the
// window list (xdotool) would round a launch to its polling interval.
//   bench_keycost_launch program [arguments...]
// Prints the program's process id at once, then the milliseconds from the start until the
// first of its windows that is neither a splash screen nor a pop-up has been drawn on (the X
// server's damage report), or -1 when none was within two minutes. Leaves the program running.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <cstdio>

#include <poll.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

// The first item of a window's 32-bit property, or 0 where it has none.
unsigned long firstItem(Display *display, Window window, const char *name, Atom type)
{
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    const Atom property = XInternAtom(display, name, False);
    unsigned long item = 0;
    if (XGetWindowProperty(display, window, property, 0, 1, False, type, &actualType, &format,
                           &count, &after, &data) == Success &&
        data && format == 32 && count == 1)
        item = *reinterpret_cast<unsigned long *>(data);
    if (data)
        XFree(data);
    return item;
}

bool isMainWindowOf(Display *display, Window window, pid_t pid)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable ||
        attributes.override_redirect)
        return false;
    if (firstItem(display, window, "_NET_WM_PID", XA_CARDINAL) != static_cast<unsigned long>(pid))
        return false;
    const Atom splash = XInternAtom(display, "_NET_WM_WINDOW_TYPE_SPLASH", False);
    return firstItem(display, window, "_NET_WM_WINDOW_TYPE", XA_ATOM) != splash;
}

// A window may be gone by the time it is asked about: that is no failure here.
int ignoreError(Display *, XErrorEvent *)
{
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s program [arguments...]\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    int damageEvent = 0;
    int damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "%s: needs an X server with the DAMAGE extension\n", argv[0]);
        return 1;
    }
    XSetErrorHandler(ignoreError);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(display));
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    std::printf("%d\n", static_cast<int>(pid));
    std::fflush(stdout);

    const auto deadline = start + std::chrono::minutes(2);
    while (std::chrono::steady_clock::now() < deadline) {
        if (!XPending(display)) {
            pollfd connection{ConnectionNumber(display), POLLIN, 0};
            poll(&connection, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        // Every top-level window is watched from its creation: it cannot be drawn on before.
        if (event.type == CreateNotify && event.xcreatewindow.parent == root &&
            !event.xcreatewindow.override_redirect)
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        if (event.type != damageEvent + XDamageNotify)
            continue;
        const auto &damage = *reinterpret_cast<XDamageNotifyEvent *>(&event);
        XDamageSubtract(display, damage.damage, None, None);
        if (isMainWindowOf(display, damage.drawable, pid)) {
            const auto drawn = std::chrono::steady_clock::now();
            std::printf(
                "%lld\n",
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::milliseconds>(drawn - start).count()));
            return 0;
        }
    }
    std::printf("-1\n");
    return 0;
}
