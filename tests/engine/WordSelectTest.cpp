// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/WordSelect.h"
#include "tests/engine/FakeEnv.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<uint32_t> Range(uint32_t from, uint32_t to) {
    std::vector<uint32_t> result;
    for (uint32_t i = from; i <= to; ++i) result.push_back(i);
    return result;
}

class WordSelectTest : public ::testing::Test {
protected:
    void Start(int words) {
        WriteFile("list/kelvo.lst", MakeWordList(words));
        Restart();
    }
    void Restart() {
        select = std::make_unique<CWordSelect>(env);
        select->Init(listId, entry);
    }
    bool Next() {
        entry.m_wordIndex = NO_WORD;
        return select->GetNextWord(listId, entry);
    }

    TempDir dir;
    FakeEnv env;
    std::unique_ptr<CWordSelect> select;
    int32_t listId = -1;
    CListRec entry;
};

TEST_F(WordSelectTest, FirstRun_DrawsTheFirstWordOfTheOrder) {
    Start(30);
    EXPECT_EQ(0, listId);
    EXPECT_EQ(NO_WORD, entry.m_wordIndex);
    const uint32_t first = select->GetWordState().GetToBeViewed().Entries().front().m_wordIndex;
    ASSERT_TRUE(Next());
    EXPECT_EQ(first, entry.m_wordIndex);
    EXPECT_EQ(std::vector<int32_t>(14, 0),
              std::vector<int32_t>(select->GetSchedule().begin(), select->GetSchedule().end()));
    EXPECT_EQ("word" + std::to_string(first), select->GetWord());
    EXPECT_EQ(CurrWordBytes(0, 0, first, 1), ReadFile("session/currWord.cfg"));
    select->RecordJudgement(JUDGE_NOTSURE);
    EXPECT_EQ(CurrWordBytes(0, 0, NO_WORD, 1), ReadFile("session/currWord.cfg"));
}

TEST_F(WordSelectTest, Restart_ResumesTheWordOnScreen) {
    WriteFile("list/kelvo.lst", MakeWordList(50));
    WriteSessionLists({{}, {}, {1}, {}, Range(2, 41), Range(43, 50)});
    WriteFile("session/currWord.cfg", CurrWordBytes(LIST_NEW, 2, 42, 17));
    Restart();
    EXPECT_EQ(LIST_NEW, listId);
    EXPECT_EQ(42u, entry.m_wordIndex);
    EXPECT_EQ(2, entry.m_counter);
    EXPECT_STREQ("word42", select->GetWord());
    ASSERT_TRUE(Next());
    EXPECT_EQ(42u, entry.m_wordIndex);
    EXPECT_EQ(17, select->GetViewedCount());
    // Judged known for the third time in the new list: back to its tail with counter 3.
    select->RecordJudgement(JUDGE_KNEW);
    EXPECT_EQ(3, select->GetWordState().GetNew().Entries().back().m_counter);
}

TEST_F(WordSelectTest, ProgramEndedWithoutSave_NextSaveRemovesTheCopy) {
    WriteFile("list/kelvo.lst", MakeWordList(20));
    WriteSessionLists({{}, {}, {}, {}, Range(1, 20), {}});
    WriteFile("session/currWord.cfg", CurrWordBytes(0, 0, 5, 3));
    Restart();
    select->Save();
    const auto& tbv = select->GetWordState().GetToBeViewed().Entries();
    EXPECT_EQ(19u, tbv.size());
    for (const CListRec& e : tbv) EXPECT_NE(5u, e.m_wordIndex);
}

// 100 fresh words and 4 mistaken, 1 unsure, 2 new, 1 learning: a trouble count of 7 lets two
// fresh words open each round, and no list gets more slots than it has words.
TEST_F(WordSelectTest, Schedule_SlotsNoMoreThanEachListHolds_FreshWordsWhileTroubleIsLow) {
    WriteFile("list/kelvo.lst", MakeWordList(200));
    WriteSessionLists({{5}, {1, 2, 3, 4}, {6, 7}, {8}, Range(9, 108), {}});
    Restart();
    select->BuildSchedule();
    const std::vector<int32_t> expected = {0, 0, 2, 1, 3, 4, 2, 3, 0, 2, 0,
                                           0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(expected,
              std::vector<int32_t>(select->GetSchedule().begin(), select->GetSchedule().end()));
    EXPECT_EQ(30, select->GetTroubleLimit());
}

TEST_F(WordSelectTest, TroubleLimit_SwitchesWithHysteresis) {
    auto buildWith = [&](uint32_t trouble) {
        WriteSessionLists({{}, Range(1, trouble), {}, {}, Range(trouble + 1, trouble + 50), {}});
        Restart();
    };
    auto freshSlots = [&] {
        select->BuildSchedule();
        return select->GetSchedule().front() == LIST_TOBEVIEWED;
    };
    WriteFile("list/kelvo.lst", MakeWordList(200));
    buildWith(40);
    EXPECT_FALSE(freshSlots());
    EXPECT_EQ(15, select->GetTroubleLimit());
    buildWith(10);
    EXPECT_TRUE(freshSlots());
    EXPECT_EQ(30, select->GetTroubleLimit());
    buildWith(18);  // a new run: the limit starts at 10
    EXPECT_FALSE(freshSlots());
    EXPECT_EQ(10, select->GetTroubleLimit());
}

TEST_F(WordSelectTest, ScheduledListEmptiedBySave_FallsBackToToBeViewed) {
    WriteFile("list/kelvo.lst", MakeWordList(40));
    // Word 1 stands in both the unsure and the mistaken list; the save keeps only the latter.
    WriteSessionLists({{1}, {1}, {}, {}, Range(2, 40), {}});
    Restart();
    select->BuildSchedule();  // 0 0 2 1 ...
    select->Save();
    for (int32_t expected : {LIST_TOBEVIEWED, LIST_TOBEVIEWED, LIST_MISTAKEN}) {
        ASSERT_TRUE(Next());
        EXPECT_EQ(expected, listId);
        select->RecordJudgement(JUDGE_MISTAKEN);
    }
    ASSERT_TRUE(Next());
    EXPECT_EQ(LIST_TOBEVIEWED, listId);
    EXPECT_NE(1u, entry.m_wordIndex);
}

TEST_F(WordSelectTest, EmptyLists_MaintenanceRestoresTheWords) {
    WriteFile("list/kelvo.lst", MakeWordList(3));
    WriteFile("session/tobeviewed.txt", "0\n");
    Restart();
    for (uint32_t expected : {3u, 2u, 1u}) {  // lost words return in descending order
        ASSERT_TRUE(Next());
        EXPECT_EQ(expected, entry.m_wordIndex);
        select->RecordJudgement(JUDGE_KNEW);
    }
    // All three are known now; recycling brings them back.
    EXPECT_TRUE(Next());
}

TEST_F(WordSelectTest, Snapshot_TakesBackADrawThatMaintainedTheLists) {
    WriteFile("list/kelvo.lst", MakeWordList(3));
    WriteFile("session/tobeviewed.txt", "0\n");
    Restart();
    select->TakeSnapshot();
    ASSERT_TRUE(Next());  // every list empty: the maintenance brings the three back first
    ASSERT_EQ(2, select->GetWordState().GetToBeViewed().GetCount());
    ASSERT_TRUE(select->RestoreSnapshot());
    EXPECT_EQ(0, select->GetWordState().GetToBeViewed().GetCount());
    EXPECT_EQ(NO_WORD, select->GetCurrent().m_wordIndex);
    EXPECT_EQ(0, select->GetViewedCount());
    EXPECT_TRUE(select->GetSchedule().empty());
    EXPECT_EQ(CurrWordBytes(0, 0, NO_WORD, 0), ReadFile("session/currWord.cfg"));
    EXPECT_FALSE(select->RestoreSnapshot()) << "one level only";
}

TEST_F(WordSelectTest, ViewedCountAtItsLimit_DoesNotOverflow) {
    WriteFile("list/kelvo.lst", MakeWordList(20));
    WriteSessionLists({{}, {}, {}, {}, Range(1, 20), {}});
    WriteFile("session/currWord.cfg", CurrWordBytes(0, 0, NO_WORD, INT32_MAX));
    Restart();
    ASSERT_TRUE(Next());
    EXPECT_EQ(INT32_MAX, select->GetViewedCount());
}

TEST_F(WordSelectTest, ShortCurrWordFile_IsReplacedWhole) {
    Start(20);
    WriteFile("session/currWord.cfg", "garbage");
    Restart();
    ASSERT_TRUE(Next());
    EXPECT_EQ(CurrWordBytes(0, 0, entry.m_wordIndex, 1), ReadFile("session/currWord.cfg"));
    select->RecordJudgement(JUDGE_KNEW);
    EXPECT_EQ(CurrWordBytes(0, 0, NO_WORD, 1), ReadFile("session/currWord.cfg"));
}

TEST_F(WordSelectTest, RecordJudgement_WithoutCurrentWord_PlacesNothing) {
    Start(20);
    EXPECT_TRUE(select->RecordJudgement(JUDGE_KNEW));
    EXPECT_EQ(0, select->GetWordState().GetKnown().GetCount());
    EXPECT_FALSE(FileExists("session/currWord.cfg"));
}

TEST_F(WordSelectTest, MissingWordList_TouchesNoSessionFile) {
    WriteFile("session/known.txt", "1\n4\t0\n");
    Restart();
    EXPECT_FALSE(Next());
    select->RecordJudgement(JUDGE_KNEW);
    select->Save();
    EXPECT_EQ("1\n4\t0\n", ReadFile("session/known.txt"));
    EXPECT_FALSE(FileExists("session/tobeviewed.txt"));
    EXPECT_FALSE(FileExists("session/currWord.cfg"));
    EXPECT_FALSE(FileExists("session/WordsLearned.txt"));
    ASSERT_GE(env.messages.size(), 3u);
    EXPECT_EQ("Error: Opening kelvo", env.messages[0].text);
    EXPECT_EQ("Error: No Valid Record File", env.messages[1].text);
}

TEST_F(WordSelectTest, EmptyWordList_TouchesNoSessionFile) {
    WriteFile("list/kelvo.lst", "");
    Restart();
    EXPECT_FALSE(Next());
    select->Save();
    EXPECT_TRUE(std::filesystem::is_empty("session"));
}

TEST_F(WordSelectTest, CurrWordFile_DamagedOrShort) {
    struct Case {
        std::string bytes;
        int32_t list;
        uint32_t index;
        int32_t viewed;
    } cases[] = {
        {CurrWordBytes(7, 0, 3, 9), 0, NO_WORD, 9},   // list id out of range
        {CurrWordBytes(2, 0, 21, 9), 0, NO_WORD, 9},  // beyond the word list
        {CurrWordBytes(2, 1, 0, 9), 2, 0, 9},         // index 0 stays, as the format allows
        {CurrWordBytes(3, 1, 4, 9).substr(0, 16), 3, 4, 0},
        {CurrWordBytes(3, 1, 4, 9).substr(0, 13), 0, NO_WORD, 0},  // index bytes cut short
    };
    WriteFile("list/kelvo.lst", MakeWordList(20));
    WriteSessionLists({{}, {}, {}, {}, Range(1, 20), {}});
    for (const Case& c : cases) {
        WriteFile("session/currWord.cfg", c.bytes);
        Restart();
        EXPECT_EQ(c.list, listId);
        EXPECT_EQ(c.index, entry.m_wordIndex);
        EXPECT_EQ(c.viewed, select->GetViewedCount());
    }
}

TEST_F(WordSelectTest, FullDisk_SaveKeepsThePreviousFiles) {
    FaultyFileSystem files;
    env.files = &files;
    Start(30);
    Next();
    select->RecordJudgement(JUDGE_MISTAKEN);
    select->Save();
    std::vector<std::string> before;
    for (const SessionList& file : SessionFiles::kLists) before.push_back(ReadFile(file.path));

    files.spaceLeft = 40;
    for (int32_t code : {JUDGE_DONTKNOW, JUDGE_NOTSURE, JUDGE_KNEW}) {
        Next();
        select->RecordJudgement(code);
    }
    select->Save();
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(before[i], ReadFile(SessionFiles::kLists[i].path))
            << SessionFiles::kLists[i].path;
    for (const auto& file : std::filesystem::directory_iterator("session"))
        EXPECT_NE(file.path().extension(), ".tmp") << file.path();
}

}  // namespace
