// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/ListPreload.h"
#include "engine/WordList.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

std::vector<CListRec> EntriesOf(const CWordList& list) {
    return {list.Entries().begin(), list.Entries().end()};
}

CListRec Entry(uint32_t index, int32_t counter) {
    CListRec entry(index);
    entry.m_counter = counter;
    return entry;
}

class WordListTest : public ::testing::Test {
protected:
    TempDir dir;
    CWordList list;
};

TEST_F(WordListTest, Queue_AddsAtBothEndsAndRemovesFromHead) {
    CListRec out = Entry(99, 9);
    EXPECT_EQ(-1, list.RemoveHead(out));
    EXPECT_EQ(Entry(99, 9), out);
    EXPECT_EQ(1, list.Add(Entry(1, 0), true));
    EXPECT_EQ(2, list.Add(Entry(2, 0), true));
    EXPECT_EQ(3, list.Add(Entry(1, 5), false));
    EXPECT_EQ(2, list.RemoveHead(out));
    EXPECT_EQ(Entry(1, 5), out);
}

TEST_F(WordListTest, Journal_TakesBackEveryChangeInOrder_ButNotALoad) {
    for (uint32_t i = 1; i <= 3; ++i) list.Add(Entry(i, 0), true);
    const std::vector<CListRec> before = EntriesOf(list);
    EXPECT_FALSE(list.TakeBack());
    list.StartJournal();
    CListRec out;
    list.RemoveHead(out);
    list.Add(Entry(1, 4), true);
    list.Add(Entry(9, 1), false);
    list.RemoveHead(out);
    list.RemoveHead(out);
    EXPECT_TRUE(list.TakeBack());
    EXPECT_EQ(before, EntriesOf(list));
    EXPECT_FALSE(list.TakeBack()) << "a journal serves once";

    WriteFile("more.txt", "1\n7\t0\n");
    list.StartJournal();
    list.LoadFile("more.txt");
    EXPECT_FALSE(list.CanTakeBack());
    EXPECT_FALSE(list.TakeBack());
    EXPECT_EQ(4, list.GetCount());
}

// Taking a word out by its index must do what a scan did, whatever came before it: the
// queue's own changes, loads, duplicates from a damaged file, removals in order, a journal
// taken back, a copy.
TEST_F(WordListTest, TakeAll_MatchesAScanThroughEveryChange) {
    WriteFile("dups.txt", "3\n4\t1\n4\t2\n6\t0\n");
    std::vector<CListRec> model;
    std::mt19937 random(7);
    CListRec out;
    for (int step = 0; step < 8000; ++step) {
        // A few words meet every case often; many leave gaps enough to close up.
        const auto word = static_cast<uint32_t>(1 + random() % (step < 2000 ? 12 : 400));
        const auto counter = static_cast<int32_t>(random() % 3);
        switch (random() % 10) {
            case 0:
            case 1:
                if (std::none_of(model.begin(), model.end(),
                                 [&](const CListRec& e) { return e.m_wordIndex == word; })) {
                    list.Add(Entry(word, counter), true);
                    model.push_back(Entry(word, counter));
                }
                break;
            case 2:
                list.Add(Entry(word, counter), false);
                model.insert(model.begin(), Entry(word, counter));
                break;
            case 3:
                if (list.RemoveHead(out) >= 0) model.erase(model.begin());
                break;
            case 4:
                if (random() % 20 == 0) {
                    list.LoadFile("dups.txt");
                    for (const CListRec& e : {Entry(4, 1), Entry(4, 2), Entry(6, 0)})
                        model.push_back(e);
                } else if (random() % 10 == 0) {
                    CWordList copy = list;
                    list = copy;
                }
                break;
            case 5:
                list.StartJournal();
                list.Add(Entry(word, counter), true);
                list.RemoveHead(out);
                list.KeepInOrder([&](const CListRec& e) { return e.m_wordIndex % 3 != word % 3; });
                list.Add(Entry(word, counter), false);
                ASSERT_TRUE(list.TakeBack()) << step;
                break;
            case 6: {
                auto drop = [&](const CListRec& e) { return e.m_wordIndex == word; };
                list.RemoveIf(drop);
                model.erase(std::remove_if(model.begin(), model.end(), drop), model.end());
                break;
            }
            default: {
                const auto first = std::find_if(model.begin(), model.end(), [&](const CListRec& e) {
                    return e.m_wordIndex == word;
                });
                CListRec taken;
                ASSERT_EQ(first != model.end(), list.TakeAll(word, taken)) << step;
                if (first == model.end()) break;
                EXPECT_EQ(*first, taken) << step;
                model.erase(
                    std::remove_if(model.begin(), model.end(),
                                   [&](const CListRec& e) { return e.m_wordIndex == word; }),
                    model.end());
            }
        }
        ASSERT_EQ(model, EntriesOf(list)) << step;
    }
}

TEST_F(WordListTest, TakeAll_IsAChangeTheJournalCannotTakeBack) {
    list.Add(Entry(1, 0), true);
    list.StartJournal();
    CListRec out;
    EXPECT_FALSE(list.TakeAll(2, out));
    EXPECT_TRUE(list.CanTakeBack());
    EXPECT_TRUE(list.TakeAll(1, out));
    EXPECT_FALSE(list.CanTakeBack());
}

TEST_F(WordListTest, SaveFile_WritesCountThenEntryLines) {
    EXPECT_EQ(1, list.SaveFile("empty.txt"));
    EXPECT_EQ("0\n", ReadFile("empty.txt"));
    list.Add(Entry(17, 0), true);
    list.Add(Entry(5, 2), true);
    list.Add(Entry(120, -1), true);
    EXPECT_EQ(1, list.SaveFile("three.txt"));
    EXPECT_EQ("3\n17\t0\n5\t2\n120\t-1\n", ReadFile("three.txt"));
    EXPECT_EQ(3, list.GetCount());
    EXPECT_EQ(0, list.SaveFile(nullptr));
    EXPECT_EQ(0, list.SaveFile(""));
}

TEST_F(WordListTest, SaveThenLoad_KeepsEntriesAndOrder) {
    for (uint32_t i = 1; i <= 50; ++i) list.Add(Entry(i * 7, static_cast<int32_t>(i % 4)), true);
    ASSERT_EQ(1, list.SaveFile("round.txt"));
    CWordList loaded;
    EXPECT_EQ(50, loaded.LoadFile("round.txt"));
    EXPECT_EQ(EntriesOf(list), EntriesOf(loaded));
    EXPECT_EQ(1, loaded.SaveFile("again.txt"));
    EXPECT_EQ(ReadFile("round.txt"), ReadFile("again.txt"));
}

struct LoadCase {
    const char* name;
    const char* file;
    int result;
    std::vector<CListRec> entries;
};

class WordListLoadTest : public ::testing::TestWithParam<LoadCase> {
protected:
    TempDir dir;
};

TEST_P(WordListLoadTest, LoadFile_FollowsScanRules) {
    const LoadCase& c = GetParam();
    WriteFile("list.txt", c.file);
    CWordList list;
    EXPECT_EQ(c.result, list.LoadFile("list.txt"));
    EXPECT_EQ(c.entries, EntriesOf(list));
}

INSTANTIATE_TEST_SUITE_P(
    Files, WordListLoadTest,
    ::testing::Values(
        LoadCase{"Lf", "2\n4\t1\n9\t0\n", 2, {Entry(4, 1), Entry(9, 0)}},
        LoadCase{"CrLf", "2\r\n4\t1\r\n9\t0\r\n", 2, {Entry(4, 1), Entry(9, 0)}},
        LoadCase{"AnySpace", "  2 4 1\n\n 9\n0", 2, {Entry(4, 1), Entry(9, 0)}},
        LoadCase{"FewerPairs", "3\n1\t2\n3\t4\n", 3, {Entry(1, 2), Entry(3, 4), Entry(0, 0)}},
        LoadCase{"BadIndex", "3\n1\t2\nx\t1\n5\t5\n", 3, {Entry(1, 2), Entry(0, 0), Entry(0, 0)}},
        LoadCase{"BadCounter", "2\n7\ty\n5\t5\n", 2, {Entry(7, 0), Entry(0, 0)}},
        LoadCase{"Empty", "", 0, {}}, LoadCase{"Negative", "-4\n1\t1\n", -4, {}},
        LoadCase{"NegativeIndexWraps", "1\n-1\t0\n", 1, {Entry(4294967295u, 0)}},
        LoadCase{"HugeCountCapped",
                 "2000000000\n1\t1\n",
                 2000000000,
                 {Entry(1, 1), Entry(0, 0), Entry(0, 0), Entry(0, 0), Entry(0, 0), Entry(0, 0),
                  Entry(0, 0), Entry(0, 0), Entry(0, 0), Entry(0, 0), Entry(0, 0), Entry(0, 0),
                  Entry(0, 0), Entry(0, 0), Entry(0, 0)}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(WordListTest, LoadFile_AppendsAfterExistingEntries) {
    WriteFile("list.txt", "1\n30\t2\n");
    list.Add(Entry(1, 0), true);
    list.Add(Entry(2, 0), true);
    EXPECT_EQ(1, list.LoadFile("list.txt"));
    EXPECT_EQ((std::vector<CListRec>{Entry(1, 0), Entry(2, 0), Entry(30, 2)}), EntriesOf(list));
    EXPECT_EQ(0, list.LoadFile("missing.txt"));
    EXPECT_EQ(3, list.GetCount());
    EXPECT_EQ(-1, list.LoadFile(""));
    EXPECT_EQ(-1, list.LoadFile(nullptr));
}

// The session read ahead while the window system starts must load exactly as a read would,
// and never hand over a file that changed after it was read.
TEST_F(WordListTest, Preload_LoadsAsAReadWould_ButNotAFileChangedSince) {
    std::filesystem::create_directory("session");
    WriteFile("session/tobeviewed.txt", "3\n4\t1\n9\t0\n");
    WriteFile("session/unsure.txt", "1\n5\t2\n");
    WriteFile("session/new.txt", "1\n6\t0\n");
    ListPreload preload(DefaultFileSystem());
    CWordList toBeViewed;
    CWordList::LoadReport report;
    EXPECT_EQ(3, toBeViewed.LoadFile("session/tobeviewed.txt", report));
    EXPECT_EQ((std::vector<CListRec>{Entry(4, 1), Entry(9, 0), Entry(0, 0)}),
              EntriesOf(toBeViewed));
    EXPECT_TRUE(report.damaged);
    EXPECT_EQ("3\n4\t1\n9\t0\n", report.original);

    WriteFile("session/unsure.txt", "2\n7\t1\n8\t1\n");
    CWordList unsure;
    EXPECT_EQ(2, unsure.LoadFile("session/unsure.txt"));
    EXPECT_EQ((std::vector<CListRec>{Entry(7, 1), Entry(8, 1)}), EntriesOf(unsure));
    // Handed over once: a second read of the same bytes parses them again.
    for (int i = 0; i < 2; ++i) {
        CWordList fresh;
        EXPECT_EQ(1, fresh.LoadFile("session/new.txt"));
        EXPECT_EQ((std::vector<CListRec>{Entry(6, 0)}), EntriesOf(fresh));
    }
}

TEST_F(WordListTest, SaveFile_ThatCannotComplete_LeavesOldFile) {
    WriteFile("list.txt", "1\n5\t0\n");
    FaultyFileSystem files;
    files.failWritesContaining.push_back(".tmp");
    CWordList failing(files);
    failing.Add(Entry(8, 1), true);
    EXPECT_EQ(0, failing.SaveFile("list.txt"));
    EXPECT_EQ("1\n5\t0\n", ReadFile("list.txt"));
    EXPECT_EQ(0, list.SaveFile("no-such-dir/list.txt"));
}

TEST_F(WordListTest, SaveFile_OverAReadOnlyFile_LeavesIt) {
    WriteFile("list.txt", "1\n5\t0\n");
    FaultyFileSystem files;
    files.readOnly.insert("list.txt");
    CWordList guarded(files);
    guarded.Add(Entry(8, 1), true);
    EXPECT_EQ(0, guarded.SaveFile("list.txt"));
    EXPECT_EQ("1\n5\t0\n", ReadFile("list.txt"));
    EXPECT_FALSE(FileExists("list.txt.tmp"));
}

}  // namespace
