// SPDX-License-Identifier: GPL-2.0-or-later
// The driver on a list synced with a second computer: the verdicts given on each reach the
// other at its next sync, and what arrives during a run is studied on at once.

#include "lists/ListSync.h"
#include "tests/support/SyncedPair.h"

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <thread>

#include "posix/FolderLock.h"

namespace {

namespace fs = std::filesystem;

class DriveSyncTest : public SyncedPair {
protected:
    // The driver's command in `folder`, its output in `output` in the test's folder (standard
    // error beside it, in `output`.err); its input from `input` there, or else from the
    // caller.
    std::string Command(const fs::path& folder, const std::string& output,
                        const std::string& input = "", const std::string& flags = "") const {
        std::string command = "cd '" + folder.string() + "' && '" + QUIBBIX_BUILT_BIN_DIR +
                              "/quibbix-drive' " + flags + " > '" + (dir.path() / output).string() +
                              "' 2> '" + (dir.path() / output).string() + ".err'";
        if (!input.empty()) command += " < '" + (dir.path() / input).string() + "'";
        return command;
    }
    std::string Output(const std::string& name) const {
        return ReadFile((dir.path() / name).string());
    }
    // The fields of a "counts" line that every computer shares: the six lists and the words
    // learned, not the words viewed here.
    static std::string SharedCounts(const std::string& output) {
        const size_t at = output.rfind("counts\t");
        if (at == std::string::npos) return "no counts in: " + output;
        std::string line = output.substr(at, output.find('\n', at) - at);
        for (int field = 0; field < 8; ++field) line = line.substr(0, line.rfind('\t'));
        return line;
    }
};

TEST_F(DriveSyncTest, AnswersArrivingMidRun_AreStudiedOnAtTheNextSave) {
    // B starts first and waits, a word on screen, while A answers and saves.
    std::FILE* bInput = popen(Command(b, "b-out").c_str(), "w");
    ASSERT_NE(nullptr, bInput);
    std::fputs("init\npress yes\n", bInput);
    std::fflush(bInput);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (Output("b-out").find("press") == std::string::npos &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    WriteFile((dir.path() / "a-in").string(), "init\npress yes\npress no\npress no\nsave\n");
    ASSERT_EQ(0, std::system(Command(a, "a-out", "a-in").c_str()));

    // B's verdict, then its save, which brings A's: B studies on with both.
    std::fputs("press unsure\npress no\nsave\ncounts\n", bInput);
    ASSERT_EQ(0, pclose(bInput));
    EXPECT_NE(std::string::npos,
              Output("b-out").find("sync\t1 answer arrived from another computer\nsave\n"))
        << Output("b-out");

    // A's next start brings B's verdict; with every verdict on both, they agree.
    WriteFile((dir.path() / "a-in").string(), "init\ncounts\n");
    ASSERT_EQ(0, std::system(Command(a, "a-out", "a-in").c_str()));
    EXPECT_EQ(0u, Output("a-out").find("sync\t1 answer arrived from another computer\n"))
        << Output("a-out");
    EXPECT_EQ(SharedCounts(Output("a-out")), SharedCounts(Output("b-out")));
}

// A sync that fails after the journal took the verdicts (here: the backwards session cannot
// be written) must not offer them again: each verdict counts once.
TEST_F(DriveSyncTest, FailingAfterTheJournalTookTheVerdicts_CountsThemOnce) {
    fs::remove_all(a / "session-reverse");
    WriteFile((a / "session-reverse").string(), "");
    WriteFile((dir.path() / "a-in").string(), "init\npress yes\npress no\npress no\nsave\nsave\n");
    ASSERT_EQ(0, std::system(Command(a, "a-out", "a-in").c_str()));
    EXPECT_NE(std::string::npos, Output("a-out.err").find("not synced")) << Output("a-out.err");
    fs::remove(a / "session-reverse");
    WriteFile((dir.path() / "a-in").string(), "init\nsave\n");
    ASSERT_EQ(0, std::system(Command(a, "a-out", "a-in").c_str()));
    const std::string history = ReadFile((a / "session/History.txt").string());
    const size_t today = history.find('\n') + 1;
    EXPECT_EQ("1\t", history.substr(history.find('\t', history.find('\t', today) + 1) + 1, 2))
        << history;
}

// The session files of `folder`, by name.
std::map<std::string, std::string> SessionFilesOf(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder / "session"))
        if (entry.is_regular_file())
            files[entry.path().filename().string()] = ReadFile(entry.path().string());
    return files;
}

// Killed once its save has begun to rename the session files, before the sync that follows:
// the saved session counts the verdicts, so the other computers must get them too.
TEST_F(DriveSyncTest, KilledBetweenTheSaveAndTheSync_VerdictsStillArrive) {
    int input[2];
    ASSERT_EQ(0, pipe(input));
    const std::string out = (dir.path() / "a-out").string();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(input[0], 0);
        close(input[1]);
        std::freopen(out.c_str(), "w", stdout);
        if (chdir(a.c_str()) != 0) _exit(126);
        execl((std::string(QUIBBIX_BUILT_BIN_DIR) + "/quibbix-drive").c_str(), "quibbix-drive",
              "--slow-renames", "400", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(input[0]);
    const auto Send = [&](const std::string& text) {
        ASSERT_EQ(static_cast<ssize_t>(text.size()), write(input[1], text.data(), text.size()));
    };
    const auto WaitFor = [](const std::function<bool()>& done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!done() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    };
    Send("init\npress yes\npress no\npress no\n");
    WaitFor([&] {
        const std::string output = Output("a-out");
        size_t presses = 0;
        for (size_t at = 0; (at = output.find("press\t", at)) != std::string::npos; ++at) ++presses;
        return presses == 3;
    });
    const std::map<std::string, std::string> before = SessionFilesOf(a);
    Send("save\n");
    WaitFor([&] { return SessionFilesOf(a) != before; });
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    close(input[1]);
    ASSERT_NE(before, SessionFilesOf(a)) << Output("a-out");

    WriteFile((dir.path() / "a-in").string(), "init\n");
    ASSERT_EQ(0, std::system(Command(a, "a-out", "a-in").c_str()));
    WriteFile((dir.path() / "b-in").string(), "init\n");
    ASSERT_EQ(0, std::system(Command(b, "b-out", "b-in").c_str()));
    EXPECT_EQ(0u, Output("b-out").find("sync\t1 answer arrived from another computer\n"))
        << Output("b-out") << Output("b-out.err");
}

// The count of new words in the last "counts" line.
std::string NewCount(const std::string& output) {
    size_t at = output.rfind("counts\t");
    for (int field = 0; field < 4 && at != std::string::npos; ++field)
        at = output.find('\t', at + 1);
    return at == std::string::npos ? "no counts in: " + output
                                   : output.substr(at + 1, output.find('\t', at + 1) - at - 1);
}

// Studied forwards by a program kept open, the list is studied backwards as well: the
// backwards verdicts must reach the journal, not wait in memory for the forwards lock and die
// with the run, and the forwards session stays the other program's.
TEST_F(DriveSyncTest, StudiedBothWaysAtOnce_BackwardsVerdictsKept) {
    auto forwards = std::make_unique<FolderLock>();
    int code = 0;
    ASSERT_EQ(FolderLock::Result::kLocked, forwards->Acquire((a / "session").string(), code));
    const std::string forwardsBefore = ReadFile((a / "session/tobeviewed.txt").string());
    WriteFile((dir.path() / "a-in").string(),
              "init\npress yes\npress no\npress no\npress no\npress no\nsave\ncounts\n");
    ASSERT_EQ(0, std::system(Command(a, "a-out", "a-in", "--reverse").c_str()));
    EXPECT_EQ("2", NewCount(Output("a-out"))) << Output("a-out") << Output("a-out.err");
    EXPECT_NE(std::string::npos, Output("a-out.err").find("studied by another program"));
    EXPECT_EQ(forwardsBefore, ReadFile((a / "session/tobeviewed.txt").string()));
    // Once the forwards program has ended, the next sync replays both directions.
    forwards.reset();
    WriteFile((dir.path() / "a-in").string(), "init\ncounts\n");
    ASSERT_EQ(0, std::system(Command(a, "a-out", "a-in", "--reverse").c_str()));
    EXPECT_EQ("2", NewCount(Output("a-out"))) << Output("a-out") << Output("a-out.err");
}

}  // namespace
