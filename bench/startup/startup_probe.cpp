// Starts a program on the current X display and reports, from the X server's point of view, when
// its first top-level window was mapped and when the program first drew into it, then its peak
// resident set size a settle time later.
//
//   coilwind_startup_probe [--settle-ms N] [--timeout-ms N] [--log FILE] -- PROGRAM [ARGS...]
//
// (PROGRAM is a path: PATH is not searched; its output goes to FILE, default /dev/null) and prints
// one line
//
//   mapped_ms=<exec to MapNotify> painted_ms=<exec to first damage> max_rss_kib=<peak RSS>
//   cpu_ms=<user + system CPU time>
//
// Times run from just before the program is spawned. The probe watches the root window for
// CreateNotify/MapNotify (so the display must have no window manager, which would reparent the
// window) and puts a damage object on every new top-level window; the first DamageNotify after
// the map is the program's first paint. Once painted, the probe waits the settle time, kills the
// program and takes its peak RSS and CPU time from wait4() (the figures `/usr/bin/time -f "%M %U
// %S"` gives). CPU time depends much less than wall time on what else the machine is doing.

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string_view>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

double nowMs() {
    using Ms = std::chrono::duration<double, std::milli>;
    return std::chrono::duration_cast<Ms>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

volatile std::sig_atomic_t interrupted = 0;

void onInterrupt(int /*signal*/) {
    interrupted = 1;
}

// A window may be gone before the damage request for it arrives; that is not a failure.
int ignoreXError(Display* /*display*/, XErrorEvent* /*error*/) {
    return 0;
}

int usage() {
    std::fputs("usage: coilwind_startup_probe [--settle-ms N] [--timeout-ms N] [--log FILE] -- "
               "PROGRAM [ARGS...]\n",
               stderr);
    return 2;
}

struct Watched {
    Window window;
    Damage damage;
};

} // namespace

int main(int argc, char* argv[]) {
    double settleMs = 300.0;
    double timeoutMs = 10000.0;
    const char* logPath = "/dev/null";
    int first = 1;
    for (; first < argc; ++first) {
        const std::string_view arg = argv[first];
        if (arg == "--") {
            ++first;
            break;
        }
        if (first + 1 >= argc) {
            return usage();
        }
        if (arg == "--settle-ms") {
            settleMs = std::atof(argv[++first]);
        } else if (arg == "--timeout-ms") {
            timeoutMs = std::atof(argv[++first]);
        } else if (arg == "--log") {
            logPath = argv[++first];
        } else {
            return usage();
        }
    }
    if (first >= argc) {
        return usage();
    }

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fputs("coilwind_startup_probe: cannot open the X display (is DISPLAY set?)\n", stderr);
        return 1;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (XDamageQueryExtension(display, &damageEvent, &damageError) == False) {
        std::fputs("coilwind_startup_probe: the X server has no DAMAGE extension\n", stderr);
        return 1;
    }
    XSetErrorHandler(ignoreXError);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    // Interrupted, the probe still kills the program it started.
    struct sigaction interrupt {};
    interrupt.sa_handler = onInterrupt;
    sigemptyset(&interrupt.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &interrupt, nullptr);
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, logPath,
                                     O_WRONLY | O_CREAT | O_APPEND, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    // The program must not inherit the probe's X connection.
    posix_spawn_file_actions_addclose(&actions, ConnectionNumber(display));

    pid_t pid = 0;
    const double start = nowMs();
    const int spawned = posix_spawn(&pid, argv[first], &actions, nullptr, argv + first, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "coilwind_startup_probe: cannot start %s: %s\n", argv[first],
                     std::strerror(spawned));
        return 1;
    }

    std::vector<Watched> windows;
    Window shown = None;
    double mapped = -1.0;
    double painted = -1.0;
    bool exited = false;
    const char* failure = nullptr;

    while (true) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            const double at = nowMs();
            if (event.type == CreateNotify && event.xcreatewindow.parent == root &&
                event.xcreatewindow.override_redirect == False) {
                const Window window = event.xcreatewindow.window;
                windows.push_back({window, XDamageCreate(display, window, XDamageReportNonEmpty)});
                XFlush(display);
            } else if (event.type == MapNotify && shown == None &&
                       event.xmap.override_redirect == False &&
                       std::any_of(windows.begin(), windows.end(), [&](const Watched& watched) {
                           return watched.window == event.xmap.window;
                       })) {
                shown = event.xmap.window;
                mapped = at - start;
            } else if (event.type == damageEvent + XDamageNotify) {
                const auto& notify = reinterpret_cast<const XDamageNotifyEvent&>(event);
                XDamageSubtract(display, notify.damage, None, None);
                XFlush(display);
                if (shown != None && painted < 0.0 && notify.drawable == shown) {
                    painted = at - start;
                }
            }
        }

        if (interrupted != 0) {
            failure = "interrupted";
            break;
        }
        const double now = nowMs();
        double deadline = start + timeoutMs;
        if (painted >= 0.0) {
            deadline = start + painted + settleMs;
        }
        if (now >= deadline) {
            if (painted < 0.0) {
                failure = mapped < 0.0 ? "no window was mapped" : "the window was never drawn";
            }
            break;
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            exited = true;
            failure = "the program exited before the measurement was complete";
            break;
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        // Short slices so that an early exit of the program is noticed; an X event ends the
        // wait at once, so the slice does not limit the timing resolution.
        const int waitMs = std::clamp(static_cast<int>(deadline - now) + 1, 1, 20);
        if (poll(&connection, 1, waitMs) < 0 && errno != EINTR) {
            failure = "poll on the X connection failed";
            break;
        }
    }

    rusage usage{};
    int status = 0;
    if (!exited) {
        kill(pid, SIGKILL);
        while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
        }
    }
    for (const Watched& watched : windows) {
        XDamageDestroy(display, watched.damage);
    }
    XCloseDisplay(display);

    if (failure != nullptr) {
        std::fprintf(stderr, "coilwind_startup_probe: %s: %s\n", argv[first], failure);
        return 1;
    }
    const auto ms = [](const timeval& tv) {
        return static_cast<double>(tv.tv_sec) * 1e3 + static_cast<double>(tv.tv_usec) / 1e3;
    };
    std::printf("mapped_ms=%.3f painted_ms=%.3f max_rss_kib=%ld cpu_ms=%.3f\n", mapped, painted,
                usage.ru_maxrss, ms(usage.ru_utime) + ms(usage.ru_stime));
    return 0;
}
