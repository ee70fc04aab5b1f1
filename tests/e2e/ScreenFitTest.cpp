// SPDX-License-Identifier: GPL-2.0-or-later
// Every window of the program, at twice the scale, on a real X server under openbox with a
// panel: each one's frame lies within the work area. And the study window under a Wayland
// compositor (weston, headless), where no X tool reaches: the program's layout report says
// the window mapped and every control lies inside it.

#include "engine/WordListFile.h"
#include "lists/ListStore.h"
#include "tests/e2e/E2eHarness.h"
#include "tests/support/TempDir.h"

#include <QFile>
#include <QLibraryInfo>

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

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

// Waits for the window titled `title`, then checks that its frame lies in the work area.
void ExpectWithinWorkArea(const std::string& title, const std::string& picture) {
    SCOPED_TRACE(title);
    const std::string id = WindowId(title);
    ASSERT_FALSE(id.empty()) << "no window";
    // The window manager frames and places a window after it maps.
    const Rect area = Desktop::WorkArea();
    const bool inside = WaitFor(
        [&] {
            const Rect frame = FrameOf(id);
            return frame.Width() > 100 && frame.Height() > 100 && Inside(frame, area);
        },
        5);
    EXPECT_TRUE(inside) << Describe(FrameOf(id)) << " in " << Describe(area);
    KeepScreen(picture);
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
                const LayoutReport report = LastLayout("layout.txt");
                return report.window.Width() >= kWestonWidth / scale - 20 &&
                       std::count_if(report.controls.begin(), report.controls.end(),
                                     [](const Control& c) { return c.visible; }) > 5;
            },
            20))
            << ReadFile("layout.txt");
        const LayoutReport report = LastLayout("layout.txt");
        for (const Control& control : report.controls) {
            if (!control.visible) continue;
            const Rect rect = control.rect;
            EXPECT_TRUE(Inside(rect, report.window) && rect.Width() > 0 && rect.Height() > 0)
                << control.name << " " << Describe(rect) << " in " << Describe(report.window);
        }
        program.Signal(SIGTERM);
        EXPECT_NE(-1, program.WaitForExit(10));
    }
}

}  // namespace
