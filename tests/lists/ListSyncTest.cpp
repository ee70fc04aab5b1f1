// SPDX-License-Identifier: GPL-2.0-or-later
// A list studied on several computers, each a data folder of its own with its own copy of the
// sync folder; the test carries files between the copies as a sync engine would: in any
// order, late, cut short, twice. Whatever the order, every computer ends with the same bytes.

#include "engine/HistoryFile.h"
#include "engine/SessionFiles.h"
#include "engine/WordListFile.h"
#include "imports/FieldText.h"
#include "imports/FolderMedia.h"
#include "lists/ListGuard.h"
#include "lists/ListImporter.h"
#include "lists/ListStore.h"
#include "lists/ListSync.h"
#include "lists/MediaIndex.h"
#include "lists/MediaStore.h"
#include "sync/HybridClock.h"
#include "sync/Journal.h"
#include "sync/JournalLine.h"
#include "tests/lists/ListTestFiles.h"
#include "tests/support/FaultyFileSystem.h"
#include "tools/wordlist/WordListTool.h"

#include <QImage>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <random>
#include <sstream>
#include <sys/stat.h>

#include "posix/FolderLock.h"

namespace fs = std::filesystem;

namespace {

constexpr int kWords = 40;

// One computer: its data folder and its copy of the sync folder.
struct Computer {
    fs::path home, sync;
    int64_t skewMs = 0;  // how far its wall clock is off
    size_t judged = 0, arrived = 0;

    fs::path List() const { return home / "lists" / "gre"; }
    std::string Device() const { return ReadFile((home / "device-id.txt").string()).substr(0, 12); }
    ListSync::Options Clock() const {
        ListSync::Options options;
        options.wallMs = [skew = skewMs] { return HybridClock::SystemWallMs() + skew; };
        return options;
    }
};

class ListSyncTest : public testing::Test {
protected:
    Computer Make(const std::string& name, int64_t skewMs = 0) {
        Computer computer{m_home.Root() / name / "quibbix", m_home.Root() / (name + "-sync"),
                          skewMs};
        // Syncthing's marker: a sync engine's file never keeps a folder from being joined.
        fs::create_directories(computer.sync / ".stfolder");
        return computer;
    }
    std::string Tool(const Computer& on, const std::vector<std::string>& args, int code = 0) {
        std::ostringstream out, err;
        EXPECT_EQ(WordListTool(out, err, on.home, m_home.Defaults()).Run(args), code) << err.str();
        return out.str() + err.str();
    }
    // The list "gre" of kWords words.
    void AddList(const Computer& on) {
        std::ofstream(m_home.Root() / "gre.tsv") << [] {
            std::string text;
            for (int i = 1; i <= kWords; ++i)
                text += "w" + std::to_string(i) + "\tmeaning " + std::to_string(i) + "\n";
            return text;
        }();
        Tool(on, {"add", (m_home.Root() / "gre.tsv").string()});
    }
    // The first computer: the list with a session, joined to its empty folder.
    void Start(Computer& on) {
        AddList(on);
        Entries all;
        for (uint32_t i = 1; i <= kWords; ++i) all.push_back({i, 0});
        WriteSession(on.List(), all, {});
        Tool(on, {"sync", "--list", "gre", on.sync.string()});
    }
    void Join(Computer& on) { Tool(on, {"sync", "--list", "gre", on.sync.string()}); }
    void Update(const Computer& on, const std::string& first, const std::string& added);

    // Judges `count` words picked by `random` and syncs.
    void Study(Computer& on, int count, std::mt19937& random) {
        std::vector<AnswerLog::Entry> answers;
        for (int i = 0; i < count; ++i) {
            AnswerLog::Entry entry;
            entry.wordIndex = static_cast<int32_t>(random() % kWords) + 1;
            entry.judgement = static_cast<int32_t>(random() % 4);
            entry.wallMs = HybridClock::SystemWallMs() + on.skewMs;
            answers.push_back(entry);
        }
        on.judged += answers.size();
        Sync(on, answers);
    }
    ListSync::Report Sync(Computer& on, const std::vector<AnswerLog::Entry>& answers = {}) {
        ListSync::Report report;
        std::string error;
        EXPECT_TRUE(ListSync::Sync(on.home, on.List(), ListFolder::Direction::kForwards, answers,
                                   -1, report, error, on.Clock()))
            << error;
        on.arrived += report.answersArrived;
        return report;
    }

    // Copies `name` from one computer's folder to another's, the first `bytes` of it only.
    static void Deliver(const Computer& from, const Computer& to, const std::string& name,
                        size_t bytes = std::string::npos) {
        fs::create_directories((to.sync / name).parent_path());
        WriteFile((to.sync / name).string(),
                  ReadFile((from.sync / name).string()).substr(0, bytes));
    }
    static void DeliverAll(const Computer& from, const Computer& to) {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(from.sync))
            if (entry.is_regular_file())
                Deliver(from, to, fs::relative(entry.path(), from.sync).string());
    }
    // `from`'s own journal: cut inside its last line, then whole, then whole once more.
    void DeliverJournal(const Computer& from, Computer& to) {
        const std::string name = "journal-" + from.Device() + ".txt";
        const std::string bytes = ReadFile((from.sync / name).string());
        Deliver(from, to, name, bytes.rfind('\n', bytes.size() - 2) + 4);
        Sync(to);
        Deliver(from, to, name);
        Sync(to);
        Deliver(from, to, name);
        Sync(to);
    }

    // The replayed files of both directions: all but the word on screen and the time of use.
    static std::map<std::string, std::string> Progress(const Computer& on,
                                                       bool withHistory = true) {
        std::map<std::string, std::string> files;
        for (const char* session : {"session", "session-reverse"}) {
            for (const SessionList& list : SessionFiles::kLists)
                files[std::string(session) + "/" + std::string(list.FileName())] =
                    ReadFile((on.List() / session / list.FileName()).string());
            for (const char* name : {"WordsLearned.txt", "History.txt"})
                if (withHistory || std::string(name) != "History.txt")
                    files[std::string(session) + "/" + name] =
                        ReadFile((on.List() / session / name).string());
        }
        return files;
    }

    DataHome m_home;
};

// The order in which the three computers take in the others' journals.
class DeliveryOrderTest : public ListSyncTest, public testing::WithParamInterface<int> {};

TEST_P(DeliveryOrderTest, EveryOrder_SameProgress_EachJudgementCountedOnce) {
    std::vector<Computer> computers = {Make("a"), Make("b"), Make("c")};
    Start(computers[0]);
    for (size_t i = 1; i < computers.size(); ++i) {
        DeliverAll(computers[0], computers[i]);
        Join(computers[i]);
    }
    std::mt19937 random(static_cast<unsigned>(GetParam()));
    for (Computer& computer : computers) Study(computer, 12, random);

    std::vector<int> order = {0, 1, 2};
    for (int i = 0; i < GetParam(); ++i) std::next_permutation(order.begin(), order.end());
    for (int to : order)
        for (int from : order)
            if (from != to) DeliverJournal(computers[from], computers[to]);
    for (Computer& computer : computers) Sync(computer);

    const auto progress = Progress(computers[0]);
    EXPECT_NE(progress.at("session/tobeviewed.txt"),
              ReadFile((computers[0].List() / "sync/base/session/tobeviewed.txt").string()));
    for (const Computer& computer : computers) {
        EXPECT_EQ(Progress(computer), progress) << computer.home;
        EXPECT_EQ(computer.arrived, 24u) << computer.home;
    }
    // A computer joining late makes the same list from the folder.
    Computer late = Make("d");
    DeliverAll(computers[order.back()], late);
    Join(late);
    EXPECT_EQ(Progress(late), progress);
}

INSTANTIATE_TEST_SUITE_P(Orders, DeliveryOrderTest, testing::Range(0, 6));

TEST_F(ListSyncTest, ClockAnHourBehind_StudiedApartThenAfter_SameProgress) {
    Computer a = Make("a"), b = Make("b", -3600 * 1000);
    Start(a);
    DeliverAll(a, b);
    Join(b);
    std::mt19937 random(7);
    Study(a, 10, random);
    // Offline: b's judgements come after a's in time, but its clock puts them first.
    Study(b, 10, random);
    DeliverJournal(a, b);
    // Having read a's journal, b stamps its next judgements after a's, however slow its clock,
    // those it records between syncs as well.
    AnswerLog::Entry judged;
    judged.wordIndex = 7;
    judged.wallMs = HybridClock::SystemWallMs() + b.skewMs;
    ListSync::Report report;
    std::string error;
    ASSERT_TRUE(ListSync::Record(b.home, b.List(), ListFolder::Direction::kForwards, {judged},
                                 report, error, b.Clock()))
        << error;
    Journal::Contents own, theirs;
    ASSERT_TRUE(
        Journal::Parse(ReadFile((b.List() / "sync/journal.txt").string()), "b", own, error));
    ASSERT_TRUE(
        Journal::Parse(ReadFile((a.List() / "sync/journal.txt").string()), "a", theirs, error));
    EXPECT_LT(theirs.events.back().time, own.events.back().time);
    DeliverJournal(b, a);
    Study(b, 5, random);
    DeliverJournal(b, a);
    EXPECT_EQ(Progress(a), Progress(b));
    EXPECT_EQ(a.arrived, 16u);
    EXPECT_EQ(b.arrived, 10u);
}

TEST_F(ListSyncTest, SameWordJudgedOnBoth_BothJudgementsCountOnceEach) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    DeliverAll(a, b);
    Join(b);
    AnswerLog::Entry knew, forgot;
    knew.wordIndex = forgot.wordIndex = 7;
    knew.wallMs = forgot.wallMs = HybridClock::SystemWallMs();
    knew.judgement = 0;
    forgot.judgement = 2;
    Sync(a, {knew});
    Sync(b, {forgot});
    DeliverJournal(a, b);
    DeliverJournal(b, a);
    EXPECT_EQ(Progress(a), Progress(b));
    EXPECT_EQ(a.arrived, 1u);
    EXPECT_EQ(b.arrived, 1u);
}

TEST_F(ListSyncTest, SecondsOfUse_EachComputersOwnSummed) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    DeliverAll(a, b);
    Join(b);
    AnswerLog::Entry used;
    used.kind = AnswerLog::Entry::Kind::kUsed;
    used.date = "2026-12-09";
    used.seconds = 120;
    used.wallMs = HybridClock::SystemWallMs();
    Sync(a, {used});
    used.seconds = 30;
    Sync(b, {used});
    DeliverJournal(a, b);
    DeliverJournal(b, a);
    EXPECT_EQ(ListSync::OthersSeconds(a.List()), 30);
    EXPECT_EQ(ListSync::OthersSeconds(b.List()), 120);
    EXPECT_EQ(Progress(a), Progress(b));

    // A day holds no more than 86,400 seconds of use, whatever a program claims.
    Computer c = Make("c");
    DeliverAll(a, c);
    Join(c);
    used.seconds = std::numeric_limits<int64_t>::max() - 10;
    Sync(b, {used});
    Sync(c, {used});
    DeliverJournal(b, a);
    DeliverJournal(c, a);
    EXPECT_EQ(ListSync::OthersSeconds(a.List()), 30 + 2 * 86400);
}

// Gives `on`'s list the words w1 (defined as `first`), w3..w40 and `added`.
void ListSyncTest::Update(const Computer& on, const std::string& first, const std::string& added) {
    std::string text = "w1\t" + first + "\n";
    for (int i = 3; i <= kWords; ++i)
        text += "w" + std::to_string(i) + "\tmeaning " + std::to_string(i) + "\n";
    const fs::path file = m_home.Root() / "update.tsv";
    std::ofstream(file) << text + added + "\ta new word\n";
    Tool(on, {"add", file.string(), "--name", "gre", "--update"});
}

TEST_F(ListSyncTest, WordsUpdated_JournalHoldsEachChangeByTheWordsId) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    DeliverAll(a, b);
    Join(b);
    // A word too long for UTF-8 in its field travels as its text, and is compact on both.
    const std::string sight = "достопримечательность";
    Update(a, "meaning one, reworded", sight);
    // Word index 1 is the second record; index 40, the number of words, the first.
    AnswerLog::Entry second, first;
    second.wordIndex = 1;
    first.wordIndex = 40;
    Sync(a, {second, first});

    Journal::Contents journal;
    std::string error;
    ASSERT_TRUE(Journal::Parse(ReadFile((a.List() / "sync/journal.txt").string()), "journal",
                               journal, error));
    ASSERT_EQ(journal.events.size(), 5u);
    const JournalEvent &removed = journal.events[0], &reworded = journal.events[1],
                       &added = journal.events[2];
    EXPECT_EQ(removed.kind, JournalEvent::Kind::kRemove);
    EXPECT_EQ(removed.word, "2");
    EXPECT_EQ(reworded.kind, JournalEvent::Kind::kEdit);
    EXPECT_EQ(reworded.word + " " + reworded.text + " " + reworded.definition,
              "1 w1 meaning one, reworded");
    EXPECT_EQ(added.kind, JournalEvent::Kind::kEdit);
    EXPECT_EQ(added.word, added.NewWordId());
    EXPECT_EQ(FieldText::ToUtf8(added.text), sight);
    EXPECT_TRUE(FieldText::IsCompact(added.text));
    EXPECT_NE(ReadFile((a.List() / "sync/journal.txt").string()).find(" " + sight + " "),
              std::string::npos);
    EXPECT_EQ(journal.events[3].word, "3");
    EXPECT_EQ(journal.events[4].word, "1");
    EXPECT_EQ(ReadWords(a.List() / "list/kelvo.lst").back().first, added.text);
    DeliverJournal(a, b);
    EXPECT_EQ(ReadWords(b.List() / "list/kelvo.lst"), ReadWords(a.List() / "list/kelvo.lst"));
    EXPECT_EQ(Progress(b), Progress(a));
}

// A program records its answers before it saves the session that counts them; a kill before
// the sync, or a sync that fails, must neither lose them nor, with words added, add a word twice.
TEST_F(ListSyncTest, RecordedBeforeASyncThatNeverCame_ArriveOnceAtTheNextSync) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    DeliverAll(a, b);
    Join(b);
    Sync(a);  // its stamp says nothing changed since
    Update(a, "meaning one, reworded", "fresh");
    AnswerLog::Entry judged;
    judged.wordIndex = 5;
    judged.wallMs = HybridClock::SystemWallMs();
    ListSync::Report report;
    std::string error;
    ASSERT_TRUE(ListSync::Record(a.home, a.List(), ListFolder::Direction::kForwards, {judged},
                                 report, error))
        << error;
    EXPECT_TRUE(report.answersTaken);
    Sync(a);
    Sync(a);
    DeliverJournal(a, b);
    EXPECT_EQ(b.arrived, 1u);
    const Words words = ReadWords(b.List() / "list/kelvo.lst");
    EXPECT_EQ(words, ReadWords(a.List() / "list/kelvo.lst"));
    EXPECT_EQ(std::count_if(words.begin(), words.end(),
                            [](const auto& word) { return word.first == "fresh"; }),
              1);
    EXPECT_EQ(Progress(b), Progress(a));

    // A word removed on the other computer and then added here again is a new word.
    Update(b, "meaning one, reworded", "other");
    Sync(b);
    DeliverJournal(b, a);
    Update(a, "meaning one, reworded", "fresh");
    Sync(a);
    const Words again = ReadWords(a.List() / "list/kelvo.lst");
    EXPECT_EQ(std::count_if(again.begin(), again.end(),
                            [](const auto& word) { return word.first == "fresh"; }),
              1);
}

TEST_F(ListSyncTest, OneWordEditedOnBoth_TheLaterEditWinsEverywhere) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    DeliverAll(a, b);
    Join(b);
    Update(a, "from a", "only on a");
    Sync(a);
    Update(b, "from b, later", "only on b");
    Sync(b);
    DeliverJournal(a, b);
    DeliverJournal(b, a);
    const Words words = ReadWords(a.List() / "list/kelvo.lst");
    EXPECT_EQ(words, ReadWords(b.List() / "list/kelvo.lst"));
    EXPECT_EQ(words.front(), std::make_pair(std::string("w1"), std::string("from b, later")));
    EXPECT_EQ(words.size(), 41u);  // w2 gone, each computer's new word in
    EXPECT_EQ(Progress(b), Progress(a));
}

TEST_F(ListSyncTest, WordOnScreen_OutOfItsListThere_TheOnlyDifference) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    DeliverAll(a, b);
    Join(b);
    ListSync::Report report;
    std::string error;
    ASSERT_TRUE(
        ListSync::Sync(b.home, b.List(), ListFolder::Direction::kForwards, {}, 5, report, error));
    auto expected = Progress(a);
    std::string& toBeViewed = expected["session/tobeviewed.txt"];
    toBeViewed.erase(toBeViewed.find("\n5\t0\n"), 4);
    toBeViewed.replace(0, 2, "39");
    EXPECT_EQ(Progress(b), expected);
    Sync(b);
    EXPECT_EQ(Progress(b), Progress(a));
}

TEST_F(ListSyncTest, JudgementUndoneInALaterSync_TakenBackEverywhere) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    DeliverAll(a, b);
    Join(b);
    // The history keeps the day studied; the lists and words learned are as before.
    const auto before = Progress(a, false);
    AnswerLog::Entry judged, undone;
    judged.wordIndex = 3;
    judged.wallMs = undone.wallMs = HybridClock::SystemWallMs();
    undone.kind = AnswerLog::Entry::Kind::kUndone;
    Sync(a, {judged});
    EXPECT_NE(Progress(a, false), before);
    Sync(a, {undone});
    DeliverJournal(a, b);
    EXPECT_EQ(Progress(a, false), before);
    EXPECT_EQ(Progress(b), Progress(a));
    // Nor does the history count it, though an earlier sync wrote it there.
    std::vector<HistoryDay> days;
    HistoryFile::Parse(Progress(a).at("session/History.txt"), days);
    for (const HistoryDay& day : days) EXPECT_EQ(day.judgements, 0) << day.date;
}

// New words move both directions: while a program studies one of them they wait, and come in
// once it has ended, with nothing journalled twice on the way.
TEST_F(ListSyncTest, WordsChangedWhileStudiedForwards_WaitUntilItEnds) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    DeliverAll(a, b);
    Join(b);
    Update(b, "from b", "new on b");
    Sync(b);
    Update(a, "from a", "new on a");
    const Words before = ReadWords(a.List() / "list/kelvo.lst");
    Deliver(b, a, "journal-" + b.Device() + ".txt");
    {
        FolderLock studying;
        int code = 0;
        ASSERT_EQ(studying.Acquire((a.List() / "session").string(), code),
                  FolderLock::Result::kLocked);
        ListSync::Report report;
        std::string error;
        ListSync::Options options = a.Clock();
        options.callerHoldsLock = true;
        ASSERT_TRUE(ListSync::Sync(a.home, a.List(), ListFolder::Direction::kBackwards, {}, -1,
                                   report, error, options))
            << error;
        EXPECT_EQ(report.skipped.size(), 2u);
        EXPECT_FALSE(report.listChanged);
        EXPECT_EQ(ReadWords(a.List() / "list/kelvo.lst"), before);
        ListSync::Sync(a.home, a.List(), ListFolder::Direction::kBackwards, {}, -1, report, error,
                       options);
    }
    EXPECT_TRUE(Sync(a).listChanged);
    DeliverJournal(a, b);
    EXPECT_EQ(ReadWords(a.List() / "list/kelvo.lst"), ReadWords(b.List() / "list/kelvo.lst"));
    EXPECT_EQ(Progress(a), Progress(b));
    Journal::Contents journal;
    std::string error;
    ASSERT_TRUE(Journal::Parse(ReadFile((a.List() / "sync/journal.txt").string()), "journal",
                               journal, error));
    EXPECT_EQ(journal.events.size(), 3u);  // a's own update, once: w2 out, w1 edited, one added
}

TEST_F(ListSyncTest, HalfCopiedBase_JoinWaitsForIt) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    Deliver(a, b, "quibbix-list.txt");
    Deliver(a, b, "base/list/kelvo.lst", 1000);
    const std::string refused = Tool(b, {"sync", "--list", "gre", b.sync.string()}, 1);
    EXPECT_NE(refused.find("is still arriving"), std::string::npos) << refused;
    EXPECT_FALSE(fs::exists(b.List()));
    DeliverAll(a, b);
    Join(b);
    EXPECT_EQ(Progress(b), Progress(a));
}

TEST_F(ListSyncTest, JoinedListHeldOtherProgress_ItGoesToTheTrash) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    std::ofstream(m_home.Root() / "mine.tsv") << "mine\tmy own word\n";
    Tool(b, {"add", (m_home.Root() / "mine.tsv").string(), "--name", "gre"});
    WriteSession(b.List(), {}, {{1, 0}});
    DeliverAll(a, b);
    Join(b);
    EXPECT_EQ(Progress(b), Progress(a));
    const fs::path trashed = m_home.Root() / "b/Trash/files/gre before syncing";
    EXPECT_EQ(ReadFile((trashed / "name.txt").string()), "gre before joining a sync folder\n");
    EXPECT_EQ(ReadWords(trashed / "list/kelvo.lst"), Words({{"mine", "my own word"}}));
    EXPECT_EQ(ReadFile((trashed / "session/known.txt").string()), "1\n1\t0\n");
}

TEST_F(ListSyncTest, LeftAndJoinedAgain_JournalGoesOnWhereItStood) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    DeliverAll(a, b);
    Join(b);
    std::mt19937 random(4);
    Study(a, 3, random);
    Tool(a, {"sync", "--list", "gre", "--leave"});
    Join(a);
    Study(a, 2, random);
    DeliverJournal(a, b);
    EXPECT_EQ(b.arrived, 5u);
    EXPECT_EQ(Progress(b), Progress(a));
}

// Events the folder never got, as it was away when the list left it, are neither dropped by
// joining it again nor by joining another folder.
TEST_F(ListSyncTest, LeftWhileTheFolderWasAway_JoiningAgainKeepsItsEvents) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    DeliverAll(a, b);
    Join(b);
    std::mt19937 random(5);
    const fs::path away = m_home.Root() / "away";
    fs::rename(a.sync, away);
    Study(a, 3, random);
    Tool(a, {"sync", "--list", "gre", "--leave"});
    fs::rename(away, a.sync);
    Join(a);
    DeliverJournal(a, b);
    EXPECT_EQ(b.arrived, 3u);
    EXPECT_EQ(Progress(b), Progress(a));

    fs::rename(a.sync, away);
    Study(a, 2, random);
    Tool(a, {"sync", "--list", "gre", "--leave"});
    Computer other = Make("other");
    EXPECT_NE(Tool(a, {"sync", "--list", "gre", other.sync.string()}).find("kept in the trash"),
              std::string::npos);
}

TEST_F(ListSyncTest, DataFolderRestoredFromABackup_NoJudgementLostOrRenumbered) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    DeliverAll(a, b);
    Join(b);
    const fs::path backup = m_home.Root() / "backup";
    fs::copy(a.home, backup, fs::copy_options::recursive);
    std::mt19937 random(6);
    Study(a, 3, random);
    fs::remove_all(a.home);
    fs::copy(backup, a.home, fs::copy_options::recursive);
    // The first sync after the restore brings answers: they must follow the three.
    Study(a, 2, random);
    DeliverJournal(a, b);
    EXPECT_EQ(b.arrived, 5u);
    EXPECT_EQ(Progress(b), Progress(a));
}

TEST_F(ListSyncTest, SyncFailsAfterTheJournalTookTheAnswers_SaysSo) {
    Computer a = Make("a");
    Start(a);
    fs::remove(a.List() / "sync/base/list/kelvo.lst");  // the replay cannot start
    AnswerLog::Entry judged;
    judged.wordIndex = 3;
    ListSync::Report report;
    std::string error;
    EXPECT_FALSE(ListSync::Sync(a.home, a.List(), ListFolder::Direction::kForwards, {judged}, -1,
                                report, error));
    EXPECT_NE(error.find("sync/base/list/kelvo.lst"), std::string::npos) << error;
    EXPECT_TRUE(report.answersTaken);
    EXPECT_FALSE(
        ListSync::Sync(a.home, a.List(), ListFolder::Direction::kForwards, {}, -1, report, error));
    EXPECT_TRUE(report.answersTaken);
}

TEST_F(ListSyncTest, WordsCopiedOverBeforeJoining_BaseHoldsProgressOnThem) {
    Computer a = Make("a");
    AddList(a);
    WriteSession(a.List(), {}, {{1, 0}});
    // The known word w1 moves to the end of a list copied over the old one.
    Words words = ReadWords(a.List() / "list/kelvo.lst");
    std::rotate(words.begin(), words.begin() + 1, words.end());
    WriteWords(a.List() / "list/kelvo.lst", words);
    Tool(a, {"sync", "--list", "gre", a.sync.string()});
    EXPECT_EQ(ReadFile((a.sync / "base/session/known.txt").string()), "1\n40\t0\n");
}

TEST_F(ListSyncTest, DataFolderCopied_SyncsAsAnotherDevice) {
    Computer a = Make("a"), copy = Make("copy");
    Start(a);
    // The copy's folder.txt names a's folder: both write into the one folder.
    fs::create_directories(copy.home);
    fs::copy(a.home, copy.home, fs::copy_options::recursive);
    copy.sync = a.sync;
    std::mt19937 random(3);
    Study(copy, 4, random);
    const ListSync::Report again = Sync(copy);
    EXPECT_NE(copy.Device(), a.Device());
    EXPECT_TRUE(again.notes.empty());
    EXPECT_TRUE(fs::exists(a.sync / ("journal-" + copy.Device() + ".txt")));
    Sync(a);
    EXPECT_EQ(a.arrived, 4u);
    EXPECT_EQ(Progress(a), Progress(copy));
}

TEST_F(ListSyncTest, CommandLine_JoinSyncLeaveAndLists) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    EXPECT_EQ(Tool(a, {"sync", "--list", "GRE"}), "up to date\n");
    EXPECT_EQ(Tool(a, {"sync", "--list", "gre", a.sync.string() + "/"}),
              "joined: \"gre\" syncs with " + a.sync.string() + "\nup to date\n");
    DeliverAll(a, b);
    EXPECT_EQ(Tool(b, {"sync", "--list", "gre", b.sync.string()}),
              "joined: \"gre\" syncs with " + b.sync.string() + "\nup to date\n");
    EXPECT_NE(Tool(b, {"lists"}).find("\t" + b.sync.string() + "\n"), std::string::npos);
    std::mt19937 random(1);
    Study(a, 3, random);
    Deliver(a, b, "journal-" + a.Device() + ".txt");
    EXPECT_EQ(Tool(b, {"sync", "--list", "gre"}), "3 answers arrived from another computer\n");
    EXPECT_EQ(Tool(b, {"sync", "--list", "gre", "--leave"}),
              "left: \"gre\" no longer syncs with " + b.sync.string() + "\n");
    EXPECT_EQ(Tool(b, {"lists"}).find(b.sync.string()), std::string::npos);
}

TEST_F(ListSyncTest, CommandLine_FolderNotThereYet_MadeWithItsParents) {
    Computer a = Make("a");
    AddList(a);
    const fs::path folder = m_home.Root() / "new/Sync/gre";
    EXPECT_EQ(Tool(a, {"sync", "--list", "gre", folder.string()}),
              "joined: \"gre\" syncs with " + folder.string() + "\nup to date\n");
    EXPECT_TRUE(fs::exists(folder / "quibbix-list.txt"));
}

TEST_F(ListSyncTest, ListNeverStudied_JoinedAndJoinedThere_StillNeverStudied) {
    Computer a = Make("a"), b = Make("b");
    AddList(a);
    Join(a);
    DeliverAll(a, b);
    Join(b);
    for (const Computer& on : {a, b}) {
        const std::vector<ListSummary> lists = ListStore(on.home).Lists();
        ASSERT_EQ(lists.size(), 1u);
        EXPECT_TRUE(ListSync::IsJoined(lists[0].folder));
        EXPECT_EQ(lists[0].lastStudied, 0) << on.home;
    }
}

TEST_F(ListSyncTest, CommandLine_FolderAway_FailsAndSyncsOnceItIsBack) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    DeliverAll(a, b);
    Join(b);
    std::mt19937 random(2);
    fs::rename(a.sync, m_home.Root() / "unplugged");
    Study(a, 2, random);
    const std::string said = Tool(a, {"sync", "--list", "gre"}, 1);
    EXPECT_NE(said.find(a.sync.string() + ": No such file or directory; what was done here"),
              std::string::npos)
        << said;
    fs::rename(m_home.Root() / "unplugged", a.sync);
    EXPECT_EQ(Tool(a, {"sync", "--list", "gre"}), "up to date\n");
    DeliverJournal(a, b);
    EXPECT_EQ(b.arrived, 2u);
    EXPECT_EQ(Progress(b), Progress(a));
}

// A folder whose manifest names files beyond the base, or whose base leads out of the folder,
// is not joined, and no file of the list is written from it.
struct Hostile {
    const char* path;  // a file line added to the manifest, or "" for none
    const char* link;  // a base file made a link to a copy of itself outside the folder
    const char* message;
};

void PrintTo(const Hostile& hostile, std::ostream* os) { *os << hostile.path << hostile.link; }

class HostileFolderTest : public ListSyncTest, public testing::WithParamInterface<Hostile> {};

TEST_P(HostileFolderTest, NotJoined_NothingWritten) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    DeliverAll(a, b);
    AddList(b);
    const std::string path = GetParam().path, link = GetParam().link;
    if (!path.empty()) {
        const std::string bytes = "hostile\n";
        uint64_t hash = 14695981039346656037ull;
        for (unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ull;
        char checksum[17];
        std::snprintf(checksum, sizeof checksum, "%016llx", static_cast<unsigned long long>(hash));
        fs::create_directories((b.sync / "base" / path).parent_path());
        WriteFile((b.sync / "base" / path).string(), bytes);
        std::ofstream(b.sync / "quibbix-list.txt", std::ios::app)
            << "file\t" << bytes.size() << "\t" << checksum << "\t" << path << "\n";
    }
    if (!link.empty()) {
        const fs::path outside = m_home.Root() / "outside";
        fs::rename(b.sync / "base" / link, outside);
        fs::create_symlink(outside, b.sync / "base" / link);
    }
    const std::string said = Tool(b, {"sync", "--list", "gre", b.sync.string()}, 1);
    EXPECT_NE(said.find(GetParam().message), std::string::npos) << said;
    EXPECT_FALSE(ListSync::IsJoined(b.List()));
    if (!path.empty() && fs::exists(b.List() / path)) {
        EXPECT_NE(ReadFile((b.List() / path).string()), "hostile\n");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileFolderTest,
                         testing::Values(Hostile{"list/GUISetting.cfg", "", "a damaged line"},
                                         Hostile{"name.txt", "", "a damaged line"},
                                         Hostile{"sync/seen.txt", "", "a damaged line"},
                                         Hostile{"session/checkpoint/x", "", "a damaged line"},
                                         Hostile{"list/kelvo.lst", "",
                                                 "a damaged line"},  // named twice
                                         Hostile{"", "list/kelvo.lst", "still arriving"},
                                         Hostile{"", "session/known.txt", "still arriving"}));

struct Refusal {
    std::vector<std::string> args;
    int code;
    const char* message;
};

void PrintTo(const Refusal& refusal, std::ostream* os) {
    for (const std::string& arg : refusal.args) *os << '"' << arg << "\" ";
}

class SyncRefusalTest : public ListSyncTest, public testing::WithParamInterface<Refusal> {};

TEST_P(SyncRefusalTest, SaysWhyAndChangesNothing) {
    Computer a = Make("a");
    Start(a);
    fs::create_directories(m_home.Root() / "other");
    WriteFile((m_home.Root() / "other/notes.txt").string(), "mine");
    Tool(a, {"add", (m_home.Root() / "gre.tsv").string(), "--name", "verbs"});
    std::vector<std::string> args = GetParam().args;
    for (std::string& arg : args) {
        if (arg == "SYNC") arg = a.sync.string();
        if (arg == "OTHER") arg = (m_home.Root() / "other").string();
    }
    const std::string said = Tool(a, args, GetParam().code);
    EXPECT_NE(said.find(GetParam().message), std::string::npos) << said;
    EXPECT_EQ(ReadFile((m_home.Root() / "other/notes.txt").string()), "mine");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SyncRefusalTest,
    testing::Values(Refusal{{"sync", "SYNC"}, 2, "sync needs --list NAME"},
                    Refusal{{"sync", "--list", "gre", "SYNC", "--leave"}, 2, "takes no FOLDER"},
                    Refusal{{"sync", "--list", "gre", "--name", "x"}, 2, "no option --name"},
                    Refusal{{"sync", "--list", "verbs", "OTHER"}, 1, "no Quibbix list's"},
                    Refusal{{"sync", "--list", "verbs", "SYNC"}, 1, "holds the list \"gre\""},
                    Refusal{{"sync", "--list", "gre", "OTHER"}, 1, "syncs with"},
                    Refusal{{"sync", "--list", "verbs"}, 1, "syncs with no folder"},
                    Refusal{{"sync", "--list", "nouns", "OTHER"}, 1, "no list named"}));

// What a sync engine or anyone with the folder may do to another computer's journal copy.
enum class Spoil { kFifo, kLinkToZero, kLinkToACopy, kHuge, kDirectory, kDeleted, kHalf, kHeader };

struct SpoilCase {
    Spoil spoil;
    bool isTold;  // a note names the copy: it cannot be read
};

void PrintTo(const SpoilCase& spoil, std::ostream* os) { *os << static_cast<int>(spoil.spoil); }

class SpoiledCopyTest : public ListSyncTest, public testing::WithParamInterface<SpoilCase> {
protected:
    void SpoilCopy(const fs::path& copy) {
        const std::string bytes = ReadFile(copy.string());
        fs::remove(copy);
        switch (GetParam().spoil) {
            case Spoil::kFifo:
                ASSERT_EQ(mkfifo(copy.c_str(), 0644), 0);
                break;
            case Spoil::kLinkToZero:
                fs::create_symlink("/dev/zero", copy);
                break;
            case Spoil::kLinkToACopy:
                WriteFile((m_home.Root() / "elsewhere.txt").string(), bytes);
                fs::create_symlink(m_home.Root() / "elsewhere.txt", copy);
                break;
            case Spoil::kHuge:
                WriteFile(copy.string(), bytes);
                fs::resize_file(copy, 8ull << 30);  // sparse: no disk is filled
                break;
            case Spoil::kDirectory:
                fs::create_directory(copy);
                break;
            case Spoil::kDeleted:
                break;
            case Spoil::kHalf:
                WriteFile(copy.string(), bytes.substr(0, bytes.rfind('\n', bytes.size() / 2) + 1));
                break;
            case Spoil::kHeader:
                WriteFile(copy.string(), bytes.substr(0, bytes.find('\n') + 1));
                break;
        }
    }
};

TEST_P(SpoiledCopyTest, ProgressStaysHere_TheOwnerPutsItsJournalBack) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    DeliverAll(a, b);
    Join(b);
    std::mt19937 random(3);
    Study(b, 8, random);
    DeliverJournal(b, a);
    const auto before = Progress(a);
    const std::string name = "journal-" + b.Device() + ".txt";

    SpoilCopy(a.sync / name);
    const ListSync::Report report = Sync(a);
    EXPECT_EQ(Progress(a), before);
    const bool told = std::any_of(report.notes.begin(), report.notes.end(),
                                  [&](auto& note) { return note.find(name) != std::string::npos; });
    EXPECT_EQ(told, GetParam().isTold);
    // Studying on here keeps what b did as well.
    Study(a, 4, random);
    EXPECT_EQ(Tool(a, {"sync", "--list", "gre"}).find("cannot"), std::string::npos);

    SpoilCopy(b.sync / name);
    Sync(b);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(b.sync / name)));
    EXPECT_EQ(ReadFile((b.sync / name).string()),
              ReadFile((b.List() / "sync/journal.txt").string()));
    fs::remove_all(a.sync / name);
    DeliverJournal(b, a);
    DeliverJournal(a, b);
    EXPECT_EQ(Progress(a), Progress(b));
    EXPECT_EQ(a.arrived, 8u);
    EXPECT_EQ(b.arrived, 4u);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, SpoiledCopyTest,
    testing::Values(SpoilCase{Spoil::kFifo, true}, SpoilCase{Spoil::kLinkToZero, true},
                    SpoilCase{Spoil::kLinkToACopy, true}, SpoilCase{Spoil::kHuge, true},
                    SpoilCase{Spoil::kDirectory, true}, SpoilCase{Spoil::kDeleted, false},
                    SpoilCase{Spoil::kHalf, false}, SpoilCase{Spoil::kHeader, false}));

// A line another computer's journal holds, forged or damaged, as it would be written.
std::string EditLine(const std::string& device, uint64_t sequence, const std::string& word,
                     const std::string& text, const std::string& definition) {
    JournalEvent edit;
    edit.kind = JournalEvent::Kind::kEdit;
    edit.time = {HybridClock::SystemWallMs(), 0};
    edit.device = device;
    edit.sequence = sequence;
    edit.word = word;
    edit.text = text;
    edit.definition = definition;
    return JournalLine::Encode(edit);
}

TEST_F(ListSyncTest, EditsThatNoEntryMayHold_RefusedWithTheirLine_TheRestRead) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    DeliverAll(a, b);
    Join(b);
    const std::string name = "journal-" + b.Device() + ".txt";
    std::string copy = ReadFile((b.sync / name).string());
    const std::string words = ReadFile((a.List() / "list/kelvo.lst").string());
    const std::pair<std::string, std::string> refused[] = {
        {"ca\x1bt", "a cat"},
        {"ca\nt", "a cat"},
        {"", "nothing"},
        {std::string(31, 'w'), "one byte too long"},
        {"достопримечательность и другие",  // thirty characters: more than compact holds
         "a sight"},
        {"cat", std::string(300, 'd')},
    };
    size_t line = 1 + std::count(copy.begin(), copy.end(), '\n') - 1;
    for (const auto& [text, definition] : refused) {
        ++line;
        copy += EditLine(b.Device(), line - 1, "1", text, definition);
    }
    // A kind of event a newer computer writes, twice: passed over with one note.
    copy += "X " + std::to_string(HybridClock::SystemWallMs()) + " 0 " + b.Device() + " " +
            std::to_string(line) + " new\n";
    copy += "X " + std::to_string(HybridClock::SystemWallMs()) + " 0 " + b.Device() + " " +
            std::to_string(line + 1) + " new\n";
    line += 3;
    copy += EditLine(b.Device(), line - 1, "2", "chien", "a dog");
    WriteFile((a.sync / name).string(), copy);

    const ListSync::Report report = Sync(a);
    std::vector<std::string> damaged, later;
    for (const std::string& note : report.notes) {
        if (note.find("newer Quibbix") != std::string::npos)
            later.push_back(note);
        else if (note.find(name + ":") != std::string::npos)
            damaged.push_back(note);
    }
    EXPECT_EQ(damaged.size(), std::size(refused)) << testing::PrintToString(report.notes);
    EXPECT_EQ(later.size(), 1u) << testing::PrintToString(report.notes);
    EXPECT_NE(damaged.front().find(name + ":2:"), std::string::npos) << damaged.front();
    EXPECT_NE(damaged.front().find("U+001B"), std::string::npos) << damaged.front();
    EXPECT_EQ(report.editsArrived, 1u);
    const std::string now = ReadFile((a.List() / "list/kelvo.lst").string());
    EXPECT_EQ(now.substr(0, WordListFile::kRecordSize), words.substr(0, WordListFile::kRecordSize));
    EXPECT_EQ(now.substr(WordListFile::kRecordSize + WordListFile::kWordOffset, 6),
              std::string("chien\0", 6));
    Tool(a, {"check", (a.List() / "list/kelvo.lst").string()});
}

// Join, a sync with answers arrived, a sync with a word edit arrived and leave, each killed
// after every one of its file changes: the list reads back whole, and the next sync (a join
// again, where the killed join had not joined yet) ends where an uninterrupted run ends, with
// every judgement counted once.
enum class Killed { kJoin, kAnswersArrived, kEditArrived, kLeave };

class KilledSyncTest : public ListSyncTest, public testing::WithParamInterface<Killed> {
protected:
    // The operation on `on`, through `files`; `answers` are those it records.
    bool Run(Computer& on, FileSystem& files) {
        ListSync::Options options = on.Clock();
        options.files = &files;
        ListSync::Report report;
        std::string error;
        switch (GetParam()) {
            case Killed::kJoin:
                return ListSync::Join(on.home, on.List(), on.sync, report, error, options);
            case Killed::kAnswersArrived:
            case Killed::kEditArrived: {
                const bool synced =
                    ListSync::Sync(on.home, on.List(), ListFolder::Direction::kForwards, m_answers,
                                   -1, report, error, options);
                m_taken = synced || report.answersTaken;
                return synced;
            }
            case Killed::kLeave:
                return ListSync::Leave(on.List(), error, files);
        }
        return false;
    }
    // What the next program does: join again if the list is not joined yet, then sync, with
    // the answers a killed sync did not take.
    void Finish(Computer& on) {
        if (GetParam() == Killed::kLeave) return;
        if (!ListSync::IsJoined(on.List())) Join(on);
        Sync(on, m_taken ? std::vector<AnswerLog::Entry>() : m_answers);
    }

    std::vector<AnswerLog::Entry> m_answers;
    bool m_taken = true;
};

TEST_P(KilledSyncTest, KilledAfterAnyChange_WholeList_NextSyncEndsAsIfNeverKilled) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    std::mt19937 random(5);
    Study(a, 6, random);
    DeliverAll(a, b);
    if (GetParam() == Killed::kJoin) {
        AddList(b);
    } else {
        Join(b);
        if (GetParam() == Killed::kEditArrived) Update(a, "meaning one, reworded", "fresh");
        Study(a, 5, random);
        Deliver(a, b, "journal-" + a.Device() + ".txt");
        AnswerLog::Entry answer;
        answer.wordIndex = 3;
        answer.judgement = 1;
        answer.wallMs = HybridClock::SystemWallMs();
        m_answers = {answer};
    }
    const fs::path saved = m_home.Root() / "saved", savedSync = m_home.Root() / "saved-sync";
    fs::copy(b.home, saved, fs::copy_options::recursive);
    fs::copy(b.sync, savedSync, fs::copy_options::recursive);
    const auto restore = [&] {
        fs::remove_all(b.home);
        fs::remove_all(b.sync);
        fs::copy(saved, b.home, fs::copy_options::recursive);
        fs::copy(savedSync, b.sync, fs::copy_options::recursive);
    };

    FaultyFileSystem counting;
    ASSERT_TRUE(Run(b, counting));
    Finish(b);
    const auto after = Progress(b);
    const bool joinedAfter = ListSync::IsJoined(b.List());
    const long changes = static_cast<long>(counting.log.size());
    ASSERT_GT(changes, 0);
    for (long kill = 0; kill < changes; ++kill) {
        restore();
        FaultyFileSystem faulty;
        faulty.changesBeforeKill = kill;
        Run(b, faulty);
        std::string message;
        ASSERT_TRUE(ListGuard::Check(DefaultFileSystem(), b.List(), message))
            << "killed after " << counting.log[kill] << ": " << message;
        Finish(b);
        EXPECT_EQ(Progress(b), after) << "killed after " << counting.log[kill];
        if (GetParam() != Killed::kLeave) {
            EXPECT_EQ(ListSync::IsJoined(b.List()), joinedAfter);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Operations, KilledSyncTest,
                         testing::Values(Killed::kJoin, Killed::kAnswersArrived,
                                         Killed::kEditArrived, Killed::kLeave));

TEST_F(ListSyncTest, CopyOverTheEventLimit_PassedOverNamingIt_NeitherKeptNorMerged) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    DeliverAll(a, b);
    Join(b);
    std::mt19937 random(4);
    Study(b, 8, random);
    Deliver(b, a, "journal-" + b.Device() + ".txt");
    const auto before = Progress(a);
    ListSync::Options options = a.Clock();
    options.maxEvents = 5;
    ListSync::Report report;
    std::string error;
    EXPECT_TRUE(ListSync::Sync(a.home, a.List(), ListFolder::Direction::kForwards, {}, -1, report,
                               error, options))
        << error;
    const std::string notes = testing::PrintToString(report.notes);
    EXPECT_NE(notes.find("more than 5 events"), std::string::npos) << notes;
    EXPECT_EQ(Progress(a), before);
    EXPECT_FALSE(fs::exists(a.List() / "sync/kept" / ("journal-" + b.Device() + ".txt")));
    Sync(a);
    EXPECT_EQ(a.arrived, 8u);
}

}  // namespace

namespace {

class ListSyncMediaTest : public ListSyncTest {
protected:
    // Gives the first word `media` (paths of files, or names the list keeps), as the Words
    // window saves.
    void GiveFirstWord(const Computer& on, CardMedia media) {
        ImportPlan plan;
        plan.pairedList = ReadFile((on.List() / "list/kelvo.lst").string());
        size_t trailing = 0;
        plan.records = WordListFile::ParseAll(plan.pairedList, trailing);
        const MediaIndex index = MediaIndex::Load(on.List());
        for (size_t i = 0; i < plan.records.size(); ++i) {
            plan.pairing.push_back(static_cast<int>(i));
            const CardMedia* had = index.Find(plan.records[i]);
            plan.media.push_back(had ? *had : CardMedia());
        }
        plan.media[0] = std::move(media);
        plan.isMediaWhole = true;
        plan.mediaSource = std::make_shared<FolderMedia>();
        ListStore store(on.home, m_home.Defaults());
        std::string report, error;
        ASSERT_TRUE(ListImporter::Update(store, plan, "gre", report, error)) << error;
    }
    static CardMedia FirstWordsMedia(const Computer& on) {
        const MediaIndex index = MediaIndex::Load(on.List());
        const CardMedia* media = index.Find({"w1", "meaning 1"});
        return media ? *media : CardMedia();
    }
};

TEST_F(ListSyncMediaTest, ACardsFilesTravel_CheckedAgainstTheirNames_AndGoWhenTakenAway) {
    Computer a = Make("a"), b = Make("b");
    Start(a);
    DeliverAll(a, b);
    Join(b);
    const fs::path picture = m_home.Root() / "owl.png";
    QImage owl(6, 4, QImage::Format_RGB32);
    owl.fill(Qt::darkYellow);
    ASSERT_TRUE(owl.save(QString::fromStdString(picture.string()), "PNG"));
    GiveFirstWord(a, {"", "", picture.string(), ""});
    const std::string name = FirstWordsMedia(a).definitionPicture;
    ASSERT_TRUE(MediaStore::IsStoredName(name));
    // The folder away (a stick unplugged), the change is told once however often it syncs.
    const fs::path away = a.sync.string() + "-away";
    fs::rename(a.sync, away);
    EXPECT_TRUE(Sync(a).isFolderAway);
    Sync(a);
    fs::rename(away, a.sync);
    Sync(a);
    const std::string told = ReadFile((a.List() / "sync/journal.txt").string());
    const size_t first = told.find("\nM ");
    ASSERT_NE(first, std::string::npos) << told;
    EXPECT_EQ(told.find("\nM ", first + 1), std::string::npos) << told;
    EXPECT_NE(ReadFile((a.List() / "sync/journal.txt").string()).find("M "), std::string::npos);

    // The journal before the file, then a forged file under its name: nothing comes in, and
    // the sync that finds the true file takes it, though nothing else changed.
    DeliverJournal(a, b);
    Sync(b);
    EXPECT_EQ(FirstWordsMedia(b).definitionPicture, name);
    EXPECT_FALSE(MediaStore(b.List()).Has(name));
    fs::create_directories(b.sync / "media");
    WriteFile((b.sync / "media" / name).string(), "forged");
    const ListSync::Report forged = Sync(b);
    ASSERT_FALSE(forged.notes.empty());
    EXPECT_NE(forged.notes.back().find(name), std::string::npos) << forged.notes.back();
    EXPECT_FALSE(MediaStore(b.List()).Has(name));
    Deliver(a, b, "media/" + name);
    Sync(b);
    ASSERT_TRUE(MediaStore(b.List()).Verified(name));
    EXPECT_EQ(ReadFile((b.List() / MediaStore::kDir / name).string()), ReadFile(picture.string()));

    // Taken away on b, it goes from a, file and all.
    GiveFirstWord(b, {});
    Sync(b);
    DeliverJournal(b, a);
    Sync(a);
    EXPECT_TRUE(FirstWordsMedia(a).IsEmpty());
    EXPECT_FALSE(MediaStore(a.List()).Has(name));
    EXPECT_EQ(ReadFile((a.List() / MediaIndex::kFile).string()),
              ReadFile((b.List() / MediaIndex::kFile).string()));
}

}  // namespace
