// SPDX-License-Identifier: GPL-2.0-or-later
// The files one computer writes for a sync folder: its device id, its journal's lines and the
// journal and its copy.

#include "engine/AtomicFile.h"
#include "sync/DeviceId.h"
#include "sync/HybridClock.h"
#include "sync/Journal.h"
#include "sync/JournalLine.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

JournalEvent Judgement(int64_t ms, uint64_t sequence, const std::string& word, int code) {
    JournalEvent event;
    event.time = {ms, 0};
    event.device = "3f09a1c2b7e4";
    event.sequence = sequence;
    event.word = word;
    event.code = code;
    return event;
}

TEST(DeviceIdTest, MadeOnce_ReadBackUnchanged) {
    TempDir dir(false);
    std::string first, second, notice, error;
    ASSERT_TRUE(DeviceId::LoadOrCreate(DefaultFileSystem(), ".", first, notice, error));
    EXPECT_TRUE(DeviceId::IsValid(first));
    ASSERT_TRUE(DeviceId::LoadOrCreate(DefaultFileSystem(), ".", second, notice, error,
                                       [] { return uint64_t{7}; }));
    EXPECT_EQ(first, second);
    EXPECT_EQ(ReadFile("device-id.txt"), first + "\n");
    EXPECT_EQ(notice, "");
}

class DamagedDeviceIdTest : public testing::TestWithParam<const char*> {};

TEST_P(DamagedDeviceIdTest, Replaced_AndSaidSo) {
    TempDir dir(false);
    WriteFile("device-id.txt", GetParam());
    std::string id, notice, error;
    ASSERT_TRUE(DeviceId::LoadOrCreate(DefaultFileSystem(), ".", id, notice, error,
                                       [] { return uint64_t{0xabc}; }));
    EXPECT_EQ(id, "cba000000000");
    EXPECT_EQ(ReadFile("device-id.txt"), "cba000000000\n");
    EXPECT_NE(notice.find("./device-id.txt: held no device id"), std::string::npos) << notice;
    EXPECT_EQ(notice.find('\x1b'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedDeviceIdTest,
                         testing::Values("", "3f09a1c2b7\n", "3F09A1C2B7E4\n", "3f09a1c2b7e4x\n",
                                         "\x1b[2J3f09a1c2b7e4"));

TEST(DeviceIdTest, UnreadableFile_KeptAndReported) {
    TempDir dir(false);
    std::filesystem::create_directory("device-id.txt");
    std::string id, notice, error;
    EXPECT_FALSE(DeviceId::LoadOrCreate(DefaultFileSystem(), ".", id, notice, error));
    EXPECT_EQ(error, "./device-id.txt: it is a directory");
    EXPECT_TRUE(std::filesystem::is_directory("device-id.txt"));
}

TEST(HybridClockTest, WallClockGoesBack_TimesStillRise) {
    int64_t wall = 5000;
    HybridClock clock([&] { return wall; });
    const HybridTime a = clock.Now();
    wall = 1000;  // set back by the user
    const HybridTime b = clock.Now();
    const HybridTime c = clock.Now();
    wall = 6000;
    const HybridTime d = clock.Now();
    EXPECT_TRUE(a < b && b < c && c < d);
    EXPECT_EQ(d, (HybridTime{6000, 0}));
}

TEST(HybridClockTest, RemoteAnHourAhead_NextTimeAfterIt) {
    const int64_t hour = 3600 * 1000;
    int64_t wall = 10 * hour;
    HybridClock behind([&] { return wall; });
    HybridClock ahead([&] { return wall + hour; });
    const HybridTime remote = ahead.Now();
    behind.Observe(remote);
    EXPECT_TRUE(remote < behind.Now());
    // The one ahead reading a computer an hour behind keeps its own time.
    HybridClock alsoBehind([&] { return wall; });
    ahead.Observe(alsoBehind.Now());
    EXPECT_EQ(ahead.Now(), (HybridTime{11 * hour, 1}));
}

TEST(HybridClockTest, RemoteYearsAhead_PassedOver) {
    int64_t wall = 1765000000000;
    HybridClock clock([&] { return wall; });
    clock.Observe({wall + HybridClock::kMaxAheadMs + 1, 0});
    EXPECT_EQ(clock.Now(), (HybridTime{wall, 0}));
}

struct LineCase {
    const char* name;
    JournalEvent event;
};

JournalEvent Edit(const std::string& text, const std::string& definition) {
    JournalEvent event = Judgement(1765276390000, 9, "3f09a1c2b7e4.9", 0);
    event.kind = JournalEvent::Kind::kEdit;
    event.text = text;
    event.definition = definition;
    return event;
}

class JournalLineRoundTripTest : public testing::TestWithParam<LineCase> {};

TEST_P(JournalLineRoundTripTest, DecodesToTheSameEvent) {
    const std::string line = JournalLine::Encode(GetParam().event);
    ASSERT_EQ(line.back(), '\n');
    ASSERT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
    JournalEvent decoded;
    std::string reason;
    ASSERT_TRUE(JournalLine::Decode(line.substr(0, line.size() - 1), decoded, reason)) << reason;
    EXPECT_EQ(decoded, GetParam().event) << line;
}

JournalEvent Backwards() {
    JournalEvent event = Judgement(1765276381123, 48213, "1523", 3);
    event.direction = JournalEvent::Direction::kBackwards;
    event.wallOffsetS = -3600;
    return event;
}

JournalEvent Undo() {
    JournalEvent event = Judgement(1765276382004, 48214, "", 0);
    event.kind = JournalEvent::Kind::kUndo;
    event.undone = 48213;
    return event;
}

JournalEvent Removal() {
    JournalEvent event = Judgement(1765276382004, 5, "77", 0);
    event.kind = JournalEvent::Kind::kRemove;
    return event;
}

JournalEvent Usage() {
    JournalEvent event = Judgement(1765276391000, 48217, "", 0);
    event.kind = JournalEvent::Kind::kUsage;
    event.direction = JournalEvent::Direction::kBackwards;
    event.date = "2026-12-09";
    event.seconds = 340;
    return event;
}

JournalEvent Media() {
    JournalEvent event = Edit("chat noir", "a black cat");
    event.kind = JournalEvent::Kind::kMedia;
    event.word.clear();
    event.files = {"", std::string(64, 'a') + ".ogg", std::string(64, '0') + ".webp", ""};
    return event;
}

INSTANTIATE_TEST_SUITE_P(
    Events, JournalLineRoundTripTest,
    testing::Values(LineCase{"Judgement", Judgement(1765276381123, 48213, "1523", 2)},
                    LineCase{"BackwardsWithOffset", Backwards()}, LineCase{"Undo", Undo()},
                    LineCase{"Removal", Removal()}, LineCase{"Usage", Usage()},
                    LineCase{"Media", Media()},
                    LineCase{"EditWithSpacesAndEscapes", Edit("chat noir", "100%\x7e cat")},
                    LineCase{"EditUtf8", Edit("Stra\xc3\x9f"
                                              "e",
                                              "street \xe2\x80\x94 road")}),
    [](const testing::TestParamInfo<LineCase>& param) { return std::string(param.param.name); });

TEST(JournalLineTest, Judgement_FitsTheByteBudget) {
    // A year's device and sequence numbers, a word of a 30000-word list.
    const std::string line = JournalLine::Encode(Judgement(1797000000000, 99999, "29999", 2));
    EXPECT_EQ(line, "J 1797000000000 0 3f09a1c2b7e4 99999 29999 f 2 0\n");
    EXPECT_LE(line.size(), 64u);
}

class BadLineTest : public testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(BadLineTest, Refused_WithItsReason) {
    JournalEvent event;
    std::string reason;
    EXPECT_FALSE(JournalLine::Decode(GetParam().first, event, reason));
    EXPECT_EQ(reason, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BadLineTest,
    testing::Values(
        std::make_pair("", "no event of this format (J, U, E, R, T or M)"),
        std::make_pair("X 1 0 3f09a1c2b7e4 1 5", "no event of this format (J, U, E, R, T or M)"),
        std::make_pair("J 1 0 3f09a1c2b7e4 1 5 f 2", "it has 8 fields, not 9"),
        std::make_pair("J 1 0 3f09a1c2b7e4 1 5 f 2  0", "it has 10 fields, not 9"),
        std::make_pair("J x 0 3f09a1c2b7e4 1 5 f 2 0", "no clock time"),
        std::make_pair("J 1 -1 3f09a1c2b7e4 1 5 f 2 0", "no clock time"),
        std::make_pair("J 1 0 3F09A1C2B7E4 1 5 f 2 0", "no device id"),
        std::make_pair("J 1 0 3f09a1c2b7e4 0 5 f 2 0", "no sequence number"),
        std::make_pair("J 1 0 3f09a1c2b7e4 1 05 f 2 0", "no word id"),
        std::make_pair("J 1 0 3f09a1c2b7e4 1 3f09a1c2b7e4. f 2 0", "no word id"),
        std::make_pair("J 1 0 3f09a1c2b7e4 1 5 x 2 0", "no direction (f or b)"),
        std::make_pair("J 1 0 3f09a1c2b7e4 1 5 f 4 0", "no judgement code (0 to 3)"),
        std::make_pair("J 1 0 3f09a1c2b7e4 1 5 f 2 +1", "no wall-clock offset"),
        std::make_pair("U 1 0 3f09a1c2b7e4 4 4",
                       "the event it undoes is no earlier event of its device"),
        std::make_pair("E 1 0 3f09a1c2b7e4 4 5 a%2 b", "a broken %XX escape in the word's text"),
        std::make_pair("T 1 0 3f09a1c2b7e4 4 x 2026-12-09 5", "no direction (f or b)"),
        std::make_pair("T 1 0 3f09a1c2b7e4 4 f 2026-02-30 5", "no date (YYYY-MM-DD)"),
        std::make_pair("T 1 0 3f09a1c2b7e4 4 f 2026-12-9 5", "no date (YYYY-MM-DD)"),
        std::make_pair("T 1 0 3f09a1c2b7e4 4 f 2026-12-09 -5", "no seconds of use"),
        // A file's name is its hash: never a path out of the list's media.
        std::make_pair("M 1 0 3f09a1c2b7e4 4 a b - ../../.bashrc - -",
                       "no name of a picture or recording"),
        std::make_pair("M 1 0 3f09a1c2b7e4 4 a b - - - "
                       "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA.png",
                       "no name of a picture or recording")));

TEST(JournalTest, CutMidLine_ReadUpToLastWholeLine_RestWhenWhole) {
    const std::string header = JournalLine::EncodeHeader("3f09a1c2b7e4");
    const std::string one = JournalLine::Encode(Judgement(1000, 1, "1", 0));
    const std::string two = JournalLine::Encode(Judgement(2000, 2, "2", 1));
    const std::string full = header + one + two;
    Journal::Contents contents;
    std::string error;
    ASSERT_TRUE(Journal::Parse(header.substr(0, 10), "j", contents, error));
    EXPECT_EQ(contents.wholeBytes, 0u);
    ASSERT_TRUE(Journal::Parse(full.substr(0, full.size() - 5), "j", contents, error));
    EXPECT_EQ(contents.events.size(), 1u);
    EXPECT_EQ(contents.wholeBytes, header.size() + one.size());
    ASSERT_TRUE(Journal::Parse(full, "j", contents, error));
    ASSERT_EQ(contents.events.size(), 2u);
    EXPECT_EQ(contents.events[1], Judgement(2000, 2, "2", 1));
    EXPECT_TRUE(contents.problems.empty());
}

TEST(JournalTest, DamagedLines_ReportedByNumber_OthersRead) {
    const std::string bytes = JournalLine::EncodeHeader("3f09a1c2b7e4") +
                              JournalLine::Encode(Judgement(1000, 1, "1", 0)) + "J garbage\n" +
                              "J 3 0 aaaaaaaaaaaa 3 5 f 2 0\n" +
                              JournalLine::Encode(Judgement(4000, 4, "4", 1));
    Journal::Contents contents;
    std::string error;
    ASSERT_TRUE(Journal::Parse(bytes, "j.txt", contents, error));
    EXPECT_EQ(contents.events.size(), 2u);
    ASSERT_EQ(contents.problems.size(), 2u);
    EXPECT_EQ(contents.problems[0], "j.txt:3: it has 2 fields, not 9");
    EXPECT_EQ(contents.problems[1],
              "j.txt:4: an event of device aaaaaaaaaaaa in the journal of 3f09a1c2b7e4");
}

TEST(JournalTest, NewerFormat_RefusedUnread) {
    Journal::Contents contents;
    std::string error;
    EXPECT_FALSE(Journal::Parse("quibbix-journal 2 3f09a1c2b7e4 more\nQ anything new\n", "j.txt",
                                contents, error));
    EXPECT_EQ(error,
              "j.txt: written in journal format 2 by a newer Quibbix; this one reads format 1 "
              "and leaves the journal unread until it is updated");
    EXPECT_TRUE(contents.events.empty());
    EXPECT_FALSE(Journal::Parse("\x1b]0;x\n", "j.txt", contents, error));
    EXPECT_EQ(error, "j.txt: not a Quibbix journal (its first line is \"\\x1b]0;x\")");
}

TEST(JournalTest, Append_NumbersEvents_ReopenedJournalContinues) {
    TempDir dir(false);
    std::string error;
    {
        Journal journal(DefaultFileSystem(), "journal.txt", "3f09a1c2b7e4");
        ASSERT_TRUE(journal.Open(error)) << error;
        ASSERT_TRUE(
            journal.Append({Judgement(1000, 0, "1", 0), Judgement(1001, 0, "2", 0)}, error));
    }
    Journal journal(DefaultFileSystem(), "journal.txt", "3f09a1c2b7e4");
    ASSERT_TRUE(journal.Open(error)) << error;
    EXPECT_EQ(journal.NextSequence(), 3u);
    ASSERT_TRUE(journal.Append({Judgement(1002, 0, "3", 0)}, error));
    ASSERT_EQ(journal.Events().size(), 3u);
    EXPECT_EQ(journal.Events()[2].sequence, 3u);
    Journal other(DefaultFileSystem(), "journal.txt", "aaaaaaaaaaaa");
    EXPECT_FALSE(other.Open(error));
    EXPECT_EQ(error,
              "journal.txt: the journal of device 3f09a1c2b7e4, not of this computer's "
              "aaaaaaaaaaaa");
}

TEST(JournalTest, Publish_HealsMissingShortAndStaleCopies_RecoversLostTail) {
    TempDir dir(false);
    std::filesystem::create_directory("folder");
    const std::string copy = "folder/journal-3f09a1c2b7e4.txt";
    std::string error;
    Journal journal(DefaultFileSystem(), "journal.txt", "3f09a1c2b7e4");
    ASSERT_TRUE(journal.Open(error));
    ASSERT_TRUE(journal.Append({Judgement(1000, 0, "1", 0), Judgement(1001, 0, "2", 3)}, error));
    Journal::CopyResult result;
    ASSERT_TRUE(journal.Publish("folder", result, error));
    EXPECT_EQ(result, Journal::CopyResult::kRewritten);
    ASSERT_TRUE(journal.Publish("folder", result, error));
    EXPECT_EQ(result, Journal::CopyResult::kCurrent);
    const std::string current = ReadFile("journal.txt");
    EXPECT_EQ(ReadFile(copy), current);
    for (const std::string& stale :
         {current.substr(0, current.size() - 3), current.substr(0, current.size() - 2) + "1\n",
          std::string()}) {
        WriteFile(copy, stale);
        ASSERT_TRUE(journal.Publish("folder", result, error));
        EXPECT_EQ(result, Journal::CopyResult::kRewritten);
        EXPECT_EQ(ReadFile(copy), current);
    }
    // The data folder restored from a backup that lacks the last event.
    WriteFile("journal.txt", current.substr(0, current.rfind("J ")));
    Journal restored(DefaultFileSystem(), "journal.txt", "3f09a1c2b7e4");
    ASSERT_TRUE(restored.Open(error));
    ASSERT_TRUE(restored.Publish("folder", result, error));
    EXPECT_EQ(result, Journal::CopyResult::kRecovered);
    EXPECT_EQ(ReadFile("journal.txt"), current);
    EXPECT_EQ(restored.NextSequence(), 3u);
}

}  // namespace
