// SPDX-License-Identifier: GPL-2.0-or-later
// The driver as a black box: real processes in temporary working directories.

#include "engine/HistoryFile.h"
#include "platform/FolderLock.h"
#include "tests/engine/FakeEnv.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct DriveRun {
    int status;
    std::vector<std::string> lines;
    std::string err;
};

DriveRun Drive(const std::string& input, const std::string& options = "--tick 777") {
    WriteFile("in.txt", input);
    const std::string driver = std::string(QUIBBIX_BUILT_BIN_DIR) + "/quibbix-drive";
    const int raw =
        std::system((driver + " " + options + " < in.txt > out.txt 2> err.txt").c_str());
    DriveRun run{WEXITSTATUS(raw), {}, ReadFile("err.txt")};
    std::istringstream out(ReadFile("out.txt"));
    for (std::string line; std::getline(out, line);) run.lines.push_back(line);
    return run;
}

class DriveTest : public ::testing::Test {
protected:
    TempDir dir;
};

TEST_F(DriveTest, Restart_ResumesAtTheSameWord) {
    WriteFile("list/kelvo.lst", MakeWordList(25));
    DriveRun first = Drive("init\nnext\njudge 2\nnext\nword\n");
    ASSERT_EQ(0, first.status) << first.err;
    ASSERT_EQ(5u, first.lines.size());
    EXPECT_EQ("init\t0\t0\t65535", first.lines[0]);
    const std::string shown = first.lines[3];
    const std::string index = shown.substr(shown.rfind('\t') + 1);
    EXPECT_EQ("word\tword" + index + "\tdefinition " + index, first.lines[4]);

    // No save was made; the current-word file alone carries the word over.
    DriveRun second = Drive("init\nnext\ncounts\n");
    ASSERT_EQ(0, second.status);
    EXPECT_EQ("init\t0\t0\t" + index, second.lines[0]);
    EXPECT_EQ(shown, second.lines[1]);
    EXPECT_EQ("counts\t25\t0\t0\t0\t0\t0\t0\t2\t25", second.lines[2]);
}

TEST_F(DriveTest, Save_WritesWhatDumpShows) {
    WriteFile("list/kelvo.lst", MakeWordList(20));
    DriveRun run = Drive("init\nnext\njudge 3\nnext\njudge 0\nsave\ndump\n");
    ASSERT_EQ(0, run.status);
    ASSERT_EQ(12u, run.lines.size());
    // dump<TAB>unsure<TAB>1<TAB>i:0 matches the unsure file's lines.
    const std::string unsure = run.lines[7];
    const std::string entry = unsure.substr(unsure.rfind('\t') + 1);
    const std::string index = entry.substr(0, entry.find(':'));
    EXPECT_EQ("1\n" + index + "\t0\n", ReadFile("session/unsure.txt"));
    EXPECT_EQ("0", ReadFile("session/WordsLearned.txt"));
    EXPECT_EQ("dump\tknown\t1", run.lines[11].substr(0, run.lines[11].rfind("\t")));
}

TEST_F(DriveTest, Save_WritesTheHistory_WithoutSeconds) {
    WriteFile("list/kelvo.lst", MakeWordList(20));
    ASSERT_EQ(0, Drive("init\nnext\njudge 3\nnext\njudge 2\nsave\n").status);
    ASSERT_EQ(0, Drive("init\nnext\njudge 0\nsave\n").status);
    std::vector<HistoryDay> days;
    ASSERT_TRUE(HistoryFile::Parse(ReadFile("session/History.txt"), days));
    // Two lines only when the runs straddled midnight.
    ASSERT_FALSE(days.empty());
    int64_t judgements = 0;
    for (const HistoryDay& day : days) {
        EXPECT_EQ(0, day.seconds);
        judgements += day.judgements;
    }
    EXPECT_EQ(3, judgements);
    // to be viewed, unsure, mistaken, new, learning, known
    EXPECT_EQ((std::array<int32_t, 6>{17, 1, 0, 1, 0, 1}), days.back().counts.lists);
}

TEST_F(DriveTest, SameTick_SameFirstOrder) {
    WriteFile("list/kelvo.lst", MakeWordList(20));
    DriveRun run = Drive("init\ndump\n", "--tick 12345");
    ASSERT_EQ(0, run.status);
    EXPECT_EQ(
        "dump\ttobeviewed\t20\t5:0\t12:0\t16:0\t14:0\t4:0\t17:0\t3:0\t18:0\t9:0\t13:0\t6:0\t2:0"
        "\t7:0\t1:0\t8:0\t19:0\t10:0\t11:0\t15:0\t20:0",
        run.lines[1]);
}

TEST_F(DriveTest, MissingWordList_PrintsMessagesAndWritesNothing) {
    DriveRun run = Drive("init\nnext\nsave\n");
    ASSERT_EQ(0, run.status);
    ASSERT_GE(run.lines.size(), 4u);
    EXPECT_EQ("message\tError\tError: Opening kelvo", run.lines[0]);
    EXPECT_EQ("message\tError\tError: No Valid Record File", run.lines[1]);
    EXPECT_EQ("init\t0\t0\t65535", run.lines[2]);
    EXPECT_TRUE(std::filesystem::is_empty("session"));
}

TEST_F(DriveTest, Press_RunsTheWindowsTwoPresses_AndBreaksAtThe150thVerdict) {
    WriteFile("list/kelvo.lst", MakeWordList(40));
    std::string input = "init\npress no\npress unsure\npress yes\npress unsure\npress yes\n";
    for (int i = 0; i < 150; ++i) input += "press no\npress no\n";
    DriveRun run = Drive(input + "press yes\npress no\ncounts\n");
    ASSERT_EQ(0, run.status) << run.err;
    ASSERT_EQ(309u, run.lines.size());
    // Before the start only "I Know" is there; the claim only shows the definition.
    for (size_t i : {1, 2, 3, 4}) EXPECT_EQ("press\t-\t0", run.lines[i]) << i;
    EXPECT_EQ("press\t3\t0", run.lines[5]);
    EXPECT_EQ("press\t2\t0", run.lines[301]);  // the 149th verdict
    EXPECT_EQ("press\t2\t1", run.lines[303]);
    EXPECT_EQ("press\t2\t0", run.lines[305]);  // the break reset the count
    // One word drawn by the start press and one after each of the 152 verdicts.
    EXPECT_EQ("\t153\t40", run.lines[308].substr(run.lines[308].size() - 7));

    for (const char* bad : {"press maybe\n", "press\n", "press yes no\n", "press Yes\n"})
        EXPECT_EQ(2, Drive(bad).status) << bad;
}

TEST_F(DriveTest, BadInput_ExitsWithUsageError) {
    WriteFile("list/kelvo.lst", MakeWordList(20));
    for (const char* input :
         {"init\nfly\nsave\n", "judge x\n", "judge\n", "judge 99999999999\n", "init \n"}) {
        DriveRun run = Drive(input);
        EXPECT_EQ(2, run.status) << input;
        EXPECT_NE(std::string::npos, run.err.find("quibbix-drive:")) << input;
    }
    EXPECT_EQ(2, Drive("", "--tick -1").status);
    EXPECT_EQ(2, Drive("", "--frobnicate").status);
    DriveRun blank = Drive("\n\ninit\n");
    EXPECT_EQ(0, blank.status);
    EXPECT_EQ(1u, blank.lines.size());
}

TEST_F(DriveTest, SecondCopyOnTheSameFolder_SaysSoAndWritesNothing) {
    WriteFile("list/kelvo.lst", MakeWordList(20));
    FolderLock held;
    int error = 0;
    ASSERT_EQ(FolderLock::Result::kLocked, held.Acquire("session", error));
    DriveRun run = Drive("init\nnext\njudge 0\nsave\n");
    EXPECT_EQ(1, run.status);
    ASSERT_EQ(1u, run.lines.size());
    EXPECT_EQ("message\tAlready Running\tQuibbix is already running on this folder.", run.lines[0]);
    EXPECT_TRUE(std::filesystem::is_empty("session"));
}

}  // namespace
