// Starts a program under the X display of $DISPLAY and reports how long it took until a
// top-level window of the given title was mapped, and the peak resident memory of the
// window's process at that moment; then ends the program it started.
//   window_map_probe TITLE TIMEOUT_SECONDS PROGRAM [ARGUMENT...]
// Prints "SECONDS PEAK_RSS_KIB" on success; exits 1 with a message otherwise.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

std::string titleOf(Display* display, Window window) {
    // Toolkits set the UTF-8 name for window managers and the old name for everyone else.
    const Atom utf8Name = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8String = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long rest = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, utf8Name, 0, 1024, False, utf8String, &type, &format, &count, &rest,
                           &data) == Success &&
        data != nullptr && type == utf8String) {
        title.assign(reinterpret_cast<const char*>(data), count);
    }
    if (data != nullptr) XFree(data);
    if (!title.empty()) return title;
    char* name = nullptr;
    if (XFetchName(display, window, &name) != 0 && name != nullptr) {
        title = name;
        XFree(name);
    }
    return title;
}

// The process that owns the window, which is not always the one started: Wine may start a
// program through a launcher of its own.
pid_t ownerOf(Display* display, Window window, pid_t started) {
    const Atom wmPid = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long rest = 0;
    unsigned char* data = nullptr;
    pid_t owner = started;
    if (XGetWindowProperty(display, window, wmPid, 0, 1, False, XA_CARDINAL, &type, &format, &count, &rest,
                           &data) == Success &&
        data != nullptr && type == XA_CARDINAL && format == 32 && count == 1) {
        owner = static_cast<pid_t>(*reinterpret_cast<const unsigned long*>(data));
    }
    if (data != nullptr) XFree(data);
    return owner;
}

long peakResidentKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

void end(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Ends the window's owner when it is another process than the one started (and so no child
// of this one), then the started one.
void end(pid_t started, pid_t owner) {
    if (owner != started && owner > 0) {
        kill(owner, SIGTERM);
        for (int i = 0; i < 200 && kill(owner, 0) == 0; ++i) usleep(10000);
        if (kill(owner, 0) == 0) kill(owner, SIGKILL);
    }
    end(started);
}

int fail(const std::string& message, pid_t pid) {
    std::fprintf(stderr, "window_map_probe: %s\n", message.c_str());
    if (pid > 0) end(pid);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: window_map_probe TITLE TIMEOUT_SECONDS PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    const std::string wanted = argv[1];
    const auto timeout = std::chrono::duration<double>(std::strtod(argv[2], nullptr));
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return fail("cannot open the display", -1);
    const Window root = DefaultRootWindow(display);
    // Without a window manager every top-level window is a child of the root.
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point started = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) return fail("cannot fork", -1);
    if (pid == 0) {
        close(ConnectionNumber(display));
        execvp(argv[3], argv + 3);
        std::perror(argv[3]);
        _exit(127);
    }

    std::set<Window> mapped;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            Window window = None;
            if (event.type == CreateNotify) {
                XSelectInput(display, event.xcreatewindow.window, PropertyChangeMask);
            } else if (event.type == MapNotify) {
                window = event.xmap.window;
                mapped.insert(window);
            } else if (event.type == PropertyNotify && mapped.count(event.xproperty.window) != 0) {
                window = event.xproperty.window;
            }
            if (window != None && titleOf(display, window) == wanted) {
                const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
                const pid_t owner = ownerOf(display, window, pid);
                const long kib = peakResidentKib(owner);
                end(pid, owner);
                std::printf("%.6f %ld\n", seconds, kib);
                return 0;
            }
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            return fail(std::string(argv[3]) + " ended before it mapped \"" + wanted + "\"", -1);
        }
        if (Clock::now() - started > timeout) {
            return fail("no window \"" + wanted + "\" was mapped within " + argv[2] + " s", pid);
        }
        poll(&connection, 1, 10);
    }
}
