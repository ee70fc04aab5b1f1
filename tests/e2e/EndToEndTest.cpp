// SPDX-License-Identifier: GPL-2.0-or-later
// The program on a real X server: Xvfb, bare or with openbox and a dock reserving the bottom
// of the screen, key presses and clicks through xdotool, screenshots, the controls' screen
// rectangles the program reports, and the session files the study leaves behind.

#include "engine/SessionFiles.h"
#include "engine/WordListFile.h"
#include "lists/ListStore.h"
#include "platform/Rect.h"
#include "tests/support/TempDir.h"

#include <QGuiApplication>
#include <QImage>
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
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kWords = 40;

CurrWordRecord CurrWord(const std::string& bytes) {
    CurrWordRecord record;
    record.Decode(bytes);
    return record;
}

// Runs a shell command with the test's DISPLAY; true when it exits 0.
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

// Polls `done` every 50 ms for up to `seconds`.
bool WaitFor(const std::function<bool()>& done, int seconds) {
    for (int i = 0; i < seconds * 20; ++i) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return done();
}

// A child process, killed when this goes.
class Child {
public:
    // Runs `argv` with `env` added to the environment and standard error in `errFile`
    // (inherited when empty).
    Child(std::vector<std::string> argv, std::vector<std::pair<std::string, std::string>> env = {},
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
        if (m_pid > 0 && !HasEnded()) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    void Signal(int number) { kill(m_pid, number); }
    // Waits up to `seconds` for the process to end; its exit status, or -1.
    int WaitForExit(int seconds) {
        return WaitFor([this] { return HasEnded(); }, seconds) ? m_status : -1;
    }
    bool HasEnded() {
        if (m_ended) return true;
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
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

class XServer {
public:
    explicit XServer(const std::string& size = "1024x768") {
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
    ~XServer() {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    bool IsRunning() const { return !m_display.empty(); }

private:
    pid_t m_pid = -1;
    std::string m_display;
};

// The program, with its standard error in `errFile` when one is given.
class Program : public Child {
public:
    explicit Program(const std::string& errFile = "")
        : Child({std::string(QUIBBIX_BUILT_BIN_DIR) + "/quibbix"},
                // The converted pictures it keeps stay in the test's directory.
                {{"XDG_CACHE_HOME", (fs::current_path() / "cache").string()},
                 {"QT_QPA_PLATFORM", "xcb"},
                 {"QUIBBIX_LAYOUT_REPORT", errFile.empty() ? "" : "1"}},
                errFile) {}
};

// quibbix-launch with `args`, its data, settings and cache in the test's directory.
class Launch : public Child {
public:
    explicit Launch(std::vector<std::string> args = {})
        : Child(Command(std::move(args)),
                {{"XDG_DATA_HOME", (fs::current_path() / "data").string()},
                 {"XDG_CONFIG_HOME", (fs::current_path() / "config").string()},
                 {"XDG_CACHE_HOME", (fs::current_path() / "cache").string()},
                 {"QT_QPA_PLATFORM", "xcb"}}) {}

private:
    static std::vector<std::string> Command(std::vector<std::string> args) {
        args.insert(args.begin(), std::string(QUIBBIX_BUILT_BIN_DIR) + "/quibbix-launch");
        return args;
    }
};

// Openbox on the running server, with a dock reserving the bottom 48 pixels.
class Desktop {
public:
    static constexpr int kDockHeight = 48;

    explicit Desktop(int screenHeight) {
        if (!Shell("command -v openbox >/dev/null 2>&1")) return;
        m_wm = std::make_unique<Child>(std::vector<std::string>{"openbox", "--sm-disable"});
        if (!WaitFor(
                [] {
                    return Output("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") !=
                           std::string::npos;
                },
                10))
            return;
        // Now and then openbox, still starting, leaves a new dock's strut out of the work
        // area; a dock started again is always counted.
        for (int attempt = 0; attempt < 3 && !m_ready; ++attempt) {
            m_dock = std::make_unique<Child>(std::vector<std::string>{
                std::string(QUIBBIX_BUILT_BIN_DIR) + "/quibbix-test-strut-dock",
                std::to_string(kDockHeight)});
            m_ready = WaitFor([&] { return WorkArea().bottom == screenHeight - kDockHeight; }, 2);
        }
    }
    bool IsRunning() const { return m_ready; }

    // The first desktop's _NET_WORKAREA.
    static Rect WorkArea() {
        const std::string out = Output("xprop -root _NET_WORKAREA");
        Rect r;
        int w = 0, h = 0;
        if (std::sscanf(out.c_str(), "_NET_WORKAREA(CARDINAL) = %d, %d, %d, %d", &r.left, &r.top,
                        &w, &h) != 4)
            return {};
        r.right = r.left + w;
        r.bottom = r.top + h;
        return r;
    }

private:
    std::unique_ptr<Child> m_wm;
    std::unique_ptr<Child> m_dock;
    bool m_ready = false;
};

// Waits for a window titled `title` and gives it the keyboard.
bool FocusWindow(const std::string& title) {
    return Shell("timeout 20 xdotool search --sync --onlyvisible --name '^" + title +
                 "$' windowfocus --sync >/dev/null 2>&1");
}

bool Keys(const std::string& keys) { return Shell("xdotool key --delay 150 " + keys); }

// The whole screen. The application lives only as long as the call, while the server runs.
QImage Screenshot() {
    int argc = 1;
    char name[] = "e2e";
    char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

void Exit() {
    // The keyboard is on the first answer button; the tab order runs back from there to Exit.
    ASSERT_TRUE(Keys("shift+Tab space"));
    ASSERT_TRUE(FocusWindow("Confirmation"));
    ASSERT_TRUE(Keys("Return"));
}

// One control of the program's layout report, in screen coordinates.
struct Control {
    std::string name;
    bool visible = false;
    Rect rect;
};

// The window frame and the controls of the last complete layout report in `file`.
std::pair<Rect, std::map<std::string, Control>> LastLayout(const std::string& file) {
    std::ifstream in(file);
    std::pair<Rect, std::map<std::string, Control>> last, current;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string tag, kind;
        words >> tag >> kind;
        if (tag != "quibbix-layout") continue;
        if (kind == "window") {
            current = {};
            Rect& r = current.first;
            words >> r.left >> r.top >> r.right >> r.bottom;
        } else if (kind == "control") {
            Control c;
            int visible = 0;
            words >> c.name >> visible >> c.rect.left >> c.rect.top >> c.rect.right >>
                c.rect.bottom;
            c.visible = visible != 0;
            current.second[c.name] = c;
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

// Clicks the middle of `control`, then takes the pointer away before a tooltip shows.
bool ClickOn(const Control& control) {
    const int x = (control.rect.left + control.rect.right) / 2;
    const int y = (control.rect.top + control.rect.bottom) / 2;
    return Shell("xdotool mousemove --sync " + std::to_string(x) + " " + std::to_string(y) +
                 " click 1 mousemove 0 0");
}

// How many of the program's windows are on the screen.
int VisibleProgramWindows() {
    const std::string out =
        Output("xdotool search --onlyvisible --class quibbix 2>/dev/null; true");
    int lines = 0;
    for (char c : out) lines += c == '\n';
    return lines;
}

// Saves `shot` as `name` in $QUIBBIX_E2E_SCREENSHOTS, when that names a folder.
void Keep(const QImage& shot, const std::string& name) {
    const char* folder = std::getenv("QUIBBIX_E2E_SCREENSHOTS");
    if (folder && *folder) shot.save(QString::fromStdString(std::string(folder) + "/" + name));
}

void WriteList() {
    std::vector<WordRecord> records;
    for (int i = 0; i < kWords; ++i)
        records.push_back({"word" + std::to_string(i), "the meaning of word " + std::to_string(i)});
    WriteFile("list/kelvo.lst", WordListFile::Serialize(records));
    for (const char* picture :
         {"Yes.bmp", "Unsure.bmp", "DonotKnow.bmp", "2Collar_V.emf", "2Collar_H.emf"}) {
        const fs::path from = fs::path(QUIBBIX_BUILT_LIST_DIR) / picture;
        if (fs::exists(from)) fs::copy_file(from, fs::path("list") / picture);
    }
}

void StudyQuitAndResume(bool withDesktop);

TEST(EndToEndTest, StudyQuitAndResume) {
    for (bool withDesktop : {false, true}) {
        SCOPED_TRACE(withDesktop ? "under openbox" : "bare");
        XServer server;
        if (!server.IsRunning()) GTEST_SKIP() << "Xvfb is not available";
        std::unique_ptr<Desktop> desktop;
        if (withDesktop) {
            desktop = std::make_unique<Desktop>(768);
            if (!desktop->IsRunning()) GTEST_SKIP() << "openbox is not available";
        }
        TempDir dir;
        StudyQuitAndResume(withDesktop);
    }
}

void StudyQuitAndResume(bool withDesktop) {
    WriteList();
    {
        Program program;
        ASSERT_TRUE(FocusWindow("Quibbix"));
        // Start, then three words: known, not known, not sure.
        ASSERT_TRUE(Keys("Return k k d d s k"));
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        const QImage shot = Screenshot();
        ASSERT_FALSE(shot.isNull());
        if (!withDesktop) {  // under openbox the title bar and the dock are there
            EXPECT_EQ(QColor(128, 128, 128), shot.pixelColor(shot.width() - 4, 4))
                << "program background";
            EXPECT_EQ(QColor(255, 255, 255), shot.pixelColor(120, 100)) << "word box";
        }
        Exit();
        ASSERT_EQ(0, program.WaitForExit(10));
    }
    const std::string currWord = ReadFile("session/currWord.cfg");
    ASSERT_EQ(20u, currWord.size());
    const uint32_t onScreen = CurrWord(currWord).wordIndex;
    EXPECT_NE(65535u, onScreen);
    EXPECT_EQ(4, CurrWord(currWord).viewedCount) << "words viewed";
    EXPECT_EQ("1\n", ReadFile("session/known.txt").substr(0, 2));
    EXPECT_EQ("1\n", ReadFile("session/new.txt").substr(0, 2));
    EXPECT_EQ("1\n", ReadFile("session/unsure.txt").substr(0, 2));
    EXPECT_TRUE(FileExists("session/Time.txt"));

    {
        Program program;
        ASSERT_TRUE(FocusWindow("Quibbix"));
        ASSERT_TRUE(Keys("Return"));
        Exit();
        ASSERT_EQ(0, program.WaitForExit(10));
    }
    const std::string resumed = ReadFile("session/currWord.cfg");
    EXPECT_EQ(onScreen, CurrWord(resumed).wordIndex) << "the same word again";
    EXPECT_EQ(4, CurrWord(resumed).viewedCount);
}

// An Enter typed as the break opens, as an answer on its way would be, leaves it open; once
// its first two seconds have passed, Enter may end it.
void ExpectTheBreakToOutlastAnEarlyEnter() {
    const auto opened = std::chrono::steady_clock::now();
    ASSERT_TRUE(Keys("Return"));
    EXPECT_LT(std::chrono::steady_clock::now() - opened, std::chrono::milliseconds(1500))
        << "too slow to press Enter within the break's first two seconds";
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(2, VisibleProgramWindows()) << "Enter ended the break at once";
    EXPECT_TRUE(Shell("xdotool search --onlyvisible --name '^Quibbix — On Break$' >/dev/null"));
    std::this_thread::sleep_until(opened + std::chrono::milliseconds(2500));
}

// Under a window manager with a panel, the whole window is on the screen at every size, and
// the keys mean what they say whatever was clicked or closed before.
TEST(EndToEndTest, UnderOpenbox_EveryControlInTheWorkArea_AndEnterMeansIKnow) {
    for (const auto& [size, height] : {std::pair{"1024x768", 768}, std::pair{"1920x1080", 1080}}) {
        SCOPED_TRACE(size);
        XServer server(size);
        if (!server.IsRunning()) GTEST_SKIP() << "Xvfb is not available";
        Desktop desktop(height);
        if (!desktop.IsRunning()) GTEST_SKIP() << "openbox is not available";
        const Rect workArea = Desktop::WorkArea();
        TempDir dir;
        WriteList();
        const std::string report = (fs::current_path() / "layout.txt").string();
        Program program(report);
        ASSERT_TRUE(FocusWindow("Quibbix"));
        ASSERT_TRUE(Keys("Return k"));  // the first word with its definition
        // The window manager frames and maximizes the window after it shows.
        ASSERT_TRUE(WaitFor([&] { return LastLayout(report).first == workArea; }, 10))
            << "window " << Describe(LastLayout(report).first) << ", work area "
            << Describe(workArea);
        const auto [frame, controls] = LastLayout(report);
        // The buttons, the five frame strips and the two boxes.
        for (const char* name :
             {"control_2", "control_1006", "control_1007", "control_1008", "control_1021",
              "control_1028", "control_1029", "control_1022", "control_1023", "control_1024",
              "control_1025", "control_1030", "Word", "Definition"}) {
            ASSERT_TRUE(controls.count(name)) << name;
            const Rect r = controls.at(name).rect;
            EXPECT_TRUE(Inside(r, workArea) && r.Width() > 0 && r.Height() > 0)
                << name << " " << Describe(r);
        }
        const QImage shot = Screenshot();
        Keep(shot, std::string("openbox-") + size + ".png");
        const Rect word = controls.at("Word").rect;
        EXPECT_EQ(QColor(255, 255, 255), shot.pixelColor(word.left + 4, word.top + 4))
            << "word box";
        if (height != 768) {
            ASSERT_TRUE(Keys("k"));
            Exit();
            EXPECT_EQ(0, program.WaitForExit(10));
            continue;
        }
        // "Not Sure" clicked for a word; Enter on the next is "I Know", then "Don't Know".
        ASSERT_TRUE(Keys("k"));
        ASSERT_TRUE(ClickOn(controls.at("control_1007")));
        ASSERT_TRUE(ClickOn(controls.at("control_1007")));
        ASSERT_TRUE(Keys("Return d"));
        // After Statistics and a break close, Enter answers instead of opening them again.
        for (const char* id : {"control_1028", "control_1029"}) {
            SCOPED_TRACE(id);
            ASSERT_TRUE(ClickOn(controls.at(id)));
            ASSERT_TRUE(WaitFor([] { return VisibleProgramWindows() == 2; }, 10));
            if (std::string(id) == "control_1029") ExpectTheBreakToOutlastAnEarlyEnter();
            Keep(Screenshot(), std::string("openbox-") + size + "-" + id + ".png");
            ASSERT_TRUE(Keys("Return"));
            ASSERT_TRUE(WaitFor([] { return VisibleProgramWindows() == 1; }, 10));
            ASSERT_TRUE(Keys("Return"));
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            EXPECT_EQ(1, VisibleProgramWindows()) << "Enter opened it again";
            ASSERT_TRUE(Keys("k"));
        }
        Exit();
        ASSERT_EQ(0, program.WaitForExit(10));
        EXPECT_EQ("3\n", ReadFile("session/known.txt").substr(0, 2));
        EXPECT_EQ("1\n", ReadFile("session/unsure.txt").substr(0, 2));
        EXPECT_EQ("1\n", ReadFile("session/mistaken.txt").substr(0, 2))
            << "\"I Know\", \"Don't Know\"";
    }
}

// Ending any other way than Exit still saves: a signal, or the X server going away.
TEST(EndToEndTest, SignalOrLostDisplay_SavesTheSession_AndASecondCopyIsRefused) {
    TempDir dir;
    WriteList();
    for (int ending : {SIGTERM, SIGHUP, 0}) {
        fs::remove("session/known.txt");
        auto server = std::make_unique<XServer>();
        if (!server->IsRunning()) GTEST_SKIP() << "Xvfb is not available";
        Program program;
        ASSERT_TRUE(FocusWindow("Quibbix"));
        ASSERT_TRUE(Keys("Return k k"));
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        if (ending == SIGTERM) {
            Program second;
            ASSERT_TRUE(FocusWindow("Already Running"));
            ASSERT_TRUE(Keys("Return"));
            EXPECT_EQ(1, second.WaitForExit(10)) << "a second copy on the same folder";
        }
        if (ending != 0) {
            program.Signal(ending);
        } else {
            server.reset();
        }
        EXPECT_NE(-1, program.WaitForExit(10)) << "ending " << ending;
        EXPECT_EQ("1\n", ReadFile("session/known.txt").substr(0, 2)) << "ending " << ending;
    }
}

// A signal must end the program even while a dialog runs a loop of its own: the start-up
// messages of a bare folder, whose half-read session must not be saved, the exit question,
// and a break, whose alarm would otherwise sound on until someone answered it.
TEST(EndToEndTest, SignalWithADialogOpen_EndsTheProgram) {
    XServer server;
    if (!server.IsRunning()) GTEST_SKIP() << "Xvfb is not available";
    {
        TempDir bare(false);
        Program program("err.txt");
        const std::string note = "no word list at " + (bare.path() / "list/kelvo.lst").string();
        ASSERT_TRUE(
            WaitFor([&] { return ReadFile("err.txt").find(note) != std::string::npos; }, 20))
            << ReadFile("err.txt");
        ASSERT_TRUE(WaitFor([] { return VisibleProgramWindows() > 0; }, 20));
        program.Signal(SIGTERM);
        EXPECT_NE(-1, program.WaitForExit(10)) << "still running behind its message box";
        EXPECT_FALSE(FileExists("session/tobeviewed.txt"));
    }
    // From the first answer button the tab order runs back to Exit, then "Take A Break".
    for (const char* opening : {"shift+Tab space", "shift+Tab shift+Tab space"}) {
        SCOPED_TRACE(opening);
        TempDir dir;
        WriteList();
        Program program;
        ASSERT_TRUE(FocusWindow("Quibbix"));
        ASSERT_TRUE(Keys(std::string("Return k k ") + opening));
        ASSERT_TRUE(WaitFor([] { return VisibleProgramWindows() == 2; }, 10));
        program.Signal(SIGTERM);
        EXPECT_NE(-1, program.WaitForExit(10)) << "still running behind the dialog";
        EXPECT_EQ("1\n", ReadFile("session/known.txt").substr(0, 2));
    }
}

// Every file under `folder` but those of the other lists, with its bytes and time.
std::map<fs::path, std::pair<std::string, fs::file_time_type>> Snapshot(const fs::path& folder) {
    std::map<fs::path, std::pair<std::string, fs::file_time_type>> files;
    for (auto it = fs::recursive_directory_iterator(folder);
         it != fs::recursive_directory_iterator(); ++it) {
        if (it->path().filename() == "lists") it.disable_recursion_pending();
        if (it->is_regular_file())
            files[it->path()] = {ReadFile(it->path().string()), it->last_write_time()};
    }
    return files;
}

// Three words through the study window, whose title names the list, then Exit.
void StudyThreeWords(const std::string& listName) {
    ASSERT_TRUE(FocusWindow("Quibbix — " + listName));
    ASSERT_TRUE(Keys("Return k k d d"));
    Exit();
}

TEST(EndToEndTest, TwoLists_TheChooserStudiesTheSecond_AndLeavesTheFirstAlone) {
    XServer server;
    if (!server.IsRunning()) GTEST_SKIP() << "Xvfb is not available";
    Desktop desktop(768);
    if (!desktop.IsRunning()) GTEST_SKIP() << "openbox is not available";
    TempDir dir(false);
    const fs::path home = dir.path() / "data/quibbix";
    fs::create_directories(home / "list");
    fs::create_directories(home / "session");
    fs::current_path(home);
    WriteList();
    ASSERT_TRUE(Shell("printf 'init\\nnext\\njudge 1\\nsave\\n' | " QUIBBIX_BUILT_BIN_DIR
                      "/quibbix-drive >/dev/null"));
    fs::current_path(dir.path());
    ListStore store(home, QUIBBIX_BUILT_LIST_DIR);
    std::string error;
    const auto second = store.Create("French verbs", error);
    ASSERT_TRUE(second) << error;
    std::vector<WordRecord> verbs;
    for (int i = 0; i < kWords; ++i) verbs.push_back({"verbe" + std::to_string(i), "verb"});
    WriteFile((*second / "list/kelvo.lst").string(), WordListFile::Serialize(verbs));
    const auto before = Snapshot(home);

    Launch launch;
    ASSERT_TRUE(FocusWindow("Quibbix: Choose a List"));
    Keep(Screenshot(), "chooser.png");
    // The list studied last is selected; the new one is below it.
    ASSERT_TRUE(Keys("Down Return"));
    StudyThreeWords("French verbs");
    ASSERT_EQ(0, launch.WaitForExit(10));
    EXPECT_EQ("1\n", ReadFile((*second / "session/known.txt").string()).substr(0, 2));
    EXPECT_TRUE(before == Snapshot(home)) << "the first list's files changed";
}

TEST(EndToEndTest, LaunchWithAKvtmlFile_MakesANewListAndStudiesIt) {
    XServer server;
    if (!server.IsRunning()) GTEST_SKIP() << "Xvfb is not available";
    TempDir dir(false);
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\">"
        "<information><title>Spanish animals</title></information><entries>";
    for (int i = 0; i < kWords; ++i)
        xml += "<entry id=\"" + std::to_string(i) + "\"><translation id=\"0\"><text>animal" +
               std::to_string(i) + "</text></translation><translation id=\"1\"><text>animal " +
               std::to_string(i) + "</text></translation></entry>";
    WriteFile("Spanish animals.kvtml", xml + "</entries></kvtml>\n");

    Launch launch({(dir.path() / "Spanish animals.kvtml").string()});
    StudyThreeWords("Spanish animals");
    ASSERT_EQ(0, launch.WaitForExit(10));
    const auto list = ListStore(dir.path() / "data/quibbix").Find("Spanish animals");
    ASSERT_TRUE(list);
    EXPECT_FALSE(list->isFirst);
    EXPECT_EQ(kWords, list->words);
    EXPECT_EQ(1, list->known);
}

// The keyboard alone, under a window manager: F1 shows the help and Escape closes it, and Alt
// with the underlined letter presses each command button.
TEST(EndToEndTest, UnderOpenbox_F1ShowsTheHelp_AndAltKeysPressTheCommandButtons) {
    XServer server;
    if (!server.IsRunning()) GTEST_SKIP() << "Xvfb is not available";
    Desktop desktop(768);
    if (!desktop.IsRunning()) GTEST_SKIP() << "openbox is not available";
    TempDir dir;
    WriteList();
    Program program;
    ASSERT_TRUE(FocusWindow("Quibbix"));
    ASSERT_TRUE(Keys("F1"));
    ASSERT_TRUE(FocusWindow("Quibbix Help"));
    Keep(Screenshot(), "help.png");
    ASSERT_TRUE(Keys("Escape"));
    ASSERT_TRUE(WaitFor([] { return VisibleProgramWindows() == 1; }, 10)) << "the help stayed";

    ASSERT_TRUE(FocusWindow("Quibbix"));
    ASSERT_TRUE(Keys("Return"));  // the start, after which a break may be taken
    Keep(Screenshot(), "access-keys.png");
    for (const auto& [key, title] : {std::pair{"alt+s", "Statistics"},
                                     std::pair{"alt+f", "Configuration"}, std::pair{"alt+b", ""}}) {
        SCOPED_TRACE(key);
        ASSERT_TRUE(Keys(key));
        ASSERT_TRUE(WaitFor([] { return VisibleProgramWindows() == 2; }, 10));
        if (*title) {
            ASSERT_TRUE(FocusWindow(title));
            ASSERT_TRUE(Keys("Escape"));
        } else {
            // A break takes no key in its first moments, so that an answer typed late cannot
            // end it; then Enter presses its OK.
            std::this_thread::sleep_for(std::chrono::seconds(3));
            ASSERT_TRUE(Keys("Return"));
        }
        ASSERT_TRUE(WaitFor([] { return VisibleProgramWindows() == 1; }, 10));
        ASSERT_TRUE(FocusWindow("Quibbix"));
    }
    ASSERT_TRUE(Keys("alt+x"));
    ASSERT_TRUE(FocusWindow("Confirmation"));
    ASSERT_TRUE(Keys("Return"));
    EXPECT_EQ(0, program.WaitForExit(10));
}

TEST(EndToEndTest, NoDisplay_SaysSoAndExitsWithOne) {
    TempDir dir;
    const std::string command = "env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:9999 " +
                                std::string(QUIBBIX_BUILT_BIN_DIR) + "/quibbix 2> err.txt";
    const int status = std::system(command.c_str());
    EXPECT_EQ(1, WEXITSTATUS(status));
    EXPECT_EQ("Fatal Error: MFC initialization failed\n", ReadFile("err.txt"));
}

}  // namespace
