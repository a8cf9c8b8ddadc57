// Starts a program and watches it from outside, the way a player would see it: the time
// from starting the process to the first frame that shows anything in its window, then
// its peak resident memory and the share of one core it uses. Adds nothing to the game.
// With --frames, the program is started with the swap counter (bench/SwapCounter.cpp)
// preloaded, and the frames it draws in the --cpu interval are counted too.
//
//   vornak_probe [--dir D] [--settle SECONDS] [--cpu SECONDS] [--frames COUNTER.so]
//                -- program [args...]
//
// Prints key=value lines: startup_ms, mapped_ms, peak_kb, cpu_percent, worker_cpu_percent (the
// game's win chance thread alone), frames_per_second.
#include "bench/ProcessStats.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <fcntl.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const char kWinChanceThread[] = "win chance";

double Now() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void Sleep(double seconds) {
    timespec pause;
    pause.tv_sec = static_cast<time_t>(seconds);
    pause.tv_nsec = static_cast<long>((seconds - static_cast<double>(pause.tv_sec)) * 1e9);
    nanosleep(&pause, nullptr);
}

// A window may vanish or be unmapped between our requests; that is not an error here.
int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

std::set<Window> TopLevelWindows(Display* display) {
    Window root, parent;
    Window* children = nullptr;
    unsigned int count = 0;
    std::set<Window> windows;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        windows.insert(children, children + count);
        XFree(children);
    }
    return windows;
}

// False only when the window names another process as its owner; windows that name none
// are taken as the child's, since nothing else should be opening windows meanwhile.
bool MayBelongTo(Display* display, Window window, pid_t child) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    if (pidAtom == None) {
        return true;
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    bool mine = true;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data) {
        if (type == XA_CARDINAL && format == 32 && count == 1) {
            mine = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == child;
        }
        XFree(data);
    }
    return mine;
}

// True when `window` is on screen and shows a pixel that is not black.
bool ShowsSomething(Display* display, Window window, bool& mapped) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable) {
        return false;
    }
    mapped = true;
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (!image) {
        return false;
    }
    bool lit = false;
    if (image->bits_per_pixel == 32) {
        const uint32_t mask =
            static_cast<uint32_t>(image->red_mask | image->green_mask | image->blue_mask);
        lit = ProcessStats::AnyPixelLit(image->data, image->width, image->height,
                                        image->bytes_per_line, mask);
    }
    XDestroyImage(image);
    return lit;
}

void Stop(pid_t child) {
    kill(child, SIGTERM); // SDL turns this into a quit request
    for (int i = 0; i < 300; ++i) {
        if (waitpid(child, nullptr, WNOHANG) == child) {
            return;
        }
        Sleep(0.01);
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

int Usage() {
    std::fprintf(stderr, "usage: vornak_probe [--dir D] [--settle S] [--cpu S] [--frames SO] -- "
                         "program [args...]\n");
    return 2;
}

// The shared counter the preloaded swap counter adds to: a file of one zeroed 64-bit word.
std::string MakeCounterFile() {
    char path[] = "/tmp/vornak-frames-XXXXXX";
    const int file = mkstemp(path);
    if (file < 0) {
        return {};
    }
    const uint64_t zero = 0;
    const bool written = write(file, &zero, sizeof zero) == static_cast<ssize_t>(sizeof zero);
    close(file);
    return written ? path : std::string();
}

uint64_t ReadCounter(const std::string& path) {
    uint64_t count = 0;
    const int file = open(path.c_str(), O_RDONLY);
    if (file >= 0) {
        if (pread(file, &count, sizeof count, 0) != static_cast<ssize_t>(sizeof count)) {
            count = 0;
        }
        close(file);
    }
    return count;
}

} // namespace

int main(int argc, char** argv) {
    std::string dir;
    double settle = 2.0;
    double cpuSeconds = 0.0;
    std::string counterLibrary;
    int first = argc;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--" && i + 1 < argc) {
            first = i + 1;
            break;
        }
        if (i + 1 >= argc) {
            return Usage();
        }
        if (arg == "--dir") {
            dir = argv[++i];
        } else if (arg == "--settle") {
            settle = std::atof(argv[++i]);
        } else if (arg == "--cpu") {
            cpuSeconds = std::atof(argv[++i]);
        } else if (arg == "--frames") {
            counterLibrary = argv[++i];
        } else {
            return Usage();
        }
    }
    if (first >= argc) {
        return Usage();
    }

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "vornak_probe: no X display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreXErrors);
    // A black root, so that an empty new window reads as all black until drawn on.
    const Window rootWindow = DefaultRootWindow(display);
    XSetWindowBackground(display, rootWindow, BlackPixel(display, DefaultScreen(display)));
    XClearWindow(display, rootWindow);
    XSync(display, False);
    const std::set<Window> before = TopLevelWindows(display);
    const std::string counter = counterLibrary.empty() ? std::string() : MakeCounterFile();
    if (!counterLibrary.empty() && counter.empty()) {
        std::perror("vornak_probe: frame counter");
        return 1;
    }
    const struct RemoveOnReturn {
        const std::string& path;
        ~RemoveOnReturn() {
            if (!path.empty()) {
                unlink(path.c_str());
            }
        }
    } removeCounter{counter};

    const double start = Now();
    const pid_t child = fork();
    if (child == 0) {
        if (!dir.empty() && chdir(dir.c_str()) != 0) {
            std::perror("vornak_probe: chdir");
            _exit(127);
        }
        if (!counter.empty()) {
            setenv("LD_PRELOAD", counterLibrary.c_str(), 1);
            setenv("VORNAK_FRAME_COUNTER", counter.c_str(), 1);
        }
        execv(argv[first], argv + first);
        std::perror("vornak_probe: exec");
        _exit(127);
    }
    if (child < 0) {
        std::perror("vornak_probe: fork");
        return 1;
    }

    double mappedAt = 0.0;
    double drawnAt = 0.0;
    while (drawnAt == 0.0 && Now() - start < 30.0) {
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "vornak_probe: %s ended before drawing\n", argv[first]);
            return 1;
        }
        for (Window window : TopLevelWindows(display)) {
            if (before.count(window) || !MayBelongTo(display, window, child)) {
                continue;
            }
            bool mapped = false;
            const bool drawn = ShowsSomething(display, window, mapped);
            const double now = Now();
            if (mapped && mappedAt == 0.0) {
                mappedAt = now;
            }
            if (drawn) {
                drawnAt = now;
                break;
            }
        }
        Sleep(0.0005);
    }
    if (drawnAt == 0.0) {
        std::fprintf(stderr, "vornak_probe: no frame drawn within 30 s\n");
        Stop(child);
        return 1;
    }
    std::printf("startup_ms=%.1f\n", (drawnAt - start) * 1000.0);
    std::printf("mapped_ms=%.1f\n", (mappedAt - start) * 1000.0);

    Sleep(settle);
    if (cpuSeconds > 0.0) {
        uint64_t ticksBefore = 0;
        uint64_t ticksAfter = 0;
        const double from = Now();
        const uint64_t framesBefore = counter.empty() ? 0 : ReadCounter(counter);
        uint64_t workerBefore = 0, workerAfter = 0;
        ProcessStats::ReadCpuTicks(child, ticksBefore);
        ProcessStats::ReadThreadCpuTicks(child, kWinChanceThread, workerBefore);
        Sleep(cpuSeconds);
        ProcessStats::ReadCpuTicks(child, ticksAfter);
        ProcessStats::ReadThreadCpuTicks(child, kWinChanceThread, workerAfter);
        const uint64_t framesAfter = counter.empty() ? 0 : ReadCounter(counter);
        const double seconds = Now() - from;
        const double perSecond = static_cast<double>(sysconf(_SC_CLK_TCK));
        std::printf("cpu_percent=%.1f\n",
                    100.0 * static_cast<double>(ticksAfter - ticksBefore) / perSecond / seconds);
        // The frame loop's share is the rest: its own thread and the driver's.
        std::printf("worker_cpu_percent=%.1f\n",
                    100.0 * static_cast<double>(workerAfter - workerBefore) / perSecond / seconds);
        if (!counter.empty()) {
            std::printf("frames_per_second=%.1f\n",
                        static_cast<double>(framesAfter - framesBefore) / seconds);
        }
    }
    uint64_t peak = 0;
    if (ProcessStats::ReadHighWaterKb(child, peak)) {
        std::printf("peak_kb=%llu\n", static_cast<unsigned long long>(peak));
    }
    Stop(child);
    XCloseDisplay(display);
    return 0;
}
