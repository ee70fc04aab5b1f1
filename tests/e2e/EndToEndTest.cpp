// SPDX-License-Identifier: GPL-2.0-or-later
// The program on a real X server: Xvfb, key presses through xdotool, a screenshot of the
// screen, and the session files the study leaves behind.

#include "engine/SessionFiles.h"
#include "engine/WordListFile.h"
#include "tests/support/TempDir.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <thread>

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

class XServer {
public:
    XServer() {
        int fds[2];
        if (pipe(fds) != 0) return;
        m_pid = fork();
        if (m_pid == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
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

class Program {
public:
    Program() {
        const std::string path = std::string(QUIBBIX_BUILT_BIN_DIR) + "/quibbix";
        // The converted pictures it keeps stay in the test's directory.
        const std::string cache = (fs::current_path() / "cache").string();
        m_pid = fork();
        if (m_pid == 0) {
            unsetenv("QT_QPA_PLATFORM");
            setenv("XDG_CACHE_HOME", cache.c_str(), 1);
            execl(path.c_str(), "quibbix", static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~Program() {
        if (m_pid > 0 && !HasEnded()) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    void Signal(int number) { kill(m_pid, number); }
    // Waits up to `seconds` for the program to end; its exit status, or -1.
    int WaitForExit(int seconds) {
        for (int i = 0; i < seconds * 20; ++i) {
            if (HasEnded()) return m_status;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return -1;
    }

private:
    bool HasEnded() {
        if (m_ended) return true;
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_ended = true;
            m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
        }
        return m_ended;
    }

    pid_t m_pid = -1;
    bool m_ended = false;
    int m_status = -1;
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
    // From "I Know" the tab order reaches "Show Statistics", "Take A Break", then "Exit".
    ASSERT_TRUE(Keys("Tab Tab Tab space"));
    ASSERT_TRUE(FocusWindow("Confirmation"));
    ASSERT_TRUE(Keys("Return"));
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

TEST(EndToEndTest, StudyQuitAndResume) {
    XServer server;
    if (!server.IsRunning()) GTEST_SKIP() << "Xvfb is not available";
    TempDir dir;
    WriteList();
    {
        Program program;
        ASSERT_TRUE(FocusWindow("Quibbix"));
        // Start, then three words: known, not known, not sure.
        ASSERT_TRUE(Keys("Return k k d d s k"));
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        const QImage shot = Screenshot();
        ASSERT_FALSE(shot.isNull());
        EXPECT_EQ(QColor(128, 128, 128), shot.pixelColor(shot.width() - 4, 4))
            << "program background";
        EXPECT_EQ(QColor(255, 255, 255), shot.pixelColor(120, 100)) << "word box";
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

// A dialog over the window must not keep the program alive: the break's alarm would go on
// sounding until someone answered it.
TEST(EndToEndTest, SignalDuringABreak_EndsTheProgram) {
    XServer server;
    if (!server.IsRunning()) GTEST_SKIP() << "Xvfb is not available";
    TempDir dir;
    WriteList();
    Program program;
    ASSERT_TRUE(FocusWindow("Quibbix"));
    // Start, one known word, then "Take A Break", two tabs on from "I Know".
    ASSERT_TRUE(Keys("Return k k Tab Tab space"));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    program.Signal(SIGTERM);
    EXPECT_EQ(0, program.WaitForExit(10));
    EXPECT_EQ("1\n", ReadFile("session/known.txt").substr(0, 2));
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
