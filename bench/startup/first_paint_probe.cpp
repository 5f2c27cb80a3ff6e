// Starts a program and times it to its first painted window, the same way
// for any X11 program:
//
//   first_paint_probe TITLE SETTLE_MS PROGRAM [ARGS...]
//
// The probe watches the root window before it starts the program. Every new
// top-level window gets a damage object at once; the first one mapped whose
// name contains TITLE is the program's window, and the first damage to it is
// its first paint (Qt windows have no server-drawn background, so only the
// program itself damages them). After SETTLE_MS more milliseconds the
// program's memory is read and it is killed. Prints one line:
//
//   map_ms paint_ms faults_at_paint rss_kb faults_settled width height
//
// Times count from just before fork; faults are minor plus major page faults
// of the process (/proc/PID/stat), the resident memory is VmRSS.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

std::string windowName(Display* display, Window window)
{
    const Atom utf8Name = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long rest = 0;
    unsigned char* data = nullptr;
    std::string name;
    if (XGetWindowProperty(display, window, utf8Name, 0, 1024, False, utf8, &type, &format, &count, &rest, &data) ==
            Success &&
        data) {
        name.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    if (name.empty()) {
        char* plain = nullptr;
        if (XFetchName(display, window, &plain) && plain) {
            name = plain;
            XFree(plain);
        }
    }
    return name;
}

// Minor plus major faults: fields 10 and 12 of /proc/PID/stat, counted after
// the command name, which may hold spaces but ends with the last ')'.
long pageFaults(pid_t pid)
{
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(file, line);
    const auto close = line.rfind(')');
    if (close == std::string::npos) return -1;
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    long minor = 0;
    long major = 0;
    for (int n = 3; n <= 12 && fields >> field; ++n) {
        if (n == 10) minor = std::atol(field.c_str());
        if (n == 12) major = std::atol(field.c_str());
    }
    return minor + major;
}

long residentKb(pid_t pid)
{
    std::ifstream file("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(file, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s TITLE SETTLE_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    const int settleMs = std::atoi(argv[2]);

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(display));
        if (FILE* quiet = std::fopen("/dev/null", "w")) {  // the probe's own line stays alone on stdout
            dup2(fileno(quiet), STDOUT_FILENO);
            dup2(fileno(quiet), STDERR_FILENO);
        }
        execvp(argv[3], argv + 3);
        std::perror(argv[3]);
        _exit(127);
    }

    std::map<Window, Damage> damages;
    Window target = None;
    double mapped = -1;
    double painted = -1;
    const double deadline = start + 20000;
    while (painted < 0 && nowMs() < deadline) {
        if (!XPending(display)) {
            pollfd wait{ConnectionNumber(display), POLLIN, 0};
            poll(&wait, 1, 100);
            if (waitpid(pid, nullptr, WNOHANG) == pid) {
                std::fprintf(stderr, "%s ended before its window was painted\n", argv[3]);
                return 1;
            }
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            damages[event.xcreatewindow.window] =
                XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && target == None) {
            const Window window = event.xmap.window;
            if (windowName(display, window).find(title) != std::string::npos) {
                target = window;
                mapped = nowMs() - start;
            }
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto* notify = reinterpret_cast<XDamageNotifyEvent*>(&event);
            if (target != None && notify->drawable == target) painted = nowMs() - start;
            else XDamageSubtract(display, notify->damage, None, None);  // asks for the next one
        }
    }
    if (painted < 0) {
        std::fprintf(stderr, "no painted window named \"%s\"\n", title.c_str());
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return 1;
    }
    const long faultsAtPaint = pageFaults(pid);
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, target, &attributes);

    usleep(useconds_t(settleMs) * 1000);
    const long rss = residentKb(pid);
    const long faultsSettled = pageFaults(pid);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    std::printf("%.2f %.2f %ld %ld %ld %d %d\n", mapped, painted, faultsAtPaint, rss, faultsSettled,
                attributes.width, attributes.height);
    return 0;
}
