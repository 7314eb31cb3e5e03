// Pings a window as a window manager does (KWin and GNOME's mutter before they offer to kill a
// window that stays silent): a _NET_WM_PING client message to the window, whose answer comes
// back to the root window. Sends the pings one after another, each when the last is answered,
// and watches the root window for new windows meanwhile. Succeeds when the given number of pings
// were answered before any new window was created (in the X server's order of events), and
// fails as soon as one is.
//   wm_ping <window id> <number of pings>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: wm_ping <window id> <number of pings>\n");
        return 2;
    }
    const Window target = std::strtoul(argv[1], nullptr, 0);
    const long wanted = std::strtol(argv[2], nullptr, 10);
    Display* display = XOpenDisplay(nullptr);
    if (!display || target == 0 || wanted < 1) {
        std::fprintf(stderr, "wm_ping: no display, window or count\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    // The answer goes to those who listen for structure changes on the root window; new
    // windows are told to those who listen for changes of its children.
    XSelectInput(display, root, StructureNotifyMask | SubstructureNotifyMask);

    // Our own stamps, apart from any the window manager uses.
    const long firstStamp = 0x5a000000;
    for (long answered = 0; answered < wanted; ++answered) {
        XEvent request{};
        request.xclient.type = ClientMessage;
        request.xclient.window = target;
        request.xclient.message_type = protocols;
        request.xclient.format = 32;
        request.xclient.data.l[0] = static_cast<long>(ping);
        request.xclient.data.l[1] = firstStamp + answered;
        request.xclient.data.l[2] = static_cast<long>(target);
        XSendEvent(display, target, False, NoEventMask, &request);
        XFlush(display);
        for (;;) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == CreateNotify) {
                std::printf("a new window came after %ld of %ld pings were answered\n", answered, wanted);
                return 1;
            }
            const XClientMessageEvent& reply = event.xclient;
            if (event.type == ClientMessage && reply.message_type == protocols &&
                reply.data.l[0] == static_cast<long>(ping) && reply.data.l[1] == firstStamp + answered &&
                static_cast<Window>(reply.data.l[2]) == target) {
                break;
            }
        }
    }
    std::printf("%ld pings answered\n", wanted);
    XCloseDisplay(display);
    return 0;
}
