// SPDX-License-Identifier: GPL-2.0-or-later
// The program on a real X server: Xvfb, bare or with openbox and a dock reserving the bottom
// of the screen, key presses and clicks through xdotool, screenshots, the controls' screen
// rectangles the program reports, and the session files the study leaves behind.

#include "engine/BreakRecord.h"
#include "engine/SessionFiles.h"
#include "engine/WordListFile.h"
#include "lists/ListStore.h"
#include "lists/ListSync.h"
#include "tests/e2e/E2eHarness.h"
#include "tests/support/TempDir.h"

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

CurrWordRecord CurrWord(const std::string& bytes) {
    CurrWordRecord record;
    record.Decode(bytes);
    return record;
}

// The program with `args`, its standard error in `errFile` when one is given.
class Program : public Child {
public:
    explicit Program(const std::string& errFile = "", const std::vector<std::string>& args = {})
        : Child(Command(args),
                // The converted pictures it keeps stay in the test's directory.
                {{"XDG_CACHE_HOME", (fs::current_path() / "cache").string()},
                 {"QT_QPA_PLATFORM", "xcb"},
                 {"QUIBBIX_LAYOUT_REPORT", errFile.empty() ? "" : "1"}},
                errFile) {}

private:
    static std::vector<std::string> Command(const std::vector<std::string>& args) {
        std::vector<std::string> command{std::string(QUIBBIX_BUILT_BIN_DIR) + "/quibbix"};
        command.insert(command.end(), args.begin(), args.end());
        return command;
    }
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

// Waits for a window titled `title` and gives it the keyboard.
// Waits as long as a machine loaded twice over may take to show the window.
bool FocusWindow(const std::string& title, int seconds = 60) {
    return Shell("timeout " + std::to_string(seconds) +
                 " xdotool search --sync --onlyvisible --name '^" + title +
                 "$' windowfocus --sync >/dev/null 2>&1");
}

// Keys that open the window `title`, sent again when a busy machine let a window that had just
// opened lose them; `keys` must do nothing harmful in that window should the first ones arrive
// after all.
bool KeysForWindow(const std::string& keys, const std::string& title) {
    for (int attempt = 0; attempt < 3; ++attempt)
        if (Keys(keys) && FocusWindow(title, 20)) return true;
    return false;
}

void Exit() {
    // The keyboard is on the first answer button; the tab order runs back from there to Exit.
    ASSERT_TRUE(Keys("shift+Tab space"));
    ASSERT_TRUE(FocusWindow("Confirmation"));
    ASSERT_TRUE(Keys("Return"));
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
        // However busy the machine, the window is painted in the end.
        QImage shot;
        WaitFor(
            [&] {
                shot = Screenshot();
                return withDesktop ||
                       (shot.pixelColor(shot.width() - 4, 4) == QColor(128, 128, 128) &&
                        shot.pixelColor(120, 100) == QColor(255, 255, 255));
            },
            60);
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
    // A machine too busy to press Enter within the break's first two seconds cannot tell.
    if (std::chrono::steady_clock::now() - opened < std::chrono::milliseconds(1500)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_EQ(2, VisibleProgramWindows()) << "Enter ended the break at once";
        EXPECT_TRUE(Shell("xdotool search --onlyvisible --name '^Quibbix — On Break$' >/dev/null"));
    } else {
        std::fprintf(stderr, "the machine was too slow to press Enter early; not checked\n");
    }
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
        ASSERT_TRUE(WaitFor([&] { return LastLayout(report).window == workArea; }, 10))
            << "window " << Describe(LastLayout(report).window) << ", work area "
            << Describe(workArea);
        const auto controls = LastLayout(report).ByName();
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

// Ending any other way than Exit still saves: a signal, or the X server going away. A second
// start of the list opens no second window on it.
TEST(EndToEndTest, SignalOrLostDisplay_SavesTheSession_AndASecondStartOpensNoWindow) {
    TempDir dir;
    WriteList();
    for (int ending : {SIGTERM, SIGHUP, 0}) {
        fs::remove("session/known.txt");
        auto server = std::make_unique<XServer>();
        if (!server->IsRunning()) GTEST_SKIP() << "Xvfb is not available";
        Program program;
        ASSERT_TRUE(FocusWindow("Quibbix"));
        ASSERT_TRUE(Keys("Return k k"));
        // The verdict is in the current-word file as soon as it is given.
        ASSERT_TRUE(WaitFor(
            [] {
                const std::string record = ReadFile("session/currWord.cfg");
                return record.size() == 20 && CurrWord(record).viewedCount >= 2;
            },
            60));
        if (ending == SIGTERM) {
            Program second;
            EXPECT_EQ(0, second.WaitForExit(10)) << "the first window comes forward instead";
            EXPECT_EQ(1, VisibleProgramWindows());
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
        // The learner's break clock lies in the data folder, but is no list's.
        if (it->path().filename() == "break.txt") continue;
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

// Xvfb at 1024x768 under openbox, and a data folder whose first list, with its session
// folder, the test fills.
class FirstListUnderOpenbox : public testing::Test {
protected:
    void SetUp() override {
        if (!m_server.IsRunning()) GTEST_SKIP() << "Xvfb is not available";
        m_desktop = std::make_unique<Desktop>(768);
        if (!m_desktop->IsRunning()) GTEST_SKIP() << "openbox is not available";
        fs::create_directories(m_home / "list");
        fs::create_directories(m_home / "session");
    }

    XServer m_server;
    // A second list, "French verbs", beside the first; its folder, or empty on failure.
    fs::path AddFrenchVerbs() {
        ListStore store(m_home, QUIBBIX_BUILT_LIST_DIR);
        std::string error;
        const std::optional<fs::path> second = store.Create("French verbs", error);
        EXPECT_TRUE(second) << error;
        if (!second) return {};
        std::vector<WordRecord> verbs;
        for (int i = 0; i < kWords; ++i) verbs.push_back({"verbe" + std::to_string(i), "verb"});
        WriteFile((*second / "list/kelvo.lst").string(), WordListFile::Serialize(verbs));
        return *second;
    }

    std::unique_ptr<Desktop> m_desktop;
    TempDir m_dir{false};
    const fs::path m_home = m_dir.path() / "data/quibbix";
};

TEST_F(FirstListUnderOpenbox, TwoLists_TheChooserStudiesTheSecond_AndLeavesTheFirstAlone) {
    fs::current_path(m_home);
    WriteList();
    ASSERT_TRUE(Shell("printf 'init\\nnext\\njudge 1\\nsave\\n' | " QUIBBIX_BUILT_BIN_DIR
                      "/quibbix-drive >/dev/null"));
    fs::current_path(m_dir.path());
    const fs::path second = AddFrenchVerbs();
    ASSERT_FALSE(second.empty());
    const auto before = Snapshot(m_home);

    Launch launch;
    ASSERT_TRUE(FocusWindow("Quibbix: Choose a List"));
    Keep(Screenshot(), "chooser.png");
    // The list studied last is selected; the new one is below it.
    ASSERT_TRUE(Keys("Down Return"));
    StudyThreeWords("French verbs");
    ASSERT_EQ(0, launch.WaitForExit(10));
    EXPECT_EQ("1\n", ReadFile((second / "session/known.txt").string()).substr(0, 2));
    EXPECT_TRUE(before == Snapshot(m_home)) << "the first list's files changed";
}

// Ctrl+L in the study window opens the chooser beside it; studying another list from there
// closes the window, its answers saved.
TEST_F(FirstListUnderOpenbox, CtrlL_ChoosesAnotherList_AndTheFirstWindowCloses) {
    fs::current_path(m_dir.path());
    const fs::path second = AddFrenchVerbs();
    ASSERT_FALSE(second.empty());
    fs::current_path(m_home);
    WriteList();
    setenv("XDG_DATA_HOME", (m_dir.path() / "data").c_str(), 1);
    Program first;
    unsetenv("XDG_DATA_HOME");
    ASSERT_TRUE(FocusWindow("Quibbix.*"));
    ASSERT_TRUE(Keys("Return k k ctrl+l"));
    ASSERT_TRUE(FocusWindow("Quibbix: Choose a List"));
    ASSERT_TRUE(Keys("Down Return"));
    StudyThreeWords("French verbs");
    EXPECT_EQ(0, first.WaitForExit(10)) << "the first window closes once the other is studied";
    EXPECT_EQ("1\n", ReadFile((m_home / "session/known.txt").string()).substr(0, 2));
    EXPECT_EQ("1\n", ReadFile((second / "session/known.txt").string()).substr(0, 2));
}

// Backwards the definition stands in the word box, wrapped, and the word is revealed below;
// the progress goes to session-reverse/ and the usual session is not touched.
TEST_F(FirstListUnderOpenbox, LaunchReverse_StudiesBackwards_AndLeavesTheUsualSessionAlone) {
    fs::current_path(m_home);
    std::vector<WordRecord> verbs;
    for (int i = 0; i < kWords; ++i)
        verbs.push_back({"aller" + std::to_string(i),
                         "to go from one place to another, on foot or by any other means, and "
                         "to arrive there in the end (meaning " +
                             std::to_string(i) + ")"});
    WriteList(verbs);
    WriteFile("name.txt", "French verbs\n");
    ASSERT_TRUE(Shell("printf 'init\\nnext\\njudge 1\\nsave\\n' | " QUIBBIX_BUILT_BIN_DIR
                      "/quibbix-drive >/dev/null"));
    fs::current_path(m_dir.path());
    const auto before = Snapshot(m_home / "session");

    Launch launch({"--reverse"});
    ASSERT_TRUE(FocusWindow("Quibbix — French verbs, backwards"));
    ASSERT_TRUE(Keys("Return"));
    Keep(Screenshot(), "backwards.png");
    ASSERT_TRUE(Keys("k"));
    Keep(Screenshot(), "backwards-revealed.png");
    ASSERT_TRUE(Keys("k"));
    Exit();
    ASSERT_EQ(0, launch.WaitForExit(10));
    EXPECT_EQ("1\n", ReadFile((m_home / "session-reverse/known.txt").string()).substr(0, 2));
    EXPECT_TRUE(before == Snapshot(m_home / "session")) << "the usual session changed";
}

// Left alone longer than away-seconds, the window adds none of that time to Time.txt; and the
// judgements toward the next break count on over a restart.
TEST_F(FirstListUnderOpenbox, LeftAlone_TheTimeAwayIsNoStudy_AndARestartSkipsNoBreak) {
    fs::current_path(m_home);
    WriteList();
    // The run before ended 149 judgements after the last break.
    WriteFile(BreakRecord::kFileName, "quibbix-break 1\nstudy-ms\t0\nwords\t149\n");
    fs::current_path(m_dir.path());
    fs::create_directories("config/quibbix");
    WriteFile("config/quibbix/quibbix.ini", "[General]\naway-seconds=2\n");
    {
        Launch launch;
        ASSERT_TRUE(FocusWindow("Quibbix"));
        ASSERT_TRUE(Keys("Return"));
        // The learner is away: eight seconds in which nothing reaches the window.
        std::this_thread::sleep_for(std::chrono::seconds(8));
        Exit();
        ASSERT_EQ(0, launch.WaitForExit(10));
    }
    const double seconds = std::stod(ReadFile((m_home / "session/Time.txt").string()));
    EXPECT_LT(seconds, 5.0) << "the time away counted as study";
    EXPECT_NE(ReadFile((m_home / BreakRecord::kFileName).string()).find("words\t149"),
              std::string::npos);
    {
        Launch launch;
        ASSERT_TRUE(FocusWindow("Quibbix"));
        ASSERT_TRUE(Keys("Return k d"));
        // The 150th judgement since the last break, in a run of its own, begins one.
        const auto isOnBreak = [&] {
            return ReadFile((m_home / BreakRecord::kFileName).string()).find("break-started") !=
                   std::string::npos;
        };
        ASSERT_TRUE(WaitFor(isOnBreak, 30));
        KeepScreen("break-after-restart.png");
        // Escape ends it once its first two seconds are over.
        ASSERT_TRUE(WaitFor([&] { return Keys("Escape") && !isOnBreak(); }, 30));
        Exit();
        ASSERT_EQ(0, launch.WaitForExit(10));
    }
}

// Typed, the answer keys are letters of the answer; Enter reveals it and Enter again gives
// the verdict suggested.
TEST_F(FirstListUnderOpenbox, LaunchType_TheTypedAnswerRevealsAndEnterGivesTheVerdict) {
    fs::current_path(m_home);
    WriteList(std::vector<WordRecord>(kWords, WordRecord{"maison", "house; home"}));
    fs::current_path(m_dir.path());

    Launch launch({"--type"});
    ASSERT_TRUE(FocusWindow("Quibbix.*"));
    ASSERT_TRUE(Keys("Return H o u s e Return"));
    Keep(Screenshot(), "typed.png");
    ASSERT_TRUE(Keys("Return d k Return Return"));
    // The keyboard is in the answer line, where Alt+X still reaches Exit.
    ASSERT_TRUE(KeysForWindow("alt+x", "Confirmation"));
    ASSERT_TRUE(Keys("Return"));
    ASSERT_EQ(0, launch.WaitForExit(10));
    EXPECT_EQ("1\n", ReadFile((m_home / "session/known.txt").string()).substr(0, 2));
    EXPECT_EQ("1\n", ReadFile((m_home / "session/new.txt").string()).substr(0, 2));
}

// The six lists and the words learned: what a word's progress is.
std::string Progress(const fs::path& session) {
    std::string progress;
    for (const SessionList& list : SessionFiles::kLists)
        progress += ReadFile((session / list.FileName()).string()) + "|";
    return progress + ReadFile((session / "WordsLearned.txt").string());
}

// Ctrl+E from the study window, a search, one definition mended, saved and closed: the list
// holds the new definition, every word keeps its progress, and the study goes on.
TEST_F(FirstListUnderOpenbox, CtrlE_EditsADefinition_AndTheStudyGoesOnWithTheProgressKept) {
    fs::current_path(m_home);
    std::vector<WordRecord> verbs;
    for (int i = 0; i < kWords; ++i)
        verbs.push_back({"verbe" + std::to_string(i), "sens " + std::to_string(i)});
    WriteList(verbs);
    WriteFile("name.txt", "French verbs\n");
    fs::current_path(m_dir.path());

    Launch launch;
    ASSERT_TRUE(FocusWindow("Quibbix — French verbs"));
    ASSERT_TRUE(Keys("Return k k d d s k ctrl+e"));
    ASSERT_TRUE(FocusWindow("Words — French verbs"));
    // The session was saved before the window opened.
    const std::string before = Progress(m_home / "session");
    ASSERT_TRUE(Keys("ctrl+f v e r b e 1 7 Tab Down Right F2 ctrl+a a l t e r e d Return"));
    Keep(Screenshot(), "words.png");
    ASSERT_TRUE(Keys("ctrl+s Escape"));
    ASSERT_TRUE(FocusWindow("Quibbix — French verbs"));
    EXPECT_EQ(before, Progress(m_home / "session"));
    size_t trailing = 0;
    const std::vector<WordRecord> saved =
        WordListFile::ParseAll(ReadFile((m_home / "list/kelvo.lst").string()), trailing);
    ASSERT_EQ(saved.size(), verbs.size());
    EXPECT_EQ(saved[17].definition, "altered");
    EXPECT_EQ(saved[16].definition, "sens 16");
    // Studies on: a word, its reveal, a verdict.
    ASSERT_TRUE(Keys("k k"));
    Exit();
    ASSERT_EQ(0, launch.WaitForExit(10));
    EXPECT_EQ("2\n", ReadFile((m_home / "session/known.txt").string()).substr(0, 2));
    // Every word stands once in the six lists, but the one on screen.
    int listed = 0;
    for (const SessionList& list : SessionFiles::kLists)
        listed += std::stoi(ReadFile((m_home / "session" / list.FileName()).string()));
    EXPECT_GE(listed, kWords - 1);
    EXPECT_LE(listed, kWords);
}

// The word on screen deleted in the Words window: the study goes on at the word after it in
// the list, which now has the deleted word's index.
TEST_F(FirstListUnderOpenbox, CtrlE_DeletingTheWordShown_GoesOnAtTheWordAfterIt) {
    fs::current_path(m_home);
    WriteList();
    fs::current_path(m_dir.path());

    Launch launch;
    ASSERT_TRUE(FocusWindow("Quibbix"));
    ASSERT_TRUE(Keys("Return ctrl+e"));
    ASSERT_TRUE(FocusWindow("Words — .*"));
    const uint32_t shown = CurrWord(ReadFile((m_home / "session/currWord.cfg").string())).wordIndex;
    ASSERT_NE(shown, 0u);
    // The word shown is selected as the window opens; from the search field, the table is next.
    ASSERT_TRUE(KeysForWindow("ctrl+f Tab Delete", "Delete Words"));
    ASSERT_TRUE(Keys("alt+y ctrl+s Escape"));
    ASSERT_TRUE(FocusWindow("Quibbix"));
    Exit();
    ASSERT_EQ(0, launch.WaitForExit(10));
    size_t trailing = 0;
    const auto words =
        WordListFile::ParseAll(ReadFile((m_home / "list/kelvo.lst").string()), trailing);
    ASSERT_EQ(words.size(), static_cast<size_t>(kWords - 1));
    const uint32_t after = CurrWord(ReadFile((m_home / "session/currWord.cfg").string())).wordIndex;
    // Record i holds word index i and record 0 the last index, n: the word after the one
    // deleted takes its index, but for the last two records, whose follower is record 0.
    const uint32_t expected = std::min(shown, static_cast<uint32_t>(kWords - 1));
    EXPECT_EQ(after, expected) << "shown " << shown;
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
            for (int attempt = 0; attempt < 3 && VisibleProgramWindows() != 1; ++attempt) {
                ASSERT_TRUE(Keys("Return"));
                WaitFor([] { return VisibleProgramWindows() == 1; }, 20);
            }
        }
        ASSERT_TRUE(WaitFor([] { return VisibleProgramWindows() == 1; }, 30));
        ASSERT_TRUE(FocusWindow("Quibbix"));
    }
    ASSERT_TRUE(Keys("alt+x"));
    ASSERT_TRUE(FocusWindow("Confirmation"));
    ASSERT_TRUE(Keys("Return"));
    EXPECT_EQ(0, program.WaitForExit(10));
}

// Two data folders joined to one sync folder: while the study window is open on one, with a
// word on screen, the other answers with quibbix-drive. The window takes the answers in as
// the folder changes (its session files are rewritten while it runs), keeps its word, and
// every judgement of both is counted once.
TEST_F(FirstListUnderOpenbox, SyncedList_AnswersFromTheOtherComputerArriveWhileStudying) {
    const fs::path other = m_dir.path() / "other";
    const fs::path folder = m_dir.path() / "sync";
    fs::create_directories(other / "list");
    fs::create_directories(other / "session");
    fs::create_directories(folder);
    fs::current_path(other);
    WriteList();
    fs::current_path(m_home);
    WriteList();
    fs::remove("list/kelvo.lst");  // the words come from the folder
    // A join may put a list's old files in the trash: the test's own.
    setenv("XDG_DATA_HOME", (m_dir.path() / "data").c_str(), 1);
    ListSync::Report report;
    std::string error;
    ASSERT_TRUE(ListSync::Join(other, other, folder, report, error)) << error;
    ASSERT_TRUE(ListSync::Join(m_home, m_home, folder, report, error)) << error;
    unsetenv("XDG_DATA_HOME");

    Program program("err.txt");
    ASSERT_TRUE(FocusWindow("Quibbix.*"));
    ASSERT_TRUE(Keys("Return"));
    ASSERT_TRUE(
        WaitFor([] { return CurrWord(ReadFile("session/currWord.cfg")).wordIndex < 65535; }, 10));
    const uint32_t onScreen = CurrWord(ReadFile("session/currWord.cfg")).wordIndex;
    // Two words not known and one not sure on the other computer.
    ASSERT_TRUE(Shell("cd '" + other.string() +
                      "' && printf 'init\\npress yes\\npress no\\npress no\\npress no\\npress no\\n"
                      "press unsure\\npress no\\nsave\\n' | " QUIBBIX_BUILT_BIN_DIR
                      "/quibbix-drive >/dev/null"));
    // Three words placed: the window's files hold them before it saved anything itself.
    EXPECT_TRUE(
        WaitFor([] { return ReadFile("session/tobeviewed.txt").substr(0, 3) == "37\n"; }, 15))
        << ReadFile("err.txt");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    KeepScreen("sync-notice.png");
    EXPECT_EQ(onScreen, CurrWord(ReadFile("session/currWord.cfg")).wordIndex);
    ASSERT_TRUE(Keys("k k"));
    Exit();
    ASSERT_EQ(0, program.WaitForExit(10)) << ReadFile("err.txt");
    // The header, then today: three judgements from there and one from here.
    const std::string history = ReadFile("session/History.txt");
    const size_t today = history.find('\n') + 1;
    EXPECT_EQ("4", history.substr(history.find('\t', history.find('\t', today) + 1) + 1, 1))
        << history;
}

// Starting a list that is open already brings its window back, minimised or not; the other
// direction is another study and opens beside it.
TEST_F(FirstListUnderOpenbox, SecondStart_BringsTheWindowBack_TheOtherDirectionOpens) {
    fs::current_path(m_home);
    WriteList();
    Program first;
    ASSERT_TRUE(FocusWindow("Quibbix.*"));
    ASSERT_TRUE(Shell("xdotool search --onlyvisible --name '^Quibbix' windowminimize --sync"));
    Program second;
    EXPECT_EQ(0, second.WaitForExit(10));
    const auto active = [] { return Output("xdotool getactivewindow getwindowname 2>/dev/null"); };
    EXPECT_TRUE(WaitFor([&] { return active().rfind("Quibbix", 0) == 0; }, 10)) << active();
    EXPECT_EQ(1, VisibleProgramWindows());
    Program backwards("", {"--reverse"});
    EXPECT_TRUE(WaitFor([] { return VisibleProgramWindows() == 2; }, 20));
    backwards.Signal(SIGTERM);
    EXPECT_NE(-1, backwards.WaitForExit(10));
    first.Signal(SIGTERM);
    EXPECT_NE(-1, first.WaitForExit(10));
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
