// SPDX-License-Identifier: GPL-2.0-or-later
// The driver as a black box: real processes in temporary working directories.

#include "engine/HistoryFile.h"
#include "lists/MediaIndex.h"
#include "lists/MediaStore.h"
#include "tests/engine/FakeEnv.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

#include "posix/FolderLock.h"

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

std::vector<uint32_t> Range(uint32_t from, uint32_t to) {
    std::vector<uint32_t> result;
    for (uint32_t i = from; i <= to; ++i) result.push_back(i);
    return result;
}

// Every file under session/ with its bytes.
std::map<std::string, std::string> SessionFiles() {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator("session"))
        files[entry.path().filename().string()] = ReadFile(entry.path().string());
    return files;
}

// From the session files as they stand, runs `prefix` and then a look at everything, and
// again from the same files `prefix`, `verdict` and an undo, then the same look: what the
// look shows in memory and what its save leaves must be the same.
void ExpectVerdictUndoneWithoutTrace(const std::string& prefix, const std::string& verdict) {
    namespace fs = std::filesystem;
    // Two more judgements show that the schedule goes on as it would have.
    const std::string look = "dump\ncounts\nword\nnext\njudge 3\nnext\njudge 0\nnext\nsave\ndump\n";
    const size_t lookLines = 20;
    fs::remove_all("start");
    fs::copy("session", "start");
    const DriveRun plain = Drive(prefix + look);
    ASSERT_EQ(0, plain.status) << plain.err;
    const auto plainFiles = SessionFiles();
    fs::remove_all("session");
    fs::copy("start", "session");
    const DriveRun undone = Drive(prefix + verdict + "undo\n" + look);
    ASSERT_EQ(0, undone.status) << undone.err;
    ASSERT_GT(undone.lines.size(), lookLines);
    ASSERT_GE(plain.lines.size(), lookLines);
    EXPECT_EQ("undo\t1", undone.lines[undone.lines.size() - lookLines - 1]);
    EXPECT_EQ(std::vector<std::string>(plain.lines.end() - lookLines, plain.lines.end()),
              std::vector<std::string>(undone.lines.end() - lookLines, undone.lines.end()));
    EXPECT_EQ(plainFiles, SessionFiles());
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

TEST_F(DriveTest, SessionHeldByASyncForAMoment_WaitsForItAndStarts) {
    WriteFile("list/kelvo.lst", MakeWordList(20));
    std::filesystem::create_directories("session");
    std::filesystem::create_directories("sync");
    // A sync of the other direction's program: this computer's side, then this session.
    auto side = std::make_unique<FolderLock>(), session = std::make_unique<FolderLock>();
    int error = 0;
    ASSERT_EQ(FolderLock::Result::kLocked, side->Acquire("sync", error));
    ASSERT_EQ(FolderLock::Result::kLocked, session->Acquire("session", error));
    // The sync's length, not a wait for anything: however late the driver starts, before the
    // locks go or after, it must start.
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        session.reset();
        side.reset();
    });
    DriveRun run = Drive("init\n");
    release.join();
    EXPECT_EQ(0, run.status) << run.err;
    ASSERT_EQ(1u, run.lines.size());
    EXPECT_EQ(0u, run.lines[0].rfind("init\t", 0));
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

TEST_F(DriveTest, Undo_LeavesNoTraceOfTheVerdict_WhateverItMoved) {
    WriteFile("list/kelvo.lst", MakeWordList(40));
    // A first run, a few verdicts in, then each judgement code by the two presses, and one
    // recorded directly with the next word drawn after it.
    const std::string started = "init\npress yes\npress no\npress no\npress yes\npress yes\n";
    const struct {
        const char* claim;
        const char* verdict;
    } codes[] = {{"yes", "yes"}, {"yes", "unsure"}, {"no", "yes"}, {"unsure", "no"}};
    for (const auto& c : codes) {
        SCOPED_TRACE(std::string(c.claim) + " then " + c.verdict);
        ExpectVerdictUndoneWithoutTrace(started + "press " + c.claim + "\n",
                                        std::string("press ") + c.verdict + "\n");
    }
    ExpectVerdictUndoneWithoutTrace("init\nnext\n", "judge 1\nnext\n");

    // Known from the learning list adds a word learned; a fifth "knew" in the mistaken list
    // promotes the word (the schedule takes the troubled lists first).
    const auto startFrom = [](const std::vector<std::vector<uint32_t>>& lists) {
        std::filesystem::remove_all("session");
        std::filesystem::create_directory("session");
        WriteSessionLists(lists);
    };
    startFrom({{}, {}, {}, Range(1, 6), {}, Range(8, 40)});
    WriteFile("session/mistaken.txt", "1\n7\t4\n");
    WriteFile("session/WordsLearned.txt", "3");
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i == 0 ? "mistaken to learning" : "learning to known");
        ExpectVerdictUndoneWithoutTrace("init\npress yes\n" +
                                            std::string(i == 0 ? "" : "press yes\npress yes\n") +
                                            "press yes\n",
                                        "press yes\n");
    }

    // The draw after the verdict recycles known words into the nearly empty to-be-viewed
    // list.
    startFrom({{}, {}, {}, {}, {1, 2, 3}, Range(4, 40)});
    {
        SCOPED_TRACE("recycling");
        ExpectVerdictUndoneWithoutTrace("init\npress yes\npress yes\n", "press yes\n");
    }
    // A save between the verdict and the undo repairs a copied and a lost word; the undo
    // brings the lists back as they were in memory, and the next save repairs them alike.
    startFrom({{}, {}, {}, {}, {1, 2, 3, 2}, Range(5, 40)});
    {
        SCOPED_TRACE("maintenance");
        ExpectVerdictUndoneWithoutTrace("init\npress yes\npress yes\n", "press no\nsave\n");
    }
}

TEST_F(DriveTest, Undo_OneVerdictOnly_NeverAfterTheNextPressABreakOrARestart) {
    WriteFile("list/kelvo.lst", MakeWordList(40));
    DriveRun run = Drive(
        "init\nundo\npress yes\nundo\npress yes\npress yes\nundo\nundo\n"
        "press yes\npress yes\npress no\nundo\npress no\nundo\n");
    ASSERT_EQ(0, run.status) << run.err;
    const std::vector<std::string> undos = {"undo\t0", "undo\t0", "undo\t1",
                                            "undo\t0", "undo\t0", "undo\t1"};
    std::vector<std::string> seen;
    for (const std::string& line : run.lines)
        if (line.rfind("undo", 0) == 0) seen.push_back(line);
    EXPECT_EQ(undos, seen);
    EXPECT_EQ("undo\t0", Drive("init\nundo\n").lines.at(1)) << "after a restart";

    // The current-word file is put back at once, for a program that ends without a save.
    std::filesystem::remove_all("session");
    std::filesystem::create_directory("session");
    ASSERT_EQ(0, Drive("init\npress yes\n").status);
    const std::string shown = ReadFile("session/currWord.cfg");
    std::filesystem::remove_all("session");
    std::filesystem::create_directory("session");
    ASSERT_EQ(0, Drive("init\npress yes\npress yes\npress yes\nundo\n").status);
    EXPECT_EQ(shown, ReadFile("session/currWord.cfg"));

    // The 149th verdict taken back and given again still does not break; the 150th does,
    // and stays.
    std::string input = "init\npress yes\n";
    for (int i = 0; i < 148; ++i) input += "press no\npress no\n";
    DriveRun breaks =
        Drive(input + "press no\npress no\nundo\npress no\npress no\npress no\npress no\nundo\n");
    ASSERT_EQ(0, breaks.status) << breaks.err;
    const std::vector<std::string> last(breaks.lines.end() - 7, breaks.lines.end());
    EXPECT_EQ((std::vector<std::string>{"press\t2\t0", "undo\t1", "press\t-\t0", "press\t2\t0",
                                        "press\t-\t0", "press\t2\t1", "undo\t0"}),
              last);
}

TEST_F(DriveTest, BadInput_ExitsWithUsageError) {
    WriteFile("list/kelvo.lst", MakeWordList(20));
    for (const char* input : {"init\nfly\nsave\n", "judge x\n", "judge\n", "judge 99999999999\n",
                              "init \n", "undo 1\n"}) {
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

namespace {

// Every file of a directory, recursively, with its bytes.
std::map<std::string, std::string> Tree(const std::string& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
        files[entry.path().string()] =
            entry.is_regular_file() ? ReadFile(entry.path().string()) : std::string("<dir>");
    return files;
}

TEST_F(DriveTest, Backwards_KeepsItsOwnSession_AndLeavesTheUsualOneByteForByte) {
    WriteFile("list/kelvo.lst", MakeWordList(20));
    ASSERT_EQ(0, Drive("init\nnext\njudge 0\nnext\njudge 3\nsave\n").status);
    const auto forwards = Tree("session");
    const std::string steps = "init\nnext\njudge 0\nnext\njudge 0\nnext\njudge 2\nsave\ncounts\n";
    DriveRun backwards = Drive(steps, "--tick 777 --reverse");
    ASSERT_EQ(0, backwards.status) << backwards.err;
    EXPECT_EQ(forwards, Tree("session"));
    // Its own first run: all 20 words, three of them judged, none of the usual progress.
    EXPECT_EQ("counts\t17\t0\t0\t1\t0\t2\t0\t3\t20", backwards.lines.back());
    for (const char* file :
         {"tobeviewed.txt", "new.txt", "known.txt", "currWord.cfg", "History.txt", "studied.lst"})
        EXPECT_TRUE(FileExists(std::string("session-reverse/") + file)) << file;

    // And the other way round: the usual direction resumes where it was and leaves the
    // backwards session alone.
    const auto reverse = Tree("session-reverse");
    DriveRun again = Drive("init\ncounts\nsave\n");
    ASSERT_EQ(0, again.status) << again.err;
    EXPECT_EQ("counts\t18\t1\t0\t0\t0\t1\t0\t2\t20", again.lines[1]);
    EXPECT_EQ(reverse, Tree("session-reverse"));
}

TEST_F(DriveTest, Backwards_HeldByAnotherProgram_SaysSoAndWritesNothing) {
    WriteFile("list/kelvo.lst", MakeWordList(20));
    std::filesystem::create_directory("session-reverse");
    FolderLock held;
    int error = 0;
    ASSERT_EQ(FolderLock::Result::kLocked, held.Acquire("session-reverse", error));
    DriveRun run = Drive("init\nnext\njudge 0\nsave\n", "--reverse");
    EXPECT_EQ(1, run.status);
    EXPECT_TRUE(std::filesystem::is_empty("session-reverse"));
    EXPECT_TRUE(std::filesystem::is_empty("session"));
}

}  // namespace

namespace {

TEST(DriveTypeTest, Type_SuggestsAVerdict_AndThePressAfterItRecordsAsTwoPresses) {
    TempDir dir;
    std::string list;
    for (int i = 0; i < 10; ++i) list += MakeRecord("house", "maison; domicile");
    WriteFile("list/kelvo.lst", list);
    std::filesystem::create_directory("session");
    const DriveRun typed = Drive(
        "type maison\ninit\npress yes\ntype Maison!\ntype again\npress unsure\ntype domicil\n"
        "press yes\ntype\npress no\ntype garden\npress yes\nsave\ndump\n");
    ASSERT_EQ(0, typed.status) << typed.err;
    const auto typedFiles = SessionFiles();
    std::filesystem::remove_all("session");
    std::filesystem::create_directory("session");
    const DriveRun pressed = Drive(
        "init\npress yes\npress unsure\npress unsure\npress yes\npress yes\npress no\npress no\n"
        "press yes\npress yes\nsave\ndump\n");
    ASSERT_EQ(0, pressed.status) << pressed.err;

    // The claims a typed answer stands in for print nothing of their own.
    const auto withoutClaims = [](std::vector<std::string> lines) {
        lines.erase(std::remove(lines.begin(), lines.end(), "press\t-\t0"), lines.end());
        return lines;
    };
    std::vector<std::string> types, others;
    for (const std::string& line : typed.lines)
        (line.rfind("type\t", 0) == 0 ? types : others).push_back(line);
    EXPECT_EQ((std::vector<std::string>{"type\t-", "type\tyes", "type\t-", "type\tunsure",
                                        "type\tno", "type\tno"}),
              types);
    EXPECT_EQ(withoutClaims(pressed.lines), withoutClaims(others));
    EXPECT_EQ(SessionFiles(), typedFiles);

    // Backwards the word is the answer.
    const DriveRun backwards = Drive("init\npress yes\ntype HOUSE\n", "--tick 777 --reverse");
    EXPECT_EQ("type\tyes", backwards.lines.back()) << backwards.err;
}

}  // namespace

namespace {

TEST(DriveMediaTest, Media_NamesTheCardsPictureAndRecording_AndNothingDamaged) {
    TempDir dir;
    std::string list;
    for (int i = 0; i < 10; ++i) list += MakeRecord("cat", "chat");
    WriteFile("list/kelvo.lst", list);
    std::filesystem::create_directory("session");
    MediaStore store(".");
    std::string note;
    const std::string picture = *store.AddBytes("definition picture", "png", "p", note);
    const std::string sound = *store.AddBytes("miaow", "ogg", "s", note);
    MediaIndex index;
    index.Set({"cat", "chat"}, {"", sound, picture, ""});
    WriteFile(MediaIndex::kFile, index.Serialize());

    const DriveRun run = Drive("init\nmedia\nnext\nmedia\nnext\nmedia\n");
    ASSERT_EQ(0, run.status) << run.err;
    ASSERT_EQ(run.lines.size(), 6u);
    EXPECT_EQ(run.lines[1], "media\t\t") << "no word on screen yet";
    EXPECT_EQ(run.lines[3], "media\t" + picture + "\t" + sound);
    EXPECT_EQ(run.lines[5], run.lines[3]);

    WriteFile((std::filesystem::path(MediaStore::kDir) / sound).string(), "planted");
    const DriveRun damaged = Drive("init\nnext\nmedia\n");
    EXPECT_EQ(damaged.lines.back(), "media\t" + picture + "\t");
}

}  // namespace
