// Asks a window to close the way a window manager does: a WM_DELETE_WINDOW message.
#include <X11/Xlib.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    Display* schermo = XOpenDisplay(nullptr);
    if (!schermo)
        return 1;
    const Window finestra = std::strtoul(argv[1], nullptr, 0);
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = finestra;
    e.xclient.message_type = XInternAtom(schermo, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(schermo, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(schermo, finestra, False, NoEventMask, &e);
    XFlush(schermo);
    XCloseDisplay(schermo);
    return 0;
}
