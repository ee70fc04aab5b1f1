// SPDX-License-Identifier: GPL-2.0-or-later
// check of damaged word lists, and rebase of a session onto a changed list.
#include "engine/LittleEndian.h"
#include "engine/SessionFiles.h"
#include "engine/WordList.h"
#include "tests/support/TempDir.h"
#include "tests/wordlist/ToolRunner.h"

#include <cstdint>
#include <gtest/gtest.h>

#include "posix/FolderLock.h"

namespace {

using Entries = std::vector<std::pair<uint32_t, int32_t>>;  // word index, counter

std::string ListFile(const Entries& entries) {
    std::string text = std::to_string(entries.size()) + "\n";
    for (const auto& [index, counter] : entries)
        text += std::to_string(index) + "\t" + std::to_string(counter) + "\n";
    return text;
}

Entries LoadList(const std::string& path) {
    CWordList list;
    list.LoadFile(path.c_str());
    Entries entries;
    for (const CListRec& entry : list.Entries())
        entries.emplace_back(entry.m_wordIndex, entry.m_counter);
    return entries;
}

std::string CurrWord(int32_t list, int32_t counter, uint32_t index, int32_t viewed) {
    // A reserved field of its own, which a rebase must carry over as it is.
    char bytes[CurrWordRecord::kSize];
    CurrWordRecord{list, counter, index, viewed}.Encode(bytes);
    PutLE32(bytes + CurrWordRecord::kReservedOffset, 0xDEADBEEF);
    return std::string(bytes, sizeof bytes);
}

uint32_t CurrWordIndex(const std::string& bytes) {
    CurrWordRecord record;
    record.Decode(bytes);
    return record.wordIndex;
}

void WriteList(const std::string& path,
               const std::vector<std::pair<std::string, std::string>>& records) {
    std::string text;
    for (const auto& [word, definition] : records) text += word + "\t" + definition + "\n";
    WriteFile(path + ".tsv", text);
    ASSERT_EQ(RunTool({"import", path + ".tsv", "-o", path}).code, 0);
}

TEST(Check, ReportsEveryRecordTheProgramWouldShowWrongly) {
    TempDir dir;
    std::string crInWord = RecordImage("wo\rd", "fine");
    std::string eofInDefinition = RecordImage("word", "de\x1A");
    std::string brokenEnd = RecordImage("end", "fine");
    brokenEnd[237] = '\r';
    WriteFile("bad.lst", RecordImage("good", "fine") + crInWord + RecordImage("", "no word") +
                             RecordImage("    ", "spaces") + RecordImage("word", "") +
                             eofInDefinition + brokenEnd + RecordImage("tab", "one\ttwo") +
                             RecordImage("w\x81", "fine") + std::string(100, 'x'));
    const ToolResult result = RunTool({"check", "bad.lst"});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.out, "bad.lst: 9 records\n");
    for (const char* message :
         {"record 1 (word index 1): byte 0x0D at offset 7 (word) breaks the record",
          "record 2 (word index 2): empty word", "record 3 (word index 3): word of spaces only",
          "record 4 (word index 4): empty definition",
          "record 5 (word index 5): byte 0x1A at offset 38 (definition)",
          "record 6 (word index 6): byte 0x0D at offset 237 (record end)",
          "record 7 (word index 7): control character 0x09 in the definition",
          "record 8 (word index 8): undefined byte 0x81 in the word",
          "a partial record of 100 bytes"}) {
        EXPECT_NE(result.err.find(message), std::string::npos) << message << "\n" << result.err;
    }
    EXPECT_EQ(result.err.find("record 0 "), std::string::npos);
    WriteFile("good.lst", RecordImage(std::string(30, 'w'), std::string(200, 'd')));
    EXPECT_EQ(RunTool({"check", "good.lst"}).code, 0);
}

TEST(Check, LimitIsTheLongestListTheProgramCanStudy) {
    TempDir dir;
    std::string record = RecordImage("word", "definition"), list;
    for (uint32_t i = 0; i < kMaxStudyWords; ++i) list += record;
    WriteFile("most.lst", list);
    EXPECT_EQ(RunTool({"check", "most.lst"}).code, 0);  // beyond what the classic draw shuffles
    WriteFile("more.lst", list + record);
    const ToolResult more = RunTool({"check", "more.lst"});
    EXPECT_EQ(more.code, 1);
    EXPECT_NE(more.err.find("can study at most 65534"), std::string::npos) << more.err;
}

// Index i names record i, and index 6 (= n) names record 0: zeal is 6, apple 1, the river
// bank 2, the money bank 3, cat 4, dog 5.
const std::vector<std::pair<std::string, std::string>> kOld = {
    {"zeal", "eagerness"},   {"apple", "a fruit"}, {"bank", "river side"},
    {"bank", "money place"}, {"cat", "a pet"},     {"dog", "another pet"}};

// The history counts words by list, not by index: a rebase has nothing in it to follow.
const char kHistory[] =
    "date\tseconds\tjudgements\ttobeviewed\tunsure\tmistaken\tnew\tlearning\tknown\tlearned\n"
    "2026-03-14\t600\t40\t1\t2\t1\t0\t1\t0\t7\n";

class Rebase : public testing::Test {
protected:
    void SetUp() override {
        WriteList("old.lst", kOld);
        WriteFile("session/tobeviewed.txt", ListFile({{1, 0}}));
        WriteFile("session/unsure.txt", ListFile({{4, 2}, {5, 1}}));
        WriteFile("session/mistaken.txt", ListFile({{2, 4}}));
        WriteFile("session/new.txt", ListFile({}));
        WriteFile("session/learning.txt", ListFile({{3, 3}}));
        WriteFile("session/known.txt", ListFile({}));
        WriteFile("session/WordsLearned.txt", "7");
        WriteFile("session/Time.txt", "123.5");
        WriteFile("session/History.txt", kHistory);
        WriteFile("session/currWord.cfg",
                  CurrWord(3, 2, 6, 42));  // zeal on screen, drawn from the new list
    }
    TempDir m_dir;
};

TEST_F(Rebase, FollowsEachWordToItsNewPlace) {
    // Re-sorted, "cat" gone, "ant" and "emu" new, the river bank's definition reworded.
    WriteList("new.lst", {{"emu", "a bird"},
                          {"ant", "an insect"},
                          {"apple", "a fruit"},
                          {"bank", "money place"},
                          {"dog", "another pet"},
                          {"zeal", "eagerness"},
                          {"bank", "the side of a river"}});
    const ToolResult result = RunTool({"rebase", "old.lst", "new.lst", "session"});
    // Both banks remain: the exact match pairs one, and the word alone the other.
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_NE(result.out.find("dropped from the unsure list: \"cat\" (index 4)"), std::string::npos)
        << result.out;
    // New indices: emu 7 (record 0), ant 1, apple 2, bank(money) 3, dog 4, zeal 5, bank(river) 6.
    EXPECT_EQ(LoadList("session/tobeviewed.txt"), (Entries{{7, 0}, {1, 0}, {2, 0}}));
    EXPECT_EQ(LoadList("session/unsure.txt"), (Entries{{4, 1}}));
    EXPECT_EQ(LoadList("session/mistaken.txt"), (Entries{{6, 4}}));
    EXPECT_EQ(LoadList("session/learning.txt"), (Entries{{3, 3}}));
    EXPECT_EQ(LoadList("session/new.txt"), Entries{});
    const std::string currWord = ReadFile("session/currWord.cfg");
    EXPECT_EQ(currWord, CurrWord(3, 2, 5, 42));
    EXPECT_EQ(ReadFile("session/WordsLearned.txt"), "7");
    EXPECT_EQ(ReadFile("session/Time.txt"), "123.5");
    EXPECT_EQ(ReadFile("session/History.txt"), kHistory);
    EXPECT_EQ(ReadFile("session/unsure.txt.bak"), ListFile({{4, 2}, {5, 1}}));
    EXPECT_EQ(CurrWordIndex(ReadFile("session/currWord.cfg.bak")), 6u);
}

TEST_F(Rebase, ShrunkListDropsGoneWordsAndTheWordOnScreen) {
    WriteList("new.lst", {{"dog", "another pet"}, {"apple", "a fruit"}});
    const ToolResult result = RunTool({"rebase", "old.lst", "new.lst", "session"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_NE(result.out.find("dropped the word on screen: \"zeal\" (index 6)"), std::string::npos);
    EXPECT_EQ(LoadList("session/tobeviewed.txt"), (Entries{{1, 0}}));
    EXPECT_EQ(LoadList("session/unsure.txt"), (Entries{{2, 1}}));
    EXPECT_EQ(LoadList("session/mistaken.txt"), Entries{});
    EXPECT_EQ(CurrWordIndex(ReadFile("session/currWord.cfg")), 65535u);
}

TEST_F(Rebase, AmbiguousMatchChangesNothingWithoutForce) {
    WriteList("new.lst", {{"bank", "a slope"},
                          {"bank", "an institution"},
                          {"apple", "a fruit"},
                          {"cat", "a pet"},
                          {"dog", "another pet"},
                          {"zeal", "eagerness"}});
    const std::string before = ReadFile("session/mistaken.txt");
    ToolResult result = RunTool({"rebase", "old.lst", "new.lst", "session"});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("ambiguous match: \"bank\": 2 old records and 2 new records"),
              std::string::npos)
        << result.err;
    EXPECT_EQ(ReadFile("session/mistaken.txt"), before);
    EXPECT_FALSE(FileExists("session/mistaken.txt.bak"));

    result = RunTool({"rebase", "--force", "old.lst", "new.lst", "session"});
    ASSERT_EQ(result.code, 0) << result.err;
    // In file order: the river bank takes the slope (record 0, index 6), the money bank the other.
    EXPECT_EQ(LoadList("session/mistaken.txt"), (Entries{{6, 4}}));
    EXPECT_EQ(LoadList("session/learning.txt"), (Entries{{1, 3}}));
}

TEST_F(Rebase, RefusesASessionThatDoesNotFitTheOldList) {
    WriteFile("session/known.txt", ListFile({{9, 0}}));
    WriteList("new.lst", kOld);
    const ToolResult result = RunTool({"rebase", "old.lst", "new.lst", "session"});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("the lists name word 9, beyond the 6 records"), std::string::npos)
        << result.err;
    EXPECT_EQ(RunTool({"rebase", "old.lst", "new.lst", "nosession"}).code, 1);
}

TEST_F(Rebase, RefusesDamagedOrUnreadableFiles_AndAFolderInUse) {
    WriteList("new.lst", kOld);
    auto refused = [](const char* why) {
        const ToolResult result = RunTool({"rebase", "old.lst", "new.lst", "session"});
        EXPECT_EQ(result.code, 1);
        EXPECT_NE(result.err.find(why), std::string::npos) << result.err;
        EXPECT_FALSE(FileExists("session/tobeviewed.txt.bak"));
    };
    WriteFile("session/known.txt", "3\n1\t0\n");
    refused("session/known.txt: is damaged; nothing changed");
    WriteFile("session/known.txt", ListFile({}));
    std::filesystem::create_directory("session/new.txt.d");
    std::filesystem::remove("session/new.txt");
    std::filesystem::rename("session/new.txt.d", "session/new.txt");
    refused("session/new.txt: is a directory");
    std::filesystem::remove("session/new.txt");
    FolderLock held;
    int error = 0;
    ASSERT_EQ(FolderLock::Result::kLocked, held.Acquire("session", error));
    refused("Quibbix is already running on this folder");
}

TEST_F(Rebase, RefusesToReplaceTheListItReads) {
    WriteList("session/new.txt", kOld);
    const std::string list = ReadFile("session/new.txt");
    const ToolResult result = RunTool({"rebase", "old.lst", "session/new.txt", "session"});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("session/new.txt: is the same file as session/new.txt; nothing "
                              "changed"),
              std::string::npos)
        << result.err;
    EXPECT_EQ(ReadFile("session/new.txt"), list);
}

TEST_F(Rebase, SecondRebaseKeepsTheFirstBackup) {
    WriteList("new.lst", kOld);
    ASSERT_EQ(RunTool({"rebase", "old.lst", "new.lst", "session"}).code, 0);
    ASSERT_EQ(RunTool({"rebase", "old.lst", "new.lst", "session"}).code, 0);
    EXPECT_TRUE(FileExists("session/known.txt.bak"));
    EXPECT_TRUE(FileExists("session/known.txt.bak2"));
    EXPECT_EQ(LoadList("session/unsure.txt"), (Entries{{4, 2}, {5, 1}}));
}

}  // namespace

namespace {

// A word keeps its progress when the new list stores it in UTF-8 and the old in Windows-1252.
TEST(RebaseScripts, MatchesTextsWhicheverWayTheyAreStored) {
    TempDir dir;
    WriteFile("old.lst", RecordImage("caf\xE9", "coffee") + RecordImage("dog", "pet"));
    WriteFile("new.lst", RecordImage("dog", "pet") + RecordImage("caf\xC3\xA9", "coffee"));
    WriteFile("session/tobeviewed.txt", ListFile({{1, 0}}));
    WriteFile("session/unsure.txt", ListFile({{2, 5}}));
    const ToolResult result = RunTool({"rebase", "old.lst", "new.lst", "session"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(LoadList("session/unsure.txt"), (Entries{{1, 5}})) << result.out;
    EXPECT_EQ(LoadList("session/tobeviewed.txt"), (Entries{{2, 0}}));
}

}  // namespace
