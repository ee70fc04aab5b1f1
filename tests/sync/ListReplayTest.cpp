// SPDX-License-Identifier: GPL-2.0-or-later
// A whole synced list replayed from its base: the same events give the same bytes whatever
// order the journals arrived in, and a replay continued from its checkpoint gives exactly
// what a replay from the base gives, or starts from the base when the checkpoint no longer
// holds.

#include "engine/HistoryFile.h"
#include "engine/SessionFiles.h"
#include "engine/WordList.h"
#include "sync/Journal.h"
#include "sync/JournalLine.h"
#include "sync/JournalMerge.h"
#include "sync/ListReplay.h"
#include "sync/MemoryFileSystem.h"
#include "sync/SessionReplay.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace {

using Direction = JournalEvent::Direction;
const std::string kDevices[] = {"aaaaaaaaaaaa", "bbbbbbbbbbbb", "cccccccccccc", "dddddddddddd"};
constexpr int kWords = 40;
constexpr const char* kCheckpoint = "sync/replay";

JournalEvent Event(JournalEvent::Kind kind, size_t device, uint64_t sequence, int64_t ms) {
    JournalEvent event;
    event.kind = kind;
    event.time.physicalMs = ms;
    event.device = kDevices[device];
    event.sequence = sequence;
    return event;
}

JournalEvent Judgement(size_t device, uint64_t sequence, int64_t ms, int record, int code,
                       Direction direction) {
    JournalEvent event = Event(JournalEvent::Kind::kJudgement, device, sequence, ms);
    event.word = std::to_string(record);
    event.code = code;
    event.direction = direction;
    return event;
}

JournalEvent Usage(size_t device, uint64_t sequence, int64_t ms, Direction direction,
                   const std::string& date, int64_t seconds) {
    JournalEvent event = Event(JournalEvent::Kind::kUsage, device, sequence, ms);
    event.direction = direction;
    event.date = date;
    event.seconds = seconds;
    return event;
}

// An edit of `word`, or with none the word it adds.
JournalEvent Edit(size_t device, uint64_t sequence, int64_t ms, const std::string& word,
                  const std::string& text) {
    JournalEvent event = Event(JournalEvent::Kind::kEdit, device, sequence, ms);
    event.word = word.empty() ? event.NewWordId() : word;
    event.text = text;
    event.definition = "d";
    return event;
}

JournalEvent Removal(size_t device, uint64_t sequence, int64_t ms, const std::string& word) {
    JournalEvent event = Event(JournalEvent::Kind::kRemove, device, sequence, ms);
    event.word = word;
    return event;
}

JournalEvent Undo(size_t device, uint64_t sequence, int64_t ms, uint64_t undone) {
    JournalEvent event = Event(JournalEvent::Kind::kUndo, device, sequence, ms);
    event.undone = undone;
    return event;
}

std::vector<FileImage> Session(int toBeViewed) {
    std::vector<FileImage> images;
    for (const SessionList& file : SessionFiles::kLists) {
        const bool fresh = file.listId == LIST_TOBEVIEWED;
        const int first = fresh ? 1 : toBeViewed + 1;
        const int last = fresh ? toBeViewed : kWords;
        std::string text = file.path == SessionFiles::kKnown.path || fresh
                               ? std::to_string(last - first + 1) + "\n"
                               : "0\n";
        if (text != "0\n")
            for (int w = first; w <= last; ++w) text += std::to_string(w) + "\t0\n";
        images.push_back({file.path, text});
    }
    images.push_back({SessionFiles::kWordsLearned, "0"});
    HistoryDay joined{"2026-11-30", 600, 40, {}};
    images.push_back({SessionFiles::kHistory, HistoryFile::Serialize({joined})});
    return images;
}

// Forwards with a short to-be-viewed list, so that recycling draws orders; backwards fresh.
ListReplay::Base Base() {
    ListReplay::Base base;
    for (int w = 1; w <= kWords; ++w) base.words.push_back({"w" + std::to_string(w), "d"});
    base.forwards = Session(3);
    base.backwards = Session(kWords);
    return base;
}

// Three computers judging both directions over three days, noting their seconds of use,
// with undos and two updates of the words, in a time order of their own.
std::vector<std::vector<JournalEvent>> Journals() {
    std::vector<std::vector<JournalEvent>> journals(3);
    std::vector<std::string> added;
    std::mt19937 random(29);
    for (int i = 0; i < 300; ++i) {
        const size_t d = random() % 3;
        auto& journal = journals[d];
        const int64_t ms = 1000 * i + static_cast<int64_t>(d);
        if (!journal.empty() && random() % 10 == 0) {
            journal.push_back(Undo(d, journal.size() + 1, ms, journal.back().sequence));
            continue;
        }
        if (random() % 8 == 0) {
            journal.push_back(Usage(d, journal.size() + 1, ms,
                                    random() % 2 ? Direction::kForwards : Direction::kBackwards,
                                    "2026-12-0" + std::to_string(1 + i / 100), int(random() % 90)));
            continue;
        }
        if (i == 120 || i == 200) {
            // An update: a word added, one taken out, one edited.
            journal.push_back(Edit(d, journal.size() + 1, ms, "", "new" + std::to_string(i)));
            added.push_back(journal.back().word);
            journal.push_back(Removal(d, journal.size() + 1, ms, std::to_string(i / 20)));
            journal.push_back(Edit(d, journal.size() + 1, ms, "12", "twelve"));
            continue;
        }
        const size_t word = random() % (kWords + added.size());
        JournalEvent judged =
            Judgement(d, journal.size() + 1, ms, 1 + int(word), int(random() % 4),
                      random() % 3 ? Direction::kForwards : Direction::kBackwards);
        if (word >= size_t(kWords)) judged.word = added[word - kWords];
        journal.push_back(judged);
    }
    return journals;
}

std::vector<JournalEvent> Merged(const std::vector<std::vector<JournalEvent>>& journals) {
    JournalMerge merge;
    for (const auto& journal : journals) merge.Add(journal);
    return merge.Events();
}

std::string Text(const ListReplay::Result& result) {
    std::string text;
    for (size_t i = 0; i < result.words.size(); ++i)
        text += result.wordIds[i] + "=" + result.words[i].word + "\n";
    for (const auto* images : {&result.forwards, &result.backwards})
        for (const FileImage& image : *images) text += image.path + ":\n" + image.bytes + "\n";
    for (const auto& [device, seconds] : result.secondsByDevice)
        text += device + " used " + std::to_string(seconds) + "\n";
    return text;
}

ListReplay::Result Replayed(MemoryFileSystem& files, const ListReplay::Base& base,
                            const std::vector<JournalEvent>& events) {
    ListReplay replay(files, kCheckpoint);
    ListReplay::Result result;
    std::string error;
    EXPECT_TRUE(replay.Run(base, events, result, error)) << error;
    return result;
}

std::string FileOf(const std::vector<FileImage>& images, const std::string& path) {
    for (const FileImage& image : images)
        if (image.path == path) return image.bytes;
    return "(none)";
}

// Every word index of a list of `count` words in exactly one list of the session.
void ExpectEveryWordOnce(const std::vector<FileImage>& session, size_t count) {
    std::vector<int> seen(count + 1, 0);
    for (const SessionList& list : SessionFiles::kLists) {
        MemoryFileSystem files;
        files.Put(list.path, FileOf(session, list.path));
        CWordList entries(files);
        entries.LoadFile(list.path);
        for (const CListRec& entry : entries.Entries()) {
            ASSERT_LE(entry.m_wordIndex, count);
            ++seen[entry.m_wordIndex];
        }
    }
    for (size_t index = 1; index <= count; ++index) EXPECT_EQ(1, seen[index]) << index;
}

TEST(ListReplayTest, JournalsInAnyOrder_GiveIdenticalBytes) {
    const auto journals = Journals();
    MemoryFileSystem files;
    const ListReplay::Result first = Replayed(files, Base(), Merged(journals));
    EXPECT_TRUE(first.fromBase);
    EXPECT_EQ("1", first.wordIds.front());
    EXPECT_EQ(size_t(kWords), first.wordIds.size());  // two added, two taken out
    EXPECT_EQ("twelve", first.words[10].word);
    ExpectEveryWordOnce(first.forwards, kWords);

    std::vector<size_t> order = {0, 1, 2};
    while (std::next_permutation(order.begin(), order.end())) {
        JournalMerge merge;
        for (size_t d : order) merge.Add({journals[d].begin(), journals[d].begin() + 20});
        for (size_t d : order) merge.Add(journals[d]);
        MemoryFileSystem fresh;
        EXPECT_EQ(Text(first), Text(Replayed(fresh, Base(), merge.Events())));
    }
}

// The lists as a replay of one direction stands after `count` of `events`.
HistoryCounts CountsAfter(const std::vector<FileImage>& base, Direction direction,
                          const std::vector<JournalEvent>& events, size_t count) {
    SessionReplay replay(base, kWords, direction);
    replay.Replay({events.begin(), events.begin() + static_cast<std::ptrdiff_t>(count)});
    return HistoryCounts::Of(replay.State());
}

TEST(ListReplayTest, History_SumsEveryComputersSecondsAndCountsEachJudgementOnce) {
    // 2026-12-07 12:00 UTC, in ms.
    constexpr int64_t kNoon = 1796644800000;
    constexpr auto f = Direction::kForwards;
    constexpr auto b = Direction::kBackwards;
    const std::vector<JournalEvent> events = Merged({
        {Usage(0, 1, kNoon + 1000, f, "2026-12-08", 60),  // a's day is its calendar's
         Judgement(0, 2, kNoon + 2000, 2, 2, f), Judgement(0, 3, kNoon + 3000, 3, 1, f),
         Undo(0, 4, kNoon + 4000, 3), Usage(0, 5, kNoon + 9000, b, "2026-12-08", 99)},
        // b noted no usage before its first judgement: the day its clock gives, in UTC.
        {Judgement(1, 1, kNoon + 1500, 4, 2, f), Usage(1, 2, kNoon + 5000, f, "2026-12-08", 30),
         Judgement(1, 3, kNoon + 6000, 5, 0, b)},
    });
    MemoryFileSystem files;
    const ListReplay::Result result = Replayed(files, Base(), events);
    const std::vector<FileImage> base = Base().forwards;
    std::vector<HistoryDay> days;
    ASSERT_TRUE(HistoryFile::Parse(FileOf(result.forwards, SessionFiles::kHistory), days));
    ASSERT_EQ(3u, days.size());
    EXPECT_EQ("2026-11-30", days[0].date);
    EXPECT_EQ(600, days[0].seconds);
    EXPECT_EQ("2026-12-07", days[1].date);
    EXPECT_EQ(0, days[1].seconds);
    EXPECT_EQ(1, days[1].judgements);
    EXPECT_EQ(CountsAfter(base, f, events, 2).lists, days[1].counts.lists);
    EXPECT_EQ("2026-12-08", days[2].date);
    EXPECT_EQ(90, days[2].seconds);
    EXPECT_EQ(1, days[2].judgements);
    EXPECT_EQ(CountsAfter(base, f, events, events.size()).lists, days[2].counts.lists);

    ASSERT_TRUE(HistoryFile::Parse(FileOf(result.backwards, SessionFiles::kHistory), days));
    ASSERT_EQ(2u, days.size());
    EXPECT_EQ(99, days[1].seconds);
    EXPECT_EQ(1, days[1].judgements);
    EXPECT_EQ((std::map<std::string, int64_t>{{kDevices[0], 159}, {kDevices[1], 30}}),
              result.secondsByDevice);
}

TEST(ListReplayTest, EditsAndRemovals_ChangeTheWordsAndFollowThemInBothDirections) {
    ListReplay::Base base;
    for (int w = 1; w <= 5; ++w) base.words.push_back({"w" + std::to_string(w), "d"});
    const std::string fresh = "5\n1\t0\n2\t0\n3\t0\n4\t0\n5\t0\n";
    for (const SessionList& list : SessionFiles::kLists) {
        base.forwards.push_back({list.path, list.listId == LIST_TOBEVIEWED ? fresh : "0\n"});
        base.backwards.push_back(base.forwards.back());
    }
    const std::string six = std::string(kDevices[0]) + ".4";
    const std::vector<JournalEvent> events = {
        Edit(0, 1, 1000, "2", "two"),
        Edit(1, 1, 1001, "2", "TWO"),  // the later wins
        Removal(0, 3, 2000, "3"),      // record 2, index 2: the indices after it move down
        Edit(0, 4, 2000, "", "six"),
        Edit(0, 5, 2000, "", "seven"),
        Judgement(0, 6, 3000, 0, 2, Direction::kForwards),  // the word added, by its id
        Judgement(0, 7, 4000, 3, 2, Direction::kForwards),  // the word taken out
        Removal(0, 8, 5000, "9"),                           // no such word
        Edit(0, 9, 6000, "77", "foreign"),                  // a new word not named after its edit
    };
    std::vector<JournalEvent> ordered = events;
    ordered[5].word = six;
    MemoryFileSystem files;
    const ListReplay::Result result = Replayed(files, base, ordered);
    EXPECT_EQ((std::vector<std::string>{"1", "2", "4", "5", six, std::string(kDevices[0]) + ".5"}),
              result.wordIds);
    ASSERT_EQ(6u, result.words.size());
    EXPECT_EQ("TWO", result.words[1].word);
    EXPECT_EQ("seven", result.words[5].word);
    // Old indices 1, 3, 4, 5 (the first record) are now 1, 2, 3, 6; the words added stand at
    // the head of the to-be-viewed list, the last first, and "six" was judged from there.
    EXPECT_EQ("5\n5\t0\n1\t0\n2\t0\n3\t0\n6\t0\n",
              FileOf(result.forwards, SessionFiles::kToBeViewed.path));
    EXPECT_EQ("1\n4\t0\n", FileOf(result.forwards, SessionFiles::kNew.path));
    EXPECT_EQ("6\n5\t0\n4\t0\n1\t0\n2\t0\n3\t0\n6\t0\n",
              FileOf(result.backwards, SessionFiles::kToBeViewed.path));
    ExpectEveryWordOnce(result.backwards, 6);
    EXPECT_EQ(1u, result.judgementsReplayed);
    EXPECT_EQ(1u, result.unknownWords);
    EXPECT_EQ(7u, result.editsReplayed);
}

// What happened between a replay of the first events and one of all of them.
struct CheckpointCase {
    const char* name;
    std::function<void(MemoryFileSystem&, ListReplay::Base&, std::vector<JournalEvent>&)> change;
    bool fromBase;
};

class ListReplayCheckpointTest : public testing::TestWithParam<CheckpointCase> {};

// The events before a time, as a sync in the middle of the study saw them; not between a
// judgement and its undo, which only a replay from the base can take.
std::vector<std::vector<JournalEvent>> Early(
    const std::vector<std::vector<JournalEvent>>& journals) {
    std::vector<std::vector<JournalEvent>> early;
    for (int64_t cut = 150000; early.empty(); cut += 1000) {
        early = journals;
        for (auto& journal : early) {
            const auto after =
                std::find_if(journal.begin(), journal.end(),
                             [&](const JournalEvent& e) { return e.time.physicalMs >= cut; });
            if (after != journal.end() && after->kind == JournalEvent::Kind::kUndo) {
                early.clear();
                break;
            }
            journal.erase(after, journal.end());
        }
    }
    return early;
}

TEST_P(ListReplayCheckpointTest, ContinuedEqualsFromScratch) {
    auto journals = Journals();
    const auto early = Early(journals);
    MemoryFileSystem files;
    ListReplay::Base base = Base();
    Replayed(files, base, Merged(early));
    std::vector<JournalEvent> events = Merged(journals);
    GetParam().change(files, base, events);

    const ListReplay::Result continued = Replayed(files, base, events);
    MemoryFileSystem fresh;
    const ListReplay::Result scratch = Replayed(fresh, base, events);
    EXPECT_EQ(GetParam().fromBase, continued.fromBase);
    EXPECT_EQ(Text(scratch), Text(continued));
    if (!continued.fromBase) {
        EXPECT_LT(continued.judgementsReplayed, scratch.judgementsReplayed);
    }
    // The checkpoint just written holds: nothing new, nothing replayed.
    const ListReplay::Result again = Replayed(files, base, events);
    EXPECT_FALSE(again.fromBase);
    EXPECT_EQ(0u, again.judgementsReplayed);
    EXPECT_EQ(Text(scratch), Text(again));
}

void Tamper(MemoryFileSystem& files, const std::function<void(std::string&)>& change) {
    const std::string path = std::string(kCheckpoint) + "/replay.txt";
    std::string bytes;
    ASSERT_EQ(0, files.ReadFile(path, bytes));
    change(bytes);
    files.Put(path, bytes);
}

void Merge(std::vector<JournalEvent>& events, const JournalEvent& more) {
    JournalMerge merge;
    merge.Add(events);
    merge.Add({more});
    events = merge.Events();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListReplayCheckpointTest,
    testing::Values(
        CheckpointCase{"OnlyLaterEvents", [](auto&, auto&, auto&) {}, false},
        CheckpointCase{"EventBeforeIt",
                       [](auto&, auto&, auto& events) {
                           Merge(events, Judgement(2, 999, 5, 7, 1, Direction::kForwards));
                       },
                       true},
        CheckpointCase{"UndoOfAnEventInIt",
                       [](auto&, auto&, auto& events) {
                           const auto judged = std::find_if(
                               events.begin(), events.end(), [](const JournalEvent& e) {
                                   return e.kind == JournalEvent::Kind::kJudgement &&
                                          e.device == kDevices[0];
                               });
                           Merge(events, Undo(0, 999, 10000000, judged->sequence));
                       },
                       true},
        CheckpointCase{"Damaged",
                       [](auto& files, auto&, auto&) {
                           Tamper(files, [](std::string& bytes) { bytes[200] ^= 1; });
                       },
                       true},
        CheckpointCase{"CutShort",
                       [](auto& files, auto&, auto&) {
                           Tamper(files,
                                  [](std::string& bytes) { bytes.resize(bytes.size() / 2); });
                       },
                       true},
        CheckpointCase{"OtherBase",
                       [](auto&, auto& base, auto&) { base.words[3].definition = "other"; }, true}),
    [](const testing::TestParamInfo<CheckpointCase>& param) { return param.param.name; });

// Journal copies by file name.
using Copies = std::map<std::string, std::string>;

Copies CopiesOf(const std::vector<std::vector<JournalEvent>>& journals) {
    Copies copies;
    for (size_t d = 0; d < journals.size(); ++d) {
        std::string& text = copies[Journal::CopyName(kDevices[d])];
        text = JournalLine::EncodeHeader(kDevices[d]);
        for (const JournalEvent& event : journals[d]) text += JournalLine::Encode(event);
    }
    return copies;
}

// A sync's merge and replay over the copies in "sync", this computer's journal added as
// `own`, else as its copy holds it; `seeded` tells whether the merge read only what followed the
// checkpoint.
ListReplay::Result Synced(MemoryFileSystem& files, const Copies& copies, const std::string& own,
                          bool& seeded) {
    std::vector<std::string> names;
    files.ListDirectory("sync", names);
    for (const std::string& name : names) files.Remove("sync/" + name);
    for (const auto& [name, bytes] : copies) files.Put("sync/" + name, bytes);
    ListReplay replay(files, kCheckpoint);
    JournalMerge merge;
    replay.Seed(merge);
    std::vector<std::string> problems;
    std::string error;
    EXPECT_TRUE(merge.AddFolder(files, "sync", problems, error)) << error;
    const std::string ownName = Journal::CopyName(kDevices[0]);
    merge.AddCopy(ownName, own.empty() ? copies.at(ownName) : own);
    ListReplay::Result result;
    EXPECT_TRUE(replay.Run(Base(), merge, result, error)) << error;
    seeded = merge.IsSeeded();
    return result;
}

// What the folder holds at the second sync, and whether a seeded merge can take it.
struct SeedCase {
    const char* name;
    std::function<void(Copies&, std::string& own)> change;
    bool seeded;
};

class SeededMergeTest : public testing::TestWithParam<SeedCase> {};

TEST_P(SeededMergeTest, GivesTheBytesOfAMergeFromScratch) {
    const auto journals = Journals();
    MemoryFileSystem files;
    bool seeded = false;
    Synced(files, CopiesOf(Early(journals)), "", seeded);
    EXPECT_FALSE(seeded);

    Copies copies = CopiesOf(journals);
    std::string own;
    GetParam().change(copies, own);
    const ListReplay::Result result = Synced(files, copies, own, seeded);
    EXPECT_EQ(GetParam().seeded, seeded);
    MemoryFileSystem fresh;
    bool unused = false;
    const std::string scratch = Text(Synced(fresh, copies, own, unused));
    EXPECT_EQ(scratch, Text(result));
    // The checkpoint just written seeds the next merge, which finds nothing new.
    if (!own.empty()) copies[Journal::CopyName(kDevices[0])] = own;
    const ListReplay::Result again = Synced(files, copies, own, seeded);
    EXPECT_TRUE(seeded);
    EXPECT_EQ(0u, again.judgementsReplayed);
    EXPECT_EQ(scratch, Text(again));
}

JournalEvent Later(size_t device, const Copies& copies, JournalEvent event) {
    const std::string& text = copies.at(Journal::CopyName(kDevices[device]));
    event.device = kDevices[device];
    event.sequence = static_cast<uint64_t>(std::count(text.begin(), text.end(), '\n'));
    return event;
}

void Append(Copies& copies, size_t device, const JournalEvent& event) {
    copies[Journal::CopyName(kDevices[device])] +=
        JournalLine::Encode(Later(device, copies, event));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SeededMergeTest,
    testing::Values(
        SeedCase{"OnlyLaterEvents", [](Copies&, std::string&) {}, true},
        SeedCase{"ThisComputersJournalAheadOfItsCopy",
                 [](Copies& copies, std::string& own) {
                     std::string& copy = copies[Journal::CopyName(kDevices[0])];
                     own = copy;
                     copy.resize(copy.rfind('\n', copy.size() - 2) + 1);
                 },
                 true},
        SeedCase{"ANewComputer",
                 [](Copies& copies, std::string&) {
                     copies[Journal::CopyName(kDevices[3])] =
                         JournalLine::EncodeHeader(kDevices[3]) +
                         JournalLine::Encode(Judgement(3, 1, 900000, 5, 2, Direction::kForwards));
                 },
                 true},
        SeedCase{"ACopyCutShortInALine",
                 [](Copies& copies, std::string&) {
                     Append(copies, 1, Judgement(1, 0, 900000, 6, 3, Direction::kBackwards));
                     copies[Journal::CopyName(kDevices[1])].resize(
                         copies[Journal::CopyName(kDevices[1])].size() - 5);
                 },
                 true},
        SeedCase{"AnEventBeforeIt",
                 [](Copies& copies, std::string&) {
                     Append(copies, 2, Judgement(2, 0, 5, 7, 1, Direction::kForwards));
                 },
                 false},
        SeedCase{"AnUndoOfAJudgementItHolds",
                 [](Copies& copies, std::string&) { Append(copies, 0, Undo(0, 0, 900000, 2)); },
                 false},
        SeedCase{"ACopyChangedBeforeIt",
                 [](Copies& copies, std::string&) {
                     std::string& copy = copies[Journal::CopyName(kDevices[1])];
                     copy[copy.find('\n') + 3] ^= 1;
                 },
                 false},
        SeedCase{"ACopyGone",
                 [](Copies& copies, std::string&) { copies.erase(Journal::CopyName(kDevices[2])); },
                 false},
        SeedCase{"AStaleCopyBack",
                 [](Copies& copies, std::string&) {
                     std::string& copy = copies[Journal::CopyName(kDevices[2])];
                     copy.resize(copy.find('\n', copy.find('\n') + 1) + 1);
                 },
                 false}),
    [](const testing::TestParamInfo<SeedCase>& param) { return param.param.name; });

TEST(ListReplayTest, EmptyList_IsRefused) {
    MemoryFileSystem files;
    ListReplay replay(files, kCheckpoint);
    ListReplay::Result result;
    std::string error;
    EXPECT_FALSE(replay.Run(ListReplay::Base(), {}, result, error));
    EXPECT_NE(std::string::npos, error.find("0 words")) << error;
}

}  // namespace
