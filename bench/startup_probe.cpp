// Starts a program under the X server of $DISPLAY and measures how long a person waits:
// from process start until its first window of a given size is shown (mapped and painted), and
// optionally from a click into that window until its next window is shown.
//
//   startup_probe [--runs N] --first WxH [--wait-colour X,Y,R,G,B] [--click X,Y --next-width W]
//                 -- program [arguments]
//
// --wait-colour waits, before the click, until the pixel X,Y of the first window has about
// that colour (a button that shows after a while). Prints one line per run and a last line
//   RESULT first=<median ms> next=<median ms>
// The first run warms the caches and is not counted.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <dlfcn.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

struct Options {
    int runs = 5;
    int firstWidth = 0;
    int firstHeight = 0;
    std::optional<std::array<int, 5>> waitColour;
    std::optional<std::pair<int, int>> click;
    int nextWidth = 0;
    std::vector<char*> program;
};

[[noreturn]] void Usage(const char* why) {
    std::fprintf(stderr, "startup_probe: %s\n", why);
    std::exit(2);
}

Options Parse(int argc, char** argv) {
    Options o;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string a = argv[i];
        auto next = [&]() -> const char* {
            if (i + 1 >= argc) Usage("missing value");
            return argv[++i];
        };
        if (a == "--") { ++i; break; }
        if (a == "--runs") o.runs = std::atoi(next());
        else if (a == "--first") {
            if (std::sscanf(next(), "%dx%d", &o.firstWidth, &o.firstHeight) != 2) Usage("--first WxH");
        } else if (a == "--wait-colour") {
            std::array<int, 5> v{};
            if (std::sscanf(next(), "%d,%d,%d,%d,%d", &v[0], &v[1], &v[2], &v[3], &v[4]) != 5) Usage("--wait-colour");
            o.waitColour = v;
        } else if (a == "--click") {
            int x = 0, y = 0;
            if (std::sscanf(next(), "%d,%d", &x, &y) != 2) Usage("--click X,Y");
            o.click = std::make_pair(x, y);
        } else if (a == "--next-width") o.nextWidth = std::atoi(next());
        else Usage("unknown option");
    }
    for (; i < argc; ++i) o.program.push_back(argv[i]);
    if (o.program.empty() || o.firstWidth <= 0) Usage("need --first and a program");
    o.program.push_back(nullptr);
    return o;
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

double Ms(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

class Probe {
public:
    explicit Probe(Display* d) : d_(d), root_(DefaultRootWindow(d)) {
        pidAtom_ = XInternAtom(d_, "_NET_WM_PID", False);
        XSelectInput(d_, root_, SubstructureNotifyMask);
        XSync(d_, False);
        if (void* xtst = dlopen("libXtst.so.6", RTLD_NOW)) {
            motion_ = reinterpret_cast<Motion>(dlsym(xtst, "XTestFakeMotionEvent"));
            button_ = reinterpret_cast<Button>(dlsym(xtst, "XTestFakeButtonEvent"));
        }
    }

    // Waits for a top-level window of the process, `width` wide (and `height` high unless 0),
    // to be mapped; nullopt after the deadline.
    std::optional<Window> awaitMap(pid_t pid, int width, int height, Clock::time_point deadline) {
        while (Clock::now() < deadline) {
            if (XPending(d_) == 0) {
                pollfd fd{ConnectionNumber(d_), POLLIN, 0};
                poll(&fd, 1, 20);
                continue;
            }
            XEvent e;
            XNextEvent(d_, &e);
            if (e.type != MapNotify) continue;
            const Window w = e.xmap.window;
            XWindowAttributes at;
            if (!XGetWindowAttributes(d_, w, &at)) continue;
            if (at.width != width || (height && at.height != height)) continue;
            if (windowPid(w) != pid) continue;
            return w;
        }
        return std::nullopt;
    }

    // Waits until the window shows something other than the black of a fresh window.
    bool awaitPaint(Window w, Clock::time_point deadline) {
        XWindowAttributes at;
        if (!XGetWindowAttributes(d_, w, &at)) return false;
        const int xs[] = {at.width / 2, at.width / 4, 3 * at.width / 4};
        const int ys[] = {at.height / 2, at.height / 4, 3 * at.height / 4};
        while (Clock::now() < deadline) {
            for (int x : xs)
                for (int y : ys)
                    if (pixel(w, x, y).value_or(0) != 0) return true;
            usleep(300);
        }
        return false;
    }

    bool awaitColour(Window w, const std::array<int, 5>& c, Clock::time_point deadline) {
        while (Clock::now() < deadline) {
            if (const auto p = pixel(w, c[0], c[1])) {
                const int r = (*p >> 16) & 0xff, g = (*p >> 8) & 0xff, b = *p & 0xff;
                if (std::abs(r - c[2]) < 12 && std::abs(g - c[3]) < 12 && std::abs(b - c[4]) < 12) return true;
            }
            usleep(2000);
        }
        return false;
    }

    // Moves the pointer to x, y of the window (not yet a click).
    void pointAt(Window w, int x, int y) {
        XWindowAttributes at;
        XGetWindowAttributes(d_, w, &at);
        x_ = at.x + x;
        y_ = at.y + y;
        if (motion_) {
            motion_(d_, -1, x_, y_, 0);
            XSync(d_, False);
        }
    }

    void click() {
        if (motion_ && button_) {
            button_(d_, 1, True, 0);
            button_(d_, 1, False, 0);
            XFlush(d_);
            return;
        }
        // Without the XTest library: xdotool, whose own start then counts.
        const std::string command =
            "xdotool mousemove --sync " + std::to_string(x_) + " " + std::to_string(y_) + " click 1";
        if (std::system(command.c_str()) != 0) std::fprintf(stderr, "startup_probe: xdotool failed\n");
    }

    void drain() {
        while (XPending(d_)) {
            XEvent e;
            XNextEvent(d_, &e);
        }
    }

private:
    using Motion = int (*)(Display*, int, int, int, unsigned long);
    using Button = int (*)(Display*, unsigned int, int, unsigned long);

    long windowPid(Window w) {
        Atom type;
        int format;
        unsigned long count, after;
        unsigned char* data = nullptr;
        long pid = -1;
        if (XGetWindowProperty(d_, w, pidAtom_, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) ==
                Success &&
            data && count == 1 && format == 32)
            pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
        if (data) XFree(data);
        return pid;
    }

    std::optional<unsigned long> pixel(Window w, int x, int y) {
        XImage* image = XGetImage(d_, w, x, y, 1, 1, AllPlanes, ZPixmap);
        if (!image) return std::nullopt;
        const unsigned long value = XGetPixel(image, 0, 0);
        XDestroyImage(image);
        return value;
    }

    Display* d_;
    Window root_;
    Atom pidAtom_;
    Motion motion_ = nullptr;
    Button button_ = nullptr;
    int x_ = 0, y_ = 0;
};

double Median(std::vector<double> v) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}
}  // namespace

int main(int argc, char** argv) {
    const Options o = Parse(argc, argv);
    Display* d = XOpenDisplay(nullptr);
    if (!d) Usage("cannot open the display");
    XSetErrorHandler(IgnoreErrors);
    Probe probe(d);

    std::vector<double> firsts, nexts;
    for (int run = 0; run <= o.runs; ++run) {
        probe.drain();
        const auto start = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            execv(o.program[0], o.program.data());
            _exit(127);
        }
        const auto deadline = start + std::chrono::seconds(30);
        double first = -1, next = -1;
        if (auto w = probe.awaitMap(pid, o.firstWidth, o.firstHeight, deadline); w && probe.awaitPaint(*w, deadline)) {
            first = Ms(start, Clock::now());
            if (o.click) {
                const bool ready = !o.waitColour || probe.awaitColour(*w, *o.waitColour, deadline);
                probe.pointAt(*w, o.click->first, o.click->second);
                const auto pressed = Clock::now();
                probe.click();
                if (auto n = ready ? probe.awaitMap(pid, o.nextWidth, 0, deadline) : std::nullopt;
                    n && probe.awaitPaint(*n, deadline))
                    next = Ms(pressed, Clock::now());
            }
        }
        kill(pid, SIGTERM);
        int status = 0;
        waitpid(pid, &status, 0);
        std::printf("run %d: first window %.1f ms", run, first);
        if (o.click) std::printf(", next window %.1f ms", next);
        std::printf("%s\n", run == 0 ? " (warm-up, not counted)" : "");
        if (first < 0 || (o.click && next < 0)) {
            std::fprintf(stderr, "startup_probe: a window did not show\n");
            return 1;
        }
        if (run > 0) {
            firsts.push_back(first);
            nexts.push_back(next);
        }
    }
    std::printf("RESULT first=%.1f next=%.1f\n", Median(firsts), o.click ? Median(nexts) : -1.0);
    XCloseDisplay(d);
    return 0;
}
