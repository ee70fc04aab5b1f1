// SPDX-License-Identifier: GPL-2.0-or-later

#include "tests/e2e/E2eHarness.h"

#include "engine/WordListFile.h"
#include "tests/support/TempDir.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <sys/wait.h>
#include <thread>

namespace fs = std::filesystem;

bool Shell(const std::string& command) { return std::system(command.c_str()) == 0; }

std::string Output(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        size_t got = 0;
        while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
        if (pclose(pipe) != 0) out.clear();
    }
    return out;
}

bool WaitFor(const std::function<bool()>& done, int seconds) {
    for (int i = 0; i < seconds * 20; ++i) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return done();
}

Child::Child(std::vector<std::string> argv, const Environment& env, const std::string& errFile) {
    m_pid = fork();
    if (m_pid != 0) return;
    for (const auto& [name, value] : env) setenv(name.c_str(), value.c_str(), 1);
    if (!errFile.empty()) {
        const int fd = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) dup2(fd, 2);
    }
    std::vector<char*> args;
    for (std::string& a : argv) args.push_back(a.data());
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
}

Child::~Child() {
    if (m_pid > 0 && !HasEnded()) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
}

void Child::Signal(int number) { kill(m_pid, number); }

int Child::WaitForExit(int seconds) {
    return WaitFor([this] { return HasEnded(); }, seconds) ? m_status : -1;
}

bool Child::HasEnded() {
    if (m_ended) return true;
    int status = 0;
    if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
        m_ended = true;
        m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
    }
    return m_ended;
}

XServer::XServer(const std::string& size) {
    const std::string screen = size + "x24";
    int fds[2];
    if (pipe(fds) != 0) return;
    m_pid = fork();
    if (m_pid == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(),
               "-nolisten", "tcp", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    // The server writes the number and the newline separately, and dies when the second
    // write finds the pipe closed, so read through the newline before closing.
    std::string number;
    char c = 0;
    for (;;) {
        const ssize_t got = read(fds[0], &c, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0 || c == '\n') break;
        number += c;
    }
    close(fds[0]);
    if (c == '\n' && !number.empty()) m_display = ":" + number;
    setenv("DISPLAY", m_display.c_str(), 1);
}

// Ended with SIGTERM, not SIGKILL, so that it removes its lock file and socket.
XServer::~XServer() {
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
}

Desktop::Desktop(int screenHeight) {
    if (!Shell("command -v openbox >/dev/null 2>&1")) return;
    m_wm = std::make_unique<Child>(std::vector<std::string>{"openbox", "--sm-disable"});
    // xprop succeeds, saying "not found", until the window manager has set the property.
    if (!WaitFor(
            [] {
                return Output("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") !=
                       std::string::npos;
            },
            10))
        return;
    // Now and then openbox, still starting, leaves a new dock's strut out of the work area;
    // a dock started again is always counted.
    for (int attempt = 0; attempt < 3 && !m_ready; ++attempt) {
        m_dock = std::make_unique<Child>(std::vector<std::string>{
            std::string(QUIBBIX_BUILT_BIN_DIR) + "/quibbix-test-strut-dock",
            std::to_string(kDockHeight)});
        m_ready = WaitFor([&] { return WorkArea().bottom == screenHeight - kDockHeight; }, 2);
    }
}

Rect Desktop::WorkArea() {
    const std::string out = Output("xprop -root _NET_WORKAREA");
    Rect r;
    int w = 0, h = 0;
    if (std::sscanf(out.c_str(), "_NET_WORKAREA(CARDINAL) = %d, %d, %d, %d", &r.left, &r.top, &w,
                    &h) != 4)
        return {};
    r.right = r.left + w;
    r.bottom = r.top + h;
    return r;
}

bool Keys(const std::string& keys) { return Shell("xdotool key --delay 150 " + keys); }

QImage Screenshot() {
    int argc = 1;
    char name[] = "e2e";
    char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

namespace {

std::string ScreenshotFolder() {
    const char* folder = std::getenv("QUIBBIX_E2E_SCREENSHOTS");
    return folder ? folder : "";
}

}  // namespace

void Keep(const QImage& shot, const std::string& name) {
    const std::string folder = ScreenshotFolder();
    if (!folder.empty()) shot.save(QString::fromStdString(folder + "/" + name));
}

void KeepScreen(const std::string& name) {
    if (!ScreenshotFolder().empty()) Keep(Screenshot(), name);
}

std::map<std::string, Control> LayoutReport::ByName() const {
    std::map<std::string, Control> byName;
    for (const Control& c : controls) byName[c.name] = c;
    return byName;
}

LayoutReport LastLayout(const std::string& file) {
    std::istringstream in(ReadFile(file));
    LayoutReport last, current;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string tag, kind;
        words >> tag >> kind;
        if (tag != "quibbix-layout") continue;
        if (kind == "window") {
            current = {};
            Rect& r = current.window;
            words >> r.left >> r.top >> r.right >> r.bottom;
        } else if (kind == "control") {
            Control c;
            int visible = 0;
            words >> c.name >> visible >> c.rect.left >> c.rect.top >> c.rect.right >>
                c.rect.bottom;
            c.visible = visible != 0;
            current.controls.push_back(c);
        } else if (kind == "end") {
            last = current;
        }
    }
    return last;
}

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string Describe(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " - " + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

std::vector<WordRecord> Words(const std::string& stem) {
    std::vector<WordRecord> records;
    for (int i = 0; i < kWords; ++i)
        records.push_back(
            {stem + std::to_string(i), "the meaning of " + stem + " " + std::to_string(i)});
    return records;
}

void WriteList(const std::vector<WordRecord>& records) {
    WriteFile("list/kelvo.lst", WordListFile::Serialize(records));
    for (const char* picture :
         {"Yes.bmp", "Unsure.bmp", "DonotKnow.bmp", "2Collar_V.emf", "2Collar_H.emf"}) {
        const fs::path from = fs::path(QUIBBIX_BUILT_LIST_DIR) / picture;
        if (fs::exists(from)) fs::copy_file(from, fs::path("list") / picture);
    }
}
