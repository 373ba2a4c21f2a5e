// Waits until a window with a given title shows a given colour at a given pixel, then prints
// the wall-clock time in nanoseconds. Used to time a program from launch to first paint.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

int ignora(Display*, XErrorEvent*) {
    return 0;
}

Window cerca(Display* d, Window w, const char* titolo) {
    char* nome = nullptr;
    if (XFetchName(d, w, &nome) && nome) {
        const bool uguale = std::strcmp(nome, titolo) == 0;
        XFree(nome);
        if (uguale)
            return w;
    }
    Window radice, padre, *figli = nullptr;
    unsigned int n = 0;
    Window trovata = 0;
    if (XQueryTree(d, w, &radice, &padre, &figli, &n)) {
        for (unsigned int i = 0; i < n && !trovata; ++i)
            trovata = cerca(d, figli[i], titolo);
        if (figli)
            XFree(figli);
    }
    return trovata;
}

long long adesso() {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s title x y rrggbb timeout-seconds\n", argv[0]);
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d)
        return 1;
    XSetErrorHandler(ignora);
    const int x = std::atoi(argv[2]);
    const int y = std::atoi(argv[3]);
    const unsigned long colore = std::strtoul(argv[4], nullptr, 16);
    const long long limite = adesso() + std::atoll(argv[5]) * 1000000000LL;
    const timespec passo{0, 500000};
    Window w = 0;
    while (adesso() < limite) {
        if (!w)
            w = cerca(d, DefaultRootWindow(d), argv[1]);
        if (w) {
            XImage* img = XGetImage(d, w, x, y, 1, 1, AllPlanes, ZPixmap);
            if (img) {
                const unsigned long p = XGetPixel(img, 0, 0) & 0xFFFFFF;
                XDestroyImage(img);
                if (p == colore) {
                    std::printf("%lld\n", adesso());
                    return 0;
                }
            }
        }
        nanosleep(&passo, nullptr);
    }
    return 1;
}
