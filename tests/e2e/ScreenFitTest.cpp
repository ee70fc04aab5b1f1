// SPDX-License-Identifier: GPL-2.0-or-later
// Every window of the program, at twice the scale, on a real X server under openbox with a
// panel: each one's frame lies within the work area. And the study window under a Wayland
// compositor (weston, headless), where no X tool reaches: the program's layout report says
// the window mapped and every control lies inside it.

#include "engine/WordListFile.h"
#include "lists/ListStore.h"
#include "platform/Rect.h"
#include "tests/support/TempDir.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLibraryInfo>
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
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kWords = 40;

bool Shell(const std::string& command) { return std::system(command.c_str()) == 0; }

// The output of a shell command, or "" when it fails.
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

using Environment = std::vector<std::pair<std::string, std::string>>;

// A child process with `env` added to the environment and standard error in `errFile`,
// killed when this goes.
class Child {
public:
    Child(std::vector<std::string> argv, const Environment& env = {},
          const std::string& errFile = "") {
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
    ~Child() {
        if (m_pid <= 0 || HasEnded()) return;
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    void Signal(int number) { kill(m_pid, number); }
    int WaitForExit(int seconds) {
        return WaitFor([this] { return HasEnded(); }, seconds) ? m_status : -1;
    }
    bool HasEnded() {
        int status = 0;
        if (!m_ended && waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_ended = true;
            m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
        }
        return m_ended;
    }

private:
    pid_t m_pid = -1;
    bool m_ended = false;
    int m_status = -1;
};

// Xvfb on a display of its choosing, which becomes the test's DISPLAY.
class XServer {
public:
    explicit XServer(const std::string& size) {
        int fds[2];
        if (pipe(fds) != 0) return;
        const std::string fd = std::to_string(fds[1]);
        m_server = std::make_unique<Child>(std::vector<std::string>{
            "Xvfb", "-displayfd", fd, "-screen", "0", size + "x24", "-nolisten", "tcp"});
        close(fds[1]);
        // Read through the newline: the server dies when its second write finds no reader.
        std::string number;
        char c = 0;
        for (;;) {
            const ssize_t got = read(fds[0], &c, 1);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0 || c == '\n') break;
            number += c;
        }
        close(fds[0]);
        if (c != '\n' || number.empty()) return;
        m_display = ":" + number;
        setenv("DISPLAY", m_display.c_str(), 1);
    }
    bool IsRunning() const { return !m_display.empty(); }

private:
    std::unique_ptr<Child> m_server;
    std::string m_display;
};

// The first desktop's _NET_WORKAREA.
Rect WorkArea() {
    Rect r;
    int w = 0, h = 0;
    if (std::sscanf(Output("xprop -root _NET_WORKAREA").c_str(),
                    "_NET_WORKAREA(CARDINAL) = %d, %d, %d, %d", &r.left, &r.top, &w, &h) != 4)
        return {};
    r.right = r.left + w;
    r.bottom = r.top + h;
    return r;
}

// Openbox with a dock reserving the bottom of the screen, as a panel would.
class Desktop {
public:
    static constexpr int kDockHeight = 48;

    explicit Desktop(int screenHeight) {
        if (!Shell("command -v openbox >/dev/null 2>&1")) return;
        m_wm = std::make_unique<Child>(std::vector<std::string>{"openbox", "--sm-disable"});
        if (!WaitFor([] { return Output("xprop -root _NET_SUPPORTING_WM_CHECK").size() > 0; }, 10))
            return;
        // A dock started while openbox is still starting may be left out of the work area.
        for (int attempt = 0; attempt < 3 && !m_ready; ++attempt) {
            m_dock = std::make_unique<Child>(std::vector<std::string>{
                std::string(QUIBBIX_BUILT_BIN_DIR) + "/quibbix-test-strut-dock",
                std::to_string(kDockHeight)});
            m_ready = WaitFor([&] { return WorkArea().bottom == screenHeight - kDockHeight; }, 2);
        }
    }
    bool IsRunning() const { return m_ready; }

private:
    std::unique_ptr<Child> m_wm;
    std::unique_ptr<Child> m_dock;
    bool m_ready = false;
};

std::string Describe(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " - " + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// The id of the visible window whose whole title matches `title` (a regular expression), or
// "". With `wait`, up to 20 s for it to show.
std::string WindowId(const std::string& title, bool wait = true) {
    std::string out = Output("timeout 20 xdotool search " + std::string(wait ? "--sync " : "") +
                             "--onlyvisible --name '^" + title + "$' 2>/dev/null | head -1");
    while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) out.pop_back();
    return out;
}

// The window's frame on the screen: its client area grown by the frame the window manager
// says it added.
Rect FrameOf(const std::string& id) {
    Rect client;
    int width = 0, height = 0;
    std::istringstream info(Output("xwininfo -id " + id));
    for (std::string line; std::getline(info, line);) {
        std::sscanf(line.c_str(), " Absolute upper-left X: %d", &client.left);
        std::sscanf(line.c_str(), " Absolute upper-left Y: %d", &client.top);
        std::sscanf(line.c_str(), " Width: %d", &width);
        std::sscanf(line.c_str(), " Height: %d", &height);
    }
    client.right = client.left + width;
    client.bottom = client.top + height;
    int left = 0, right = 0, top = 0, bottom = 0;
    std::sscanf(Output("xprop -id " + id + " _NET_FRAME_EXTENTS").c_str(),
                "_NET_FRAME_EXTENTS(CARDINAL) = %d, %d, %d, %d", &left, &right, &top, &bottom);
    return {client.left - left, client.top - top, client.right + right, client.bottom + bottom};
}

bool Keys(const std::string& keys) { return Shell("xdotool key --delay 150 " + keys); }

// Saves the screen as `name` in $QUIBBIX_E2E_SCREENSHOTS, when that names a folder.
void KeepScreen(const std::string& name) {
    const char* folder = std::getenv("QUIBBIX_E2E_SCREENSHOTS");
    if (!folder || !*folder) return;
    int argc = 1;
    char program[] = "e2e";
    char* argv[] = {program, nullptr};
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    QGuiApplication::primaryScreen()->grabWindow(0).save(
        QString::fromStdString(std::string(folder) + "/" + name));
}

// Waits for the window titled `title`, then checks that its frame lies in the work area.
void ExpectWithinWorkArea(const std::string& title, const std::string& picture) {
    SCOPED_TRACE(title);
    const std::string id = WindowId(title);
    ASSERT_FALSE(id.empty()) << "no window";
    // The window manager frames and places a window after it maps.
    const Rect area = WorkArea();
    const bool inside = WaitFor(
        [&] {
            const Rect frame = FrameOf(id);
            return frame.Width() > 100 && frame.Height() > 100 && Inside(frame, area);
        },
        5);
    EXPECT_TRUE(inside) << Describe(FrameOf(id)) << " in " << Describe(area);
    KeepScreen(picture);
}

std::vector<WordRecord> Words(const std::string& stem) {
    std::vector<WordRecord> records;
    for (int i = 0; i < kWords; ++i)
        records.push_back({stem + std::to_string(i), "the meaning of " + stem + std::to_string(i)});
    return records;
}

void WriteList() {
    WriteFile("list/kelvo.lst", WordListFile::Serialize(Words("word")));
    for (const char* picture :
         {"Yes.bmp", "Unsure.bmp", "DonotKnow.bmp", "2Collar_V.emf", "2Collar_H.emf"}) {
        const fs::path from = fs::path(QUIBBIX_BUILT_LIST_DIR) / picture;
        if (fs::exists(from)) fs::copy_file(from, fs::path("list") / picture);
    }
}

Environment ProgramEnvironment() {
    return {{"XDG_DATA_HOME", (fs::current_path() / "data").string()},
            {"XDG_CONFIG_HOME", (fs::current_path() / "config").string()},
            {"XDG_CACHE_HOME", (fs::current_path() / "cache").string()},
            {"QT_QPA_PLATFORM", "xcb"},
            {"QT_SCALE_FACTOR", "2"}};
}

// The study window and every window it opens, then the chooser and the refused entries.
void EveryWindowWithinTheWorkArea(const std::string& size) {
    {
        WriteList();
        Child program({std::string(QUIBBIX_BUILT_BIN_DIR) + "/quibbix"}, ProgramEnvironment());
        ExpectWithinWorkArea("Quibbix.*", "fit-" + size + "-study.png");
        ASSERT_TRUE(Shell("xdotool windowfocus --sync " + WindowId("Quibbix.*")));
        ASSERT_TRUE(Keys("Return alt+s"));  // start, then "Show Statistics"
        ExpectWithinWorkArea("Statistics", "fit-" + size + "-statistics.png");
        ASSERT_TRUE(Keys("Tab space"));  // "Progress..."
        ExpectWithinWorkArea("Progress", "fit-" + size + "-progress.png");
        ASSERT_TRUE(Keys("Escape"));
        ASSERT_TRUE(WaitFor([] { return WindowId("Progress", false).empty(); }, 5));
        ASSERT_TRUE(Keys("Escape"));
        ASSERT_TRUE(WaitFor([] { return WindowId("Statistics", false).empty(); }, 5));
        ASSERT_TRUE(Keys("alt+f"));
        ExpectWithinWorkArea("Configuration", "fit-" + size + "-configuration.png");
        ASSERT_TRUE(Keys("Escape"));
        ASSERT_TRUE(WaitFor([] { return WindowId("Configuration", false).empty(); }, 5));
        ASSERT_TRUE(Keys("alt+b"));
        ExpectWithinWorkArea(".*On Break", "fit-" + size + "-break.png");
        program.Signal(SIGTERM);
        EXPECT_NE(-1, program.WaitForExit(10));
    }
    {
        ListStore store(fs::current_path() / "data/quibbix", QUIBBIX_BUILT_LIST_DIR);
        std::string error;
        for (const char* name : {"German nouns", "French verbs"}) {
            const auto folder = store.Create(name, error);
            ASSERT_TRUE(folder) << error;
            WriteFile((*folder / "list/kelvo.lst").string(), WordListFile::Serialize(Words("mot")));
        }
        Child chooser({std::string(QUIBBIX_BUILT_BIN_DIR) + "/quibbix-launch"},
                      ProgramEnvironment());
        ExpectWithinWorkArea("Quibbix: Choose a List", "fit-" + size + "-chooser.png");
        chooser.Signal(SIGTERM);
        chooser.WaitForExit(10);
    }
    {
        // Every fourth entry has no word and cannot be taken.
        std::string xml =
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\"><entries>";
        for (int i = 0; i < kWords; ++i) {
            xml += "<entry id=\"" + std::to_string(i) + "\"><translation id=\"0\"><text>" +
                   (i % 4 == 0 ? std::string() : "wort" + std::to_string(i)) +
                   "</text></translation><translation id=\"1\"><text>word</text>"
                   "</translation></entry>";
        }
        WriteFile("Some refused.kvtml", xml + "</entries></kvtml>\n");
        Child launch({std::string(QUIBBIX_BUILT_BIN_DIR) + "/quibbix-launch",
                      (fs::current_path() / "Some refused.kvtml").string()},
                     ProgramEnvironment());
        ExpectWithinWorkArea("Entries That Cannot Be Added", "fit-" + size + "-refused.png");
        launch.Signal(SIGTERM);
        launch.WaitForExit(10);
    }
}

TEST(ScreenFitTest, AtTwiceTheScale_EveryWindowLiesWithinTheWorkArea) {
    for (const auto& [size, height] : {std::pair{"1366x768", 768}, std::pair{"1920x1080", 1080}}) {
        SCOPED_TRACE(size);
        XServer server(size);
        if (!server.IsRunning()) GTEST_SKIP() << "Xvfb is not available";
        Desktop desktop(height);
        if (!desktop.IsRunning()) GTEST_SKIP() << "openbox is not available";
        TempDir dir;
        EveryWindowWithinTheWorkArea(size);
    }
}

// One layout report of the program's: the window's frame and each visible control.
struct LayoutReport {
    Rect window;
    std::vector<std::pair<std::string, Rect>> controls;
};

// The last complete report in `file`.
std::optional<LayoutReport> LastReport(const std::string& file) {
    std::istringstream in(ReadFile(file));
    std::optional<LayoutReport> last;
    LayoutReport current;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string tag, kind;
        words >> tag >> kind;
        if (tag != "quibbix-layout") continue;
        if (kind == "window") {
            current = {};
            words >> current.window.left >> current.window.top >> current.window.right >>
                current.window.bottom;
        } else if (kind == "control") {
            std::string name;
            int visible = 0;
            Rect r;
            words >> name >> visible >> r.left >> r.top >> r.right >> r.bottom;
            if (visible) current.controls.emplace_back(name, r);
        } else if (kind == "end") {
            last = current;
        }
    }
    return last;
}

constexpr int kWestonWidth = 1920;
constexpr int kWestonHeight = 1080;

TEST(ScreenFitTest, UnderWeston_TheStudyWindowMaps_AndEveryControlLiesInside) {
    if (!Shell("command -v weston >/dev/null 2>&1")) GTEST_SKIP() << "weston is not installed";
    const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                           QStringLiteral("/platforms/libqwayland-generic.so");
    if (!QFile::exists(plugin)) GTEST_SKIP() << "Qt's Wayland platform is not installed";
    TempDir dir;
    WriteList();
    const fs::path runtime = dir.path() / "runtime";
    fs::create_directory(runtime);
    fs::permissions(runtime, fs::perms::owner_all);
    const std::string socket = "quibbix-test-" + std::to_string(getpid());
    Child weston({"weston", "--backend=headless-backend.so", "--socket=" + socket,
                  "--width=" + std::to_string(kWestonWidth),
                  "--height=" + std::to_string(kWestonHeight), "--idle-time=0"},
                 {{"XDG_RUNTIME_DIR", runtime.string()}}, "weston.txt");
    ASSERT_TRUE(WaitFor([&] { return fs::exists(runtime / socket); }, 20))
        << ReadFile("weston.txt");

    for (int scale : {1, 2}) {
        SCOPED_TRACE("scale " + std::to_string(scale));
        Child program({std::string(QUIBBIX_BUILT_BIN_DIR) + "/quibbix"},
                      {{"XDG_RUNTIME_DIR", runtime.string()},
                       {"WAYLAND_DISPLAY", socket},
                       {"QT_QPA_PLATFORM", "wayland"},
                       {"QT_SCALE_FACTOR", std::to_string(scale)},
                       {"XDG_CACHE_HOME", (dir.path() / "cache").string()},
                       {"QUIBBIX_LAYOUT_REPORT", "1"}},
                      "layout.txt");
        // Mapped and maximized: the compositor may show the window at another size first.
        ASSERT_TRUE(WaitFor(
            [scale] {
                const auto report = LastReport("layout.txt");
                return report && report->window.Width() >= kWestonWidth / scale - 20 &&
                       report->controls.size() > 5;
            },
            20))
            << ReadFile("layout.txt");
        const LayoutReport report = *LastReport("layout.txt");
        for (const auto& [name, rect] : report.controls) {
            EXPECT_TRUE(Inside(rect, report.window) && rect.Width() > 0 && rect.Height() > 0)
                << name << " " << Describe(rect) << " in " << Describe(report.window);
        }
        program.Signal(SIGTERM);
        EXPECT_NE(-1, program.WaitForExit(10));
    }
}

}  // namespace
