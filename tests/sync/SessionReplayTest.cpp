// SPDX-License-Identifier: GPL-2.0-or-later
// The replay of every computer's judgements onto the session a list joined with: the same
// events give the same files whatever order the journals arrived in, and each judgement moves
// its word as the engine's own rules do.

#include "engine/SessionFiles.h"
#include "sync/JournalMerge.h"
#include "sync/SessionReplay.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace {

constexpr auto kForwards = JournalEvent::Direction::kForwards;

std::string ListFile(const std::vector<std::pair<uint32_t, int32_t>>& entries) {
    std::string text = std::to_string(entries.size()) + "\n";
    for (const auto& [word, counter] : entries)
        text += std::to_string(word) + "\t" + std::to_string(counter) + "\n";
    return text;
}

// Six lists, in the order of SessionFiles::kLists, and the words learned.
std::vector<FileImage> Session(const std::vector<std::vector<std::pair<uint32_t, int32_t>>>& lists,
                               int learned) {
    std::vector<FileImage> images;
    for (size_t i = 0; i < SessionFiles::kListCount; ++i)
        images.push_back({SessionFiles::kLists[i].path, ListFile(lists[i])});
    images.push_back({SessionFiles::kWordsLearned, std::to_string(learned)});
    return images;
}

std::vector<std::pair<uint32_t, int32_t>> Words(uint32_t first, uint32_t last) {
    std::vector<std::pair<uint32_t, int32_t>> words;
    for (uint32_t w = first; w <= last; ++w) words.push_back({w, 0});
    return words;
}

JournalEvent Judgement(const std::string& device, uint64_t sequence, int64_t ms,
                       const std::string& word, int code,
                       JournalEvent::Direction direction = kForwards) {
    JournalEvent event;
    event.time.physicalMs = ms;
    event.device = device;
    event.sequence = sequence;
    event.word = word;
    event.code = code;
    event.direction = direction;
    return event;
}

JournalEvent Undo(const std::string& device, uint64_t sequence, int64_t ms, uint64_t undone) {
    JournalEvent event = Judgement(device, sequence, ms, "", 0);
    event.kind = JournalEvent::Kind::kUndo;
    event.word.clear();
    event.undone = undone;
    return event;
}

// A 40-word list: 30 fresh words, one in each troubled list and in learning, six known. Its
// review size is 2, so no recycling happens unless a test drains the to-be-viewed list.
std::vector<FileImage> Base() {
    return Session({Words(1, 30), {{34, 2}}, {{33, 4}}, {{31, 3}}, {{32, 0}}, Words(35, 40)}, 7);
}

std::vector<FileImage> Replayed(const std::vector<FileImage>& base,
                                const std::vector<JournalEvent>& events,
                                SessionReplay::Counts* counts = nullptr) {
    SessionReplay replay(base, 40, kForwards);
    EXPECT_TRUE(replay.Replay(events));
    if (counts) *counts = replay.GetCounts();
    return replay.Images();
}

// Every file, named, for comparing whole sessions.
std::string Text(const std::vector<FileImage>& images) {
    std::string text;
    for (const FileImage& image : images) text += image.path + ":\n" + image.bytes + "\n";
    return text;
}

std::string FileOf(const std::vector<FileImage>& images, const std::string& path) {
    for (const FileImage& image : images)
        if (image.path == path) return image.bytes;
    return "(none)";
}

TEST(SessionReplayTest, Judgements_MoveWordsAsTheEngineDoes) {
    // Record 1 is the engine's last index (40); record 32 is word 31 of the new list.
    const std::vector<JournalEvent> events = {
        Judgement("aaaaaaaaaaaa", 1, 1000, "33", 0),   // learning 32 -> known, learned 8
        Judgement("aaaaaaaaaaaa", 2, 2000, "32", 0),   // new 31, counter 4 -> learning
        Judgement("aaaaaaaaaaaa", 3, 3000, "35", 0),   // unsure 34, counter 3 -> learning
        Judgement("aaaaaaaaaaaa", 4, 4000, "34", 2),   // mistaken 33 -> mistaken, counter 0
        Judgement("aaaaaaaaaaaa", 5, 5000, "2", 2),    // fresh 1 -> new
        Judgement("aaaaaaaaaaaa", 6, 6000, "3", 1),    // fresh 2 -> mistaken
        Judgement("aaaaaaaaaaaa", 7, 7000, "4", 3),    // fresh 3 -> unsure
        Judgement("aaaaaaaaaaaa", 8, 8000, "32", 0),   // learning 31 -> known, learned 9
        Judgement("aaaaaaaaaaaa", 9, 9000, "1", 0),    // known 40 (recycled) -> known, at the back
        Judgement("aaaaaaaaaaaa", 10, 9500, "41", 0),  // no such word
        Judgement("aaaaaaaaaaaa", 11, 9600, "5", 0, JournalEvent::Direction::kBackwards),
    };
    SessionReplay::Counts counts;
    const std::vector<FileImage> images = Replayed(Base(), events, &counts);
    std::vector<std::pair<uint32_t, int32_t>> fresh = Words(4, 30);
    EXPECT_EQ(ListFile(fresh), FileOf(images, SessionFiles::kToBeViewed.path));
    EXPECT_EQ(ListFile({{3, 0}}), FileOf(images, SessionFiles::kUnsure.path));
    EXPECT_EQ(ListFile({{33, 0}, {2, 0}}), FileOf(images, SessionFiles::kMistaken.path));
    EXPECT_EQ(ListFile({{1, 0}}), FileOf(images, SessionFiles::kNew.path));
    EXPECT_EQ(ListFile({{34, 3}}), FileOf(images, SessionFiles::kLearning.path));
    EXPECT_EQ(ListFile({{35, 0}, {36, 0}, {37, 0}, {38, 0}, {39, 0}, {32, 0}, {31, 0}, {40, 0}}),
              FileOf(images, SessionFiles::kKnown.path));
    EXPECT_EQ("9", FileOf(images, SessionFiles::kWordsLearned));
    EXPECT_EQ(9u, counts.judged);
    EXPECT_EQ(1u, counts.unknownWords);
    EXPECT_EQ(1u, counts.otherDirection);
}

TEST(SessionReplayTest, SameWordOnTwoComputers_BothCountInOrder) {
    // Both drew fresh word 5; the first in the order sends it to the known list, and the
    // second takes it from there as a recycled word.
    const std::vector<JournalEvent> events = {Judgement("aaaaaaaaaaaa", 1, 1000, "6", 0),
                                              Judgement("bbbbbbbbbbbb", 1, 1001, "6", 3)};
    SessionReplay::Counts counts;
    const std::vector<FileImage> images = Replayed(Base(), events, &counts);
    EXPECT_EQ(2u, counts.judged);
    EXPECT_EQ(ListFile({{34, 2}, {5, 0}}), FileOf(images, SessionFiles::kUnsure.path));
    EXPECT_EQ(ListFile(Words(35, 40)), FileOf(images, SessionFiles::kKnown.path));
}

TEST(SessionReplayTest, Undo_LeavesItsJudgementOut) {
    const std::vector<JournalEvent> kept = {Judgement("aaaaaaaaaaaa", 1, 1000, "6", 1),
                                            Judgement("bbbbbbbbbbbb", 1, 1500, "7", 2)};
    std::vector<JournalEvent> withUndo = kept;
    withUndo.insert(withUndo.begin() + 1, Judgement("aaaaaaaaaaaa", 2, 1200, "8", 0));
    withUndo.push_back(Undo("aaaaaaaaaaaa", 3, 2000, 2));
    SessionReplay::Counts counts;
    EXPECT_EQ(Text(Replayed(Base(), kept)), Text(Replayed(Base(), withUndo, &counts)));
    EXPECT_EQ(2u, counts.judged);
    EXPECT_EQ(1u, counts.undone);

    // Resumed after the judgement it takes back, the replay cannot continue from there.
    SessionReplay replay(Base(), 40, kForwards);
    EXPECT_TRUE(replay.Replay({withUndo.begin(), withUndo.begin() + 2}));
    SessionReplay resumed(replay.Images(), 40, kForwards);
    EXPECT_FALSE(resumed.Replay(withUndo, 2));
}

TEST(SessionReplayTest, WordOnScreenAtJoining_IsPutBackFirst) {
    std::vector<FileImage> base = Base();
    base[0].bytes = ListFile(Words(2, 30));  // word 1 was on screen
    const std::vector<FileImage> images = Replayed(base, {});
    EXPECT_EQ(ListFile(Words(1, 30)), FileOf(images, SessionFiles::kToBeViewed.path));
}

// Three computers judge words of one list apart, with every kind of move, recycling and
// undos; their journals reach the merge in every order and in pieces.
TEST(SessionReplayTest, JournalsInAnyOrder_GiveIdenticalFiles) {
    const std::string devices[] = {"aaaaaaaaaaaa", "bbbbbbbbbbbb", "cccccccccccc"};
    std::vector<std::vector<JournalEvent>> journals(3);
    std::mt19937 random(29);
    size_t judgements = 0;
    for (int i = 0; i < 300; ++i) {
        const size_t d = random() % 3;
        auto& journal = journals[d];
        const int64_t ms = 1000 * i + static_cast<int64_t>(d) * 3;
        if (!journal.empty() && random() % 10 == 0) {
            journal.push_back(Undo(devices[d], journal.size() + 1, ms, journal.back().sequence));
            continue;
        }
        ++judgements;
        journal.push_back(Judgement(devices[d], journal.size() + 1, ms,
                                    std::to_string(1 + random() % 40), int(random() % 4)));
    }
    // A short to-be-viewed list, so that recycling draws orders.
    const std::vector<FileImage> base = Session({Words(1, 3), {}, {}, {}, {}, Words(4, 40)}, 0);

    std::vector<size_t> order = {0, 1, 2};
    std::string first;
    do {
        JournalMerge merge;
        for (size_t d : order) {
            const auto& journal = journals[d];
            merge.Add({journal.begin(), journal.begin() + journal.size() / 2});
        }
        for (size_t d : order) merge.Add(journals[d]);
        SessionReplay replay(base, 40, kForwards);
        ASSERT_TRUE(replay.Replay(merge.Events()));
        if (first.empty()) {
            first = Text(replay.Images());
            // Every judgement once: applied, or left out for its undo.
            EXPECT_EQ(judgements, replay.GetCounts().judged + replay.GetCounts().undone);
            EXPECT_GT(replay.GetCounts().undone, 10u);
        }
        EXPECT_EQ(first, Text(replay.Images()));

        // The files after some events are a checkpoint to continue from, unless an undo
        // after it takes back a judgement before it.
        bool resumedOnce = false;
        for (size_t at = 30; at < 60 && !resumedOnce; ++at) {
            SessionReplay upTo(base, 40, kForwards);
            ASSERT_TRUE(upTo.Replay({merge.Events().begin(), merge.Events().begin() + at}));
            SessionReplay resumed(upTo.Images(), 40, kForwards);
            resumedOnce = resumed.Replay(merge.Events(), at);
            if (resumedOnce) {
                EXPECT_EQ(first, Text(resumed.Images()));
            }
        }
        EXPECT_TRUE(resumedOnce);
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST(SessionReplayTest, WordCountOutOfRange_ReplaysWithTheEnginesOwnCount) {
    // The engine keeps its default count for none; the replay must not index past its own.
    SessionReplay replay(Base(), 0, kForwards);
    EXPECT_TRUE(replay.Replay({Judgement("aaaaaaaaaaaa", 1, 1000, "41", 0)}));
    EXPECT_EQ(1u, replay.GetCounts().judged);
    EXPECT_FALSE(replay.Replay({}, 1));
}

TEST(SessionReplayTest, WordIndexOf_MapsBaseRecordsOnly) {
    EXPECT_EQ(40u, SessionReplay::WordIndexOf("1", 40));
    EXPECT_EQ(1u, SessionReplay::WordIndexOf("2", 40));
    EXPECT_EQ(39u, SessionReplay::WordIndexOf("40", 40));
    for (const char* id : {"0", "41", "", "3x", "aaaaaaaaaaaa.5", "-1"})
        EXPECT_EQ(NO_WORD, SessionReplay::WordIndexOf(id, 40)) << id;
}

}  // namespace
