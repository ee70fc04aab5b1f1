// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/SessionFiles.h"
#include "engine/WordState.h"
#include "tests/engine/FakeEnv.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <vector>

namespace {

// The first-run order exactly as first drawn: each candidate is checked against the filled
// part of the array by a scan.
std::vector<int32_t> LiteralPermutation(uint32_t seed, int32_t k) {
    ClassicRandom random;
    random.Seed(seed);
    std::vector<int32_t> result(static_cast<size_t>(k), 0);
    int32_t filled = 0;
    while (filled < k) {
        const int r = random.Next();
        const auto v = static_cast<int32_t>(static_cast<double>(r) * k / 32767 + 0.5);
        if (v == 0) continue;
        bool seen = false;
        for (int32_t i = 0; i < filled; ++i) seen = seen || result[i] == v;
        if (seen) continue;
        result[filled++] = v;
    }
    return result;
}

std::vector<uint32_t> Indices(const CWordList& list) {
    std::vector<uint32_t> result;
    for (const CListRec& e : list.Entries()) result.push_back(e.m_wordIndex);
    return result;
}

class WordStateTest : public ::testing::Test {
protected:
    TempDir dir;
    FakeEnv env;
    CWordState state{env};
};

TEST_F(WordStateTest, FirstRun_BuildsTheDrawnOrderAndWritesIt) {
    WriteFile(SessionFiles::kUnsure.path, ListFile({1, 2}));  // ignored without a to-be-viewed file
    env.tick = 987654;
    state.Load(5, 0);
    const std::vector<int32_t> expected = LiteralPermutation(987654, 5);
    EXPECT_EQ(std::vector<uint32_t>(expected.begin(), expected.end()),
              Indices(state.GetToBeViewed()));
    EXPECT_EQ(0, state.GetUnsure().GetCount());
    EXPECT_EQ(ListFile(Indices(state.GetToBeViewed())), ReadFile("session/tobeviewed.txt"));
    state.SaveAll();
    EXPECT_EQ("0\n", ReadFile(SessionFiles::kUnsure.path));
    EXPECT_EQ("0", ReadFile(SessionFiles::kWordsLearned));
}

TEST_F(WordStateTest, Load_SetsFiguresWithTheirDefaults) {
    struct Case {
        int32_t n;
        int32_t review;
    } cases[] = {{10, 20}, {20, 1}, {39, 1}, {40, 2}, {1000, 50}};
    for (const Case& c : cases) {
        TempDir caseDir;
        FakeEnv caseEnv;
        CWordState caseState(caseEnv);
        caseState.Load(c.n, static_cast<int32_t>(c.n * 0.05));
        EXPECT_EQ(c.n, caseState.GetTotalWords());
        EXPECT_EQ(c.review, caseState.GetReviewSize()) << c.n;
    }
}

TEST_F(WordStateTest, ResumedRun_ReadsAllListsAndDropsForeignIndices) {
    WriteSessionLists({{3}, {4, 99}, {5}, {6}, {}, {0, 7}});
    WriteFile(SessionFiles::kWordsLearned, "7");
    state.Load(10, 0);
    EXPECT_EQ(std::vector<uint32_t>{3}, Indices(state.GetUnsure()));
    EXPECT_EQ(std::vector<uint32_t>{4}, Indices(state.GetMistaken()));
    EXPECT_EQ(std::vector<uint32_t>{7}, Indices(state.GetKnown()));
    EXPECT_EQ(0, state.GetToBeViewed().GetCount());
    EXPECT_EQ(7, state.GetWordsLearned());
    state.SaveAll();
    const std::string first = ReadFile(SessionFiles::kMistaken.path);
    state.SaveAll();
    EXPECT_EQ(first, ReadFile(SessionFiles::kMistaken.path));
    EXPECT_EQ("7", ReadFile(SessionFiles::kWordsLearned));
}

TEST_F(WordStateTest, LoadedAgain_ReadsTheFilesAfreshInsteadOfAddingToThem) {
    WriteSessionLists({{3}, {4}, {5}, {6}, {}, {7}});
    state.Load(10, 0);
    WriteSessionLists({{1}, {2}, {}, {}, {}, {8}});
    state.Load(10, 0);
    EXPECT_EQ(std::vector<uint32_t>{1}, Indices(state.GetUnsure()));
    EXPECT_EQ(std::vector<uint32_t>{2}, Indices(state.GetMistaken()));
    EXPECT_EQ(0, state.GetNew().GetCount());
    EXPECT_EQ(std::vector<uint32_t>{8}, Indices(state.GetKnown()));
}

TEST_F(WordStateTest, TakeWordAt_TakesAWordFromTheListItWaitsIn) {
    WriteSessionLists({{3}, {4, 5}, {}, {}, {}, {7}});
    WriteFile(SessionFiles::kToBeViewed.path, ListFile({1, 2}));
    state.Load(10, 0);
    int32_t listId = -1;
    CListRec entry;
    ASSERT_TRUE(state.TakeWordAt(5, listId, entry));
    EXPECT_EQ(LIST_MISTAKEN, listId);
    EXPECT_EQ(5u, entry.m_wordIndex);
    EXPECT_EQ(std::vector<uint32_t>{4}, Indices(state.GetMistaken()));
    ASSERT_TRUE(state.TakeWordAt(2, listId, entry));
    EXPECT_EQ(LIST_TOBEVIEWED, listId);
    // A known word is drawn only once it is recycled; a word in no list is nowhere.
    EXPECT_FALSE(state.TakeWordAt(7, listId, entry));
    EXPECT_FALSE(state.TakeWordAt(9, listId, entry));
    ASSERT_TRUE(state.TakeKnownWordAt(7, entry));
    EXPECT_EQ(7u, entry.m_wordIndex);
    EXPECT_EQ(0, state.GetKnown().GetCount());
    EXPECT_FALSE(state.TakeKnownWordAt(3, entry));
}

TEST_F(WordStateTest, RandomPermutation_MatchesTheScanningDraw) {
    for (int32_t k : {0, 1, 2, 3, 7, 20, 100, 1000, 5000, 32766, 32767}) {
        const std::vector<uint32_t> seeds =
            k > 5000 ? std::vector<uint32_t>{1}
                     : std::vector<uint32_t>{0, 1, 4242, 0xFFFFFFFFu, 123456789};
        for (uint32_t seed : seeds) {
            env.tick = seed;
            auto fast = state.RandomPermutation(k);
            ASSERT_TRUE(fast);
            std::vector<int32_t> got(fast.get(), fast.get() + k);
            if (k <= 5000) {
                EXPECT_EQ(LiteralPermutation(seed, k), got) << "k=" << k << " seed=" << seed;
            } else {
                std::sort(got.begin(), got.end());
                std::vector<int32_t> all(static_cast<size_t>(k));
                std::iota(all.begin(), all.end(), 1);
                EXPECT_EQ(all, got);
            }
        }
    }
}

TEST_F(WordStateTest, HugeList_GetsAShuffledFirstOrder) {
    state.Load(40000, 2000);
    std::vector<uint32_t> order = Indices(state.GetToBeViewed());
    ASSERT_EQ(40000u, order.size());
    EXPECT_FALSE(std::is_sorted(order.begin(), order.end()));
    std::sort(order.begin(), order.end());
    EXPECT_EQ(1u, order.front());
    EXPECT_EQ(40000u, order.back());
    EXPECT_EQ(order.end(), std::adjacent_find(order.begin(), order.end()));
}

TEST_F(WordStateTest, Refill_RecyclesUpToTwentyKnownWordsWhenLow) {
    struct Case {
        int known;
        int toBeViewed;
        int moved;
    } cases[] = {{0, 0, 0}, {3, 0, 3}, {25, 0, 20}, {25, 20, 20}, {25, 21, 0}};
    for (const Case& c : cases) {
        TempDir caseDir;
        CWordState s(env);
        std::vector<uint32_t> known, tbv;
        for (int i = 0; i < c.known; ++i) known.push_back(static_cast<uint32_t>(100 + i));
        for (int i = 0; i < c.toBeViewed; ++i) tbv.push_back(static_cast<uint32_t>(1 + i));
        WriteSessionLists({{}, {}, {}, {}, tbv, known});
        s.Load(200, 0);  // review size 20
        s.RefillToBeViewed();
        EXPECT_EQ(c.toBeViewed + c.moved, s.GetToBeViewed().GetCount())
            << c.known << "/" << c.toBeViewed;
        EXPECT_EQ(c.known - c.moved, s.GetKnown().GetCount());
        // The recycled words are the longest-known ones.
        std::vector<uint32_t> tail = Indices(s.GetToBeViewed());
        tail.erase(tail.begin(), tail.begin() + c.toBeViewed);
        std::sort(tail.begin(), tail.end());
        std::vector<uint32_t> expected(known.begin(), known.begin() + c.moved);
        EXPECT_EQ(expected, tail);
    }
}

struct JudgeCase {
    int32_t from;
    int32_t counter;
    int32_t code;
    int32_t to;  // list id, or -1 for the known list
    int32_t counterAfter;
    int32_t learned;
};

class ApplyJudgementTest : public ::testing::TestWithParam<JudgeCase> {
protected:
    TempDir dir;
    FakeEnv env;
};

TEST_P(ApplyJudgementTest, MovesTheWordAsTheTableSays) {
    const JudgeCase& c = GetParam();
    CWordState state(env);
    WriteFile(SessionFiles::kToBeViewed.path, "0\n");
    state.Load(10, 0);
    CListRec entry(7);
    entry.m_counter = c.counter;
    EXPECT_TRUE(state.ApplyJudgement(c.from, entry, c.code));
    const CWordList* lists[] = {&state.GetToBeViewed(), &state.GetUnsure(), &state.GetMistaken(),
                                &state.GetNew(), &state.GetLearning()};
    const CWordList& target = c.to < 0 ? state.GetKnown() : *lists[c.to];
    ASSERT_EQ(1, target.GetCount());
    EXPECT_EQ(c.counterAfter, target.Entries().front().m_counter);
    EXPECT_EQ(c.learned, state.GetWordsLearned());
}

constexpr int32_t KNOWN = -1;
INSTANTIATE_TEST_SUITE_P(
    Table, ApplyJudgementTest,
    ::testing::Values(
        // from unsure
        JudgeCase{1, 2, JUDGE_KNEW, LIST_LEARNING, 3, 0},
        JudgeCase{1, 1, JUDGE_KNEW, LIST_UNSURE, 2, 0},
        JudgeCase{1, 2, JUDGE_MISTAKEN, LIST_MISTAKEN, 0, 0},
        JudgeCase{1, 2, JUDGE_DONTKNOW, LIST_MISTAKEN, 0, 0},
        JudgeCase{1, 2, JUDGE_NOTSURE, LIST_UNSURE, 0, 0}, JudgeCase{1, 2, 9, LIST_UNSURE, 0, 0},
        // from mistaken
        JudgeCase{2, 4, JUDGE_KNEW, LIST_LEARNING, 5, 0},
        JudgeCase{2, 3, JUDGE_KNEW, LIST_MISTAKEN, 4, 0},
        JudgeCase{2, 3, JUDGE_NOTSURE, LIST_MISTAKEN, 0, 0},
        JudgeCase{2, 3, -5, LIST_MISTAKEN, 0, 0},
        // from new
        JudgeCase{3, 3, JUDGE_KNEW, LIST_LEARNING, 4, 0},
        JudgeCase{3, 2, JUDGE_KNEW, LIST_NEW, 3, 0},
        JudgeCase{3, 2, JUDGE_MISTAKEN, LIST_MISTAKEN, 0, 0},
        JudgeCase{3, 2, JUDGE_DONTKNOW, LIST_NEW, 0, 0},
        JudgeCase{3, 2, JUDGE_NOTSURE, LIST_UNSURE, 0, 0}, JudgeCase{3, 2, 7, LIST_NEW, 0, 0},
        // from learning
        JudgeCase{4, 5, JUDGE_KNEW, KNOWN, 0, 1},
        JudgeCase{4, 5, JUDGE_MISTAKEN, LIST_MISTAKEN, 0, 0},
        JudgeCase{4, 5, JUDGE_DONTKNOW, LIST_NEW, 0, 0},
        JudgeCase{4, 5, JUDGE_NOTSURE, LIST_UNSURE, 0, 0},
        // from to-be-viewed, or an id no list has
        JudgeCase{0, 0, JUDGE_KNEW, KNOWN, 0, 0},
        JudgeCase{0, 0, JUDGE_MISTAKEN, LIST_MISTAKEN, 0, 0},
        JudgeCase{0, 0, JUDGE_DONTKNOW, LIST_NEW, 0, 0},
        JudgeCase{9, 0, JUDGE_NOTSURE, LIST_UNSURE, 0, 0}, JudgeCase{0, 0, 4, LIST_NEW, 0, 0},
        // a counter at the top of its range from a damaged file does not overflow
        JudgeCase{1, INT32_MAX, JUDGE_KNEW, LIST_LEARNING, INT32_MAX, 0}));

TEST_F(WordStateTest, Maintain_RemovesDuplicatesAndCurrentAndRestoresLost) {
    // Word 12 in new and known; word 5 current and in learning; 3, 7 and 9 nowhere.
    std::vector<uint32_t> tbv;
    for (uint32_t i : {1, 2, 4, 6, 8, 10, 11}) tbv.push_back(i);
    WriteSessionLists({{}, {}, {12}, {5, 13}, tbv, {12, 14}});
    state.Load(14, 0);
    state.MaintainList(5);
    EXPECT_EQ(std::vector<uint32_t>{12}, Indices(state.GetNew()));
    EXPECT_EQ(std::vector<uint32_t>{14}, Indices(state.GetKnown()));
    EXPECT_EQ(std::vector<uint32_t>{13}, Indices(state.GetLearning()));
    EXPECT_EQ((std::vector<uint32_t>{9, 7, 3, 1, 2, 4, 6, 8, 10, 11}),
              Indices(state.GetToBeViewed()));
    EXPECT_TRUE(env.messages.empty());
}

TEST_F(WordStateTest, WordsLearnedAtItsLimit_DoesNotOverflow) {
    WriteFile(SessionFiles::kToBeViewed.path, "0\n");
    WriteFile(SessionFiles::kWordsLearned, "2147483647");
    state.Load(10, 0);
    state.ApplyJudgement(LIST_LEARNING, CListRec(3), JUDGE_KNEW);
    EXPECT_EQ(INT32_MAX, state.GetWordsLearned());
}

TEST_F(WordStateTest, Maintain_WithCurrentIndexZero_ReportsOnceAndCompletes) {
    WriteSessionLists({{}, {}, {}, {}, {1, 2, 3}, {}});
    state.Load(3, 0);
    state.MaintainList(0);
    ASSERT_EQ(1u, env.messages.size());
    EXPECT_EQ("[0] != 0", env.messages[0].text);
    EXPECT_EQ("Maintain List", env.messages[0].caption);
    EXPECT_EQ(3, state.GetToBeViewed().GetCount());
}

}  // namespace
