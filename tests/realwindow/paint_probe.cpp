// Start-up as the user sees it: starts a program and stops the clock when the
// X server has the first painted frame of its window, watched from outside
// through the server's damage events.
//
//   paint_probe [--save FRAME.ppm] WIDTHxHEIGHT PROGRAM [ARGUMENTS...]
//
// The window is the first top-level window of exactly WIDTH x HEIGHT pixels
// whose drawing has covered all of it with something other than one flat
// colour (a server-filled background does not count). Prints
// "MILLISECONDS PEAK_KIB CPU_MILLISECONDS MAIN_MILLISECONDS": the time from
// just before starting the program to the damage event of that frame, the
// program's peak resident memory (VmHWM) at that moment, the processor time
// it had used when it was stopped right after (user and system, all
// threads), and the processor time of its main thread at the damage event
// (the part of the start that no second thread can hide; steadier than the
// clock on a busy machine). --save writes that frame as a binary PPM. Exit
// status 1 when no such frame comes within 20 s or the program ends first.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/Xfixes.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kTimeoutMs = 20000;

double NowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Windows may vanish between their creation and our requests about them.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

long PeakKiB(pid_t pid) {
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    FILE* status = std::fopen(path.c_str(), "r");
    if (!status) return -1;
    char line[256];
    long peak = -1;
    while (std::fgets(line, sizeof line, status))
        if (std::strncmp(line, "VmHWM:", 6) == 0) peak = std::strtol(line + 6, nullptr, 10);
    std::fclose(status);
    return peak;
}

// Time the process's main thread has run, from the scheduler's own record.
double MainThreadCpuMs(pid_t pid) {
    const std::string path = "/proc/" + std::to_string(pid) + "/schedstat";
    FILE* stats = std::fopen(path.c_str(), "r");
    if (!stats) return -1;
    unsigned long long ns = 0;
    const bool read = std::fscanf(stats, "%llu", &ns) == 1;
    std::fclose(stats);
    return read ? static_cast<double>(ns) / 1e6 : -1;
}

// The area drawn so far in one window, as a bounding box.
struct Drawn {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool any = false;
    void add(const XRectangle& r) {
        if (!any) {
            left = r.x, top = r.y, right = r.x + r.width, bottom = r.y + r.height, any = true;
            return;
        }
        left = std::min<int>(left, r.x);
        top = std::min<int>(top, r.y);
        right = std::max<int>(right, r.x + r.width);
        bottom = std::max<int>(bottom, r.y + r.height);
    }
    bool covers(int width, int height) const {
        return any && left <= 0 && top <= 0 && right >= width && bottom >= height;
    }
};

// The window's pixels if they are more than one flat colour; null otherwise.
XImage* PaintedFrame(Display* display, Window window, int width, int height) {
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height),
                              AllPlanes, ZPixmap);
    if (!image) return nullptr;
    const unsigned long first = XGetPixel(image, 0, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (XGetPixel(image, x, y) != first) return image;
    XDestroyImage(image);
    return nullptr;
}

int Channel(unsigned long pixel, unsigned long mask) {
    if (!mask) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1)) ++shift;
    const unsigned long max = mask >> shift;
    return static_cast<int>(((pixel & mask) >> shift) * 255 / max);
}

bool SavePpm(XImage* image, const char* path) {
    FILE* out = std::fopen(path, "wb");
    if (!out) return false;
    std::fprintf(out, "P6\n%d %d\n255\n", image->width, image->height);
    std::vector<unsigned char> row(static_cast<std::size_t>(image->width) * 3);
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            const std::size_t at = static_cast<std::size_t>(x) * 3;
            row[at] = static_cast<unsigned char>(Channel(pixel, image->red_mask));
            row[at + 1] = static_cast<unsigned char>(Channel(pixel, image->green_mask));
            row[at + 2] = static_cast<unsigned char>(Channel(pixel, image->blue_mask));
        }
        std::fwrite(row.data(), 1, row.size(), out);
    }
    return std::fclose(out) == 0;
}

int Usage() {
    std::fprintf(stderr, "usage: paint_probe [--save FRAME.ppm] WIDTHxHEIGHT PROGRAM [ARGUMENTS...]\n");
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    int arg = 1;
    const char* savePath = nullptr;
    if (arg + 1 < argc && std::strcmp(argv[arg], "--save") == 0) {
        savePath = argv[arg + 1];
        arg += 2;
    }
    int width = 0, height = 0;
    if (arg + 1 >= argc || std::sscanf(argv[arg], "%dx%d", &width, &height) != 2 || width <= 0 || height <= 0)
        return Usage();
    char** program = argv + arg + 1;

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "paint_probe: cannot open the display\n");
        return 1;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "paint_probe: the X server has no DAMAGE extension\n");
        return 1;
    }
    int major = 1, minor = 1;
    XDamageQueryVersion(display, &major, &minor);
    XSetErrorHandler(IgnoreErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = NowMs();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("paint_probe: fork");
        return 1;
    }
    if (child == 0) {
        dup2(STDERR_FILENO, STDOUT_FILENO);  // our standard output carries the figures
        execvp(program[0], program);
        std::perror("paint_probe: exec");
        _exit(127);
    }

    std::map<Window, Drawn> drawn;
    int result = 1;
    bool reaped = false;
    for (;;) {
        if (!XPending(display)) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            const int left = kTimeoutMs - static_cast<int>(NowMs() - start);
            int status = 0;
            if (waitpid(child, &status, WNOHANG) == child) {
                std::fprintf(stderr, "paint_probe: the program ended before painting its window\n");
                return 1;
            }
            if (left <= 0) {
                std::fprintf(stderr, "paint_probe: no painted %dx%d window within %d ms\n", width, height, kTimeoutMs);
                break;
            }
            // Wake now and then to notice a program that ended.
            if (poll(&fd, 1, std::min(left, 100)) < 0 && errno != EINTR) break;
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify) {
            // Watch every new top-level window from its creation, before it can draw.
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportRawRectangles);
            drawn[event.xcreatewindow.window];
            XFlush(display);
        } else if (event.type == damageEvent + XDamageNotify) {
            const double at = NowMs();
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            if (damage.geometry.width != width || damage.geometry.height != height) continue;
            Drawn& area = drawn[damage.drawable];
            area.add(damage.area);
            if (!area.covers(width, height)) continue;
            const long peak = PeakKiB(child);
            const double mainCpu = MainThreadCpuMs(child);
            // The pixels as the server holds them when it answers: this frame, as
            // long as the program does not draw again at once (none of ours does).
            XImage* frame = PaintedFrame(display, damage.drawable, width, height);
            if (!frame) continue;
            kill(child, SIGTERM);
            rusage usage{};
            wait4(child, nullptr, 0, &usage);
            reaped = true;
            const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                               static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
            std::printf("%.2f %ld %.1f %.2f\n", at - start, peak, cpu, mainCpu);
            std::fflush(stdout);
            result = 0;
            if (savePath && !SavePpm(frame, savePath)) {
                std::fprintf(stderr, "paint_probe: cannot write %s\n", savePath);
                result = 1;
            }
            XDestroyImage(frame);
            break;
        }
    }
    if (!reaped) {
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
    }
    XCloseDisplay(display);
    return result;
}
