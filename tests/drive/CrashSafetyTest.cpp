// SPDX-License-Identifier: GPL-2.0-or-later
// Kills the driver at random moments, saves included, and checks that what it left behind
// always reads back whole: every session file parses, a restart resumes at the saved word,
// and after its first save every word stands in exactly one list or is the current word.

#include "engine/ListRec.h"
#include "engine/SessionFiles.h"
#include "engine/TextScanner.h"
#include "tests/engine/FakeEnv.h"
#include "tests/support/TempDir.h"

#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kWords = 3000;
const char* const kListFiles[] = {"session/tobeviewed.txt", "session/unsure.txt",
                                  "session/mistaken.txt",   "session/new.txt",
                                  "session/learning.txt",   "session/known.txt"};

std::string DriverPath() { return std::string(QUIBBIX_BUILT_BIN_DIR) + "/quibbix-drive"; }

// Starts the driver on `script` (fed through a file) and kills it after `delay`.
void RunAndKill(const std::string& script, std::chrono::microseconds delay,
                const char* slowRenames = "0") {
    WriteFile("script.txt", script);
    const pid_t pid = fork();
    if (pid == 0) {
        std::freopen("script.txt", "r", stdin);
        std::freopen("/dev/null", "w", stdout);
        execl(DriverPath().c_str(), "quibbix-drive", "--slow-renames", slowRenames,
              static_cast<char*>(nullptr));
        _exit(127);
    }
    std::this_thread::sleep_for(delay);
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
}

std::vector<std::string> Drive(const std::string& script) {
    WriteFile("script.txt", script);
    const std::string command = DriverPath() + " < script.txt > out.txt";
    EXPECT_EQ(0, std::system(command.c_str()));
    std::vector<std::string> lines;
    std::istringstream out(ReadFile("out.txt"));
    for (std::string line; std::getline(out, line);) lines.push_back(line);
    return lines;
}

// A list file reads whole when its count line matches the pairs that follow.
bool ListFileIsWhole(const std::string& path) {
    if (!FileExists(path)) return true;
    const std::string text = ReadFile(path);
    TextScanner scanner(text);
    int32_t count = 0;
    if (!scanner.ScanInt(count) || count < 0) return false;
    for (int32_t i = 0; i < count; ++i) {
        uint32_t index = 0;
        int32_t counter = 0;
        if (!scanner.ScanUnsigned(index) || !scanner.ScanInt(counter)) return false;
    }
    scanner.SkipSpace();
    uint32_t extra = 0;
    return !scanner.ScanUnsigned(extra);
}

// The word index saved in the current-word file.
uint32_t SavedCurrentWord() {
    const std::string bytes = ReadFile(SessionFiles::kCurrWord);
    if (bytes.size() != CurrWordRecord::kSize) return NO_WORD;
    CurrWordRecord record;
    record.Decode(bytes);
    return record.wordIndex;
}

// After "init", "save" and "dump": each word in exactly one list, or current.
void ExpectEveryWordOnce(const std::vector<std::string>& lines, uint32_t current) {
    std::vector<int> seen(kWords + 1, 0);
    if (current != NO_WORD) ++seen[current];
    for (const std::string& line : lines) {
        if (line.rfind("dump\t", 0) != 0) continue;
        std::istringstream fields(line);
        std::string field;
        for (int i = 0; std::getline(fields, field, '\t'); ++i) {
            if (i < 3) continue;
            const uint32_t index =
                static_cast<uint32_t>(std::stoul(field.substr(0, field.find(':'))));
            ASSERT_LE(index, static_cast<uint32_t>(kWords));
            ++seen[index];
        }
    }
    for (int i = 1; i <= kWords; ++i) ASSERT_EQ(1, seen[i]) << "word " << i;
}

std::string StudyScript(std::mt19937& random) {
    std::string script = "init\n";
    for (int step = 0; step < 400; ++step) {
        script += "next\njudge " + std::to_string(random() % 4) + "\n";
        if (random() % 8 == 0) script += "save\n";
    }
    return script + "save\n";
}

void KillAndResume(int kills, int maxDelayUs, const char* slowRenames) {
    TempDir dir;
    WriteFile("list/kelvo.lst", MakeWordList(kWords));
    std::mt19937 random(20261207);
    for (int kill = 0; kill < kills; ++kill) {
        RunAndKill(StudyScript(random), std::chrono::microseconds(random() % maxDelayUs),
                   slowRenames);
        for (const char* file : kListFiles)
            ASSERT_TRUE(ListFileIsWhole(file)) << file << " after kill " << kill;
        const std::string currWord = ReadFile("session/currWord.cfg");
        ASSERT_TRUE(currWord.empty() || currWord.size() == 20) << "after kill " << kill;
        const uint32_t saved = SavedCurrentWord();

        const std::vector<std::string> lines = Drive("init\nsave\ndump\n");
        ASSERT_FALSE(lines.empty());
        ASSERT_EQ("init", lines[0].substr(0, 4));
        const uint32_t resumed =
            static_cast<uint32_t>(std::stoul(lines[0].substr(lines[0].rfind('\t') + 1)));
        ASSERT_EQ(saved, resumed) << "after kill " << kill;
        ExpectEveryWordOnce(lines, resumed);
        for (const auto& entry : fs::directory_iterator("session"))
            ASSERT_EQ(entry.path().string().find(".tmp"), std::string::npos) << entry.path();
        if (::testing::Test::HasFatalFailure()) return;
    }
}

TEST(CrashSafetyTest, KilledAnywhere_LeavesSessionThatResumes) { KillAndResume(200, 30000, "0"); }

// With every rename slowed, many kills land between the renames of one save.
TEST(CrashSafetyTest, KilledBetweenRenames_LeavesSessionThatResumes) {
    KillAndResume(40, 60000, "3");
}

// Mounts a tiny file system of our own over a directory and removes it afterwards.
class TinyDisk {
public:
    explicit TinyDisk(const std::string& dir) : m_dir(dir) {
        m_mounted = mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~TinyDisk() {
        if (m_mounted) umount2(m_dir.c_str(), MNT_DETACH);
    }
    bool IsMounted() const { return m_mounted; }

private:
    std::string m_dir;
    bool m_mounted;
};

TEST(CrashSafetyTest, FullDisk_SaveKeepsThePreviousFiles) {
    TempDir dir;
    WriteFile("list/kelvo.lst", MakeWordList(kWords));
    TinyDisk disk((dir.path() / "session").string());
    if (!disk.IsMounted()) GTEST_SKIP() << "mounting a tmpfs needs root";
    Drive("init\nnext\njudge 1\nsave\n");
    std::vector<std::string> before;
    for (const char* file : kListFiles) before.push_back(ReadFile(file));
    // Fill what is left of the disk.
    std::string block(4096, 'x');
    for (int i = 0;; ++i) {
        std::FILE* filler = std::fopen(("session/filler" + std::to_string(i)).c_str(), "wb");
        if (!filler) break;
        const bool full = std::fwrite(block.data(), 1, block.size(), filler) < block.size() ||
                          std::fflush(filler) != 0;
        std::fclose(filler);
        if (full) break;
    }
    Drive("init\nnext\njudge 2\nnext\njudge 3\nsave\n");
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(before[i], ReadFile(kListFiles[i])) << kListFiles[i];
    for (const auto& entry : fs::directory_iterator("session"))
        EXPECT_EQ(std::string::npos, entry.path().string().find(".tmp")) << entry.path();
}

}  // namespace
