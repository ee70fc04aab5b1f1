// SPDX-License-Identifier: GPL-2.0-or-later
// quibbix-startup-probe: how long a program takes from its start to its first window on the
// X server, and how much memory it holds once the window shows.
//
//   quibbix-startup-probe TITLE SETTLE_MS PROGRAM [ARGS...]
//
// Prints "startup_ms=<ms> rss_mb=<MB> processes=<n>" and ends the program. The clock starts just
// before the process is created, and stops at the MapNotify of the first top-level window whose
// title contains TITLE; the memory is read SETTLE_MS later, as the resident set summed over
// the program and every process it has started that is still running then (a helper counts).

#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <sys/wait.h>
#include <thread>

namespace {

// Looks for `text` in the raw bytes of both title properties: a title with characters
// beyond Latin-1 comes as UTF-8 or compound text, which XFetchName refuses.
bool TitleContains(Display* display, Window window, const std::string& text) {
    for (const char* property : {"_NET_WM_NAME", "WM_NAME"}) {
        Atom type;
        int format;
        unsigned long count, after;
        unsigned char* value = nullptr;
        const Atom atom = XInternAtom(display, property, False);
        if (XGetWindowProperty(display, window, atom, 0, 1024, False, AnyPropertyType, &type,
                               &format, &count, &after, &value) != Success ||
            !value)
            continue;
        const bool found =
            std::string(reinterpret_cast<char*>(value), count).find(text) != std::string::npos;
        XFree(value);
        if (found) return true;
    }
    return false;
}

// -1 for a process that has gone (or a kernel thread, which has no resident set).
double ResidentMegabytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    }
    return -1;
}

// Every running process's parent, from /proc/PID/stat ("pid (name) state ppid ..."; the name
// may hold spaces and parentheses, so the fields are read after the last ')').
std::map<pid_t, pid_t> Parents() {
    std::map<pid_t, pid_t> parents;
    DIR* proc = opendir("/proc");
    if (!proc) return parents;
    while (const dirent* entry = readdir(proc)) {
        const pid_t pid = std::atoi(entry->d_name);
        if (pid <= 0) continue;
        std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
        std::string stat;
        std::getline(file, stat);
        const size_t close = stat.rfind(')');
        if (close == std::string::npos) continue;
        char state = 0;
        int parent = 0;
        if (std::sscanf(stat.c_str() + close + 1, " %c %d", &state, &parent) == 2)
            parents[pid] = parent;
    }
    closedir(proc);
    return parents;
}

// The resident set of `root` and all its running descendants, and how many processes that is.
double TreeResidentMegabytes(pid_t root, int& processes) {
    const std::map<pid_t, pid_t> parents = Parents();
    double total = 0;
    processes = 0;
    for (const auto& [pid, parent] : parents) {
        pid_t up = pid;
        while (up != root && up > 1) {
            const auto it = parents.find(up);
            up = it == parents.end() ? 0 : it->second;
        }
        if (up != root) continue;
        const double rss = ResidentMegabytes(pid);
        if (rss < 0) continue;
        total += rss;
        ++processes;
    }
    return total;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: quibbix-startup-probe TITLE SETTLE_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const std::string prefix = argv[1];
    const int settleMs = std::atoi(argv[2]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "quibbix-startup-probe: no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // A group of its own, so that its helpers end with it.
        setpgid(0, 0);
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    // Some programs name their window only after mapping it: remember when each top-level
    // was mapped and watch its title until one matches.
    std::map<Window, double> mappedAt;
    double startupMs = -1;
    while (startupMs < 0) {
        XEvent event;
        XNextEvent(display, &event);
        Window window = 0;
        if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(display)) {
            window = event.xmap.window;
            mappedAt[window] =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            XSelectInput(display, window, PropertyChangeMask);
        } else if (event.type == PropertyNotify && mappedAt.count(event.xproperty.window)) {
            window = event.xproperty.window;
        } else {
            continue;
        }
        if (TitleContains(display, window, prefix)) startupMs = mappedAt[window];
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    int processes = 0;
    const double rss = TreeResidentMegabytes(pid, processes);
    kill(-pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    std::printf("startup_ms=%.1f rss_mb=%.1f processes=%d\n", startupMs, rss, processes);
    XCloseDisplay(display);
    return 0;
}
