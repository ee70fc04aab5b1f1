// SPDX-License-Identifier: GPL-2.0-or-later
// The merge of several computers' journals, as simulated computers study apart and their
// journals reach each other in every order, cut short, twice and stale.

#include "engine/FileSystem.h"
#include "sync/HybridClock.h"
#include "sync/Journal.h"
#include "sync/JournalLine.h"
#include "sync/JournalMerge.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

constexpr int64_t kHourMs = 3600 * 1000;

// A computer that studies: its own wall clock (off by `skewMs`), its clock and its journal.
class Device {
public:
    Device(std::string id, const int64_t& wall, int64_t skewMs)
        : m_id(std::move(id)),
          m_clock([&wall, skewMs] { return wall + skewMs; }),
          m_bytes(JournalLine::EncodeHeader(m_id)) {}

    const JournalEvent& Judge(const std::string& word, int code) {
        JournalEvent event;
        event.word = word;
        event.code = code;
        return Write(std::move(event));
    }
    const JournalEvent& Undo() {
        JournalEvent event;
        event.kind = JournalEvent::Kind::kUndo;
        event.undone = m_events.back().sequence;
        return Write(std::move(event));
    }
    // What a sync brings: the other's whole journal as it stands.
    void Read(const Device& other) {
        if (!other.m_events.empty()) m_clock.Observe(other.m_events.back().time);
    }

    const std::string& id() const { return m_id; }
    const std::vector<JournalEvent>& events() const { return m_events; }
    const std::string& bytes() const { return m_bytes; }

private:
    const JournalEvent& Write(JournalEvent event) {
        event.time = m_clock.Now();
        event.device = m_id;
        event.sequence = m_events.size() + 1;
        m_bytes += JournalLine::Encode(event);
        m_events.push_back(std::move(event));
        return m_events.back();
    }

    std::string m_id;
    HybridClock m_clock;
    std::string m_bytes;
    std::vector<JournalEvent> m_events;
};

// Three computers study one 30-word list for 40 sessions, syncing now and then: the second's
// clock is an hour behind, the third joins after 25 sessions.
class SimulatedStudy {
public:
    SimulatedStudy() {
        m_devices.emplace_back("aaaaaaaaaaaa", m_wall, 0);
        m_devices.emplace_back("bbbbbbbbbbbb", m_wall, -kHourMs);
        m_devices.emplace_back("cccccccccccc", m_wall, 0);
        std::mt19937 random(29);
        for (int session = 0; session < 40; ++session) {
            m_wall += 60 * 1000;
            const size_t active = session < 25 ? 2 : 3;
            for (size_t d = 0; d < active; ++d) {
                for (int i = 0; i < 1 + int(random() % 4); ++i) {
                    m_devices[d].Judge(std::to_string(1 + random() % 30), int(random() % 4));
                }
                if (random() % 5 == 0) m_devices[d].Undo();
            }
            if (session % 7 == 6) {
                for (Device& to : m_devices)
                    for (const Device& from : m_devices) to.Read(from);
            }
        }
    }

    std::vector<Device>& devices() { return m_devices; }
    std::vector<JournalEvent> AllEvents() const {
        std::vector<JournalEvent> all;
        for (const Device& device : m_devices)
            all.insert(all.end(), device.events().begin(), device.events().end());
        return all;
    }

private:
    int64_t m_wall = 1765000000000;
    std::vector<Device> m_devices;
};

void Deliver(const Device& device, const std::string& bytes) {
    WriteFile("folder/" + Journal::CopyName(device.id()), bytes);
}

std::vector<JournalEvent> MergeFolder(JournalMerge& merge) {
    std::vector<std::string> problems;
    std::string error;
    EXPECT_TRUE(merge.AddFolder(DefaultFileSystem(), "folder", problems, error)) << error;
    EXPECT_TRUE(problems.empty()) << problems.front();
    return merge.Events();
}

// A cut in the middle of a line, as a copy in progress leaves it.
std::string CutShort(const std::string& bytes, size_t share) {
    const size_t lineStart = bytes.rfind('\n', bytes.size() * share / 4) + 1;
    return bytes.substr(0, lineStart + 7);
}

TEST(JournalMergeTest, EveryDeliveryOrder_CutShortTwiceAndStale_SameMergeEveryEventOnce) {
    SimulatedStudy study;
    JournalMerge reference;
    reference.Add(study.AllEvents());
    ASSERT_EQ(reference.Events().size(), study.AllEvents().size());
    std::set<std::pair<std::string, uint64_t>> keys;
    for (const JournalEvent& event : reference.Events())
        keys.insert({event.device, event.sequence});
    EXPECT_EQ(keys.size(), reference.Events().size());

    std::vector<size_t> order = {0, 1, 2};
    do {
        TempDir dir(false);
        std::filesystem::create_directory("folder");
        JournalMerge merge;
        for (size_t d : order) {
            Deliver(study.devices()[d], CutShort(study.devices()[d].bytes(), 1 + d));
            MergeFolder(merge);
        }
        for (size_t d : order) {
            Deliver(study.devices()[d], study.devices()[d].bytes());
            MergeFolder(merge);
            MergeFolder(merge);
        }
        // A stale copy delivered back loses nothing.
        Deliver(study.devices()[order[0]], CutShort(study.devices()[order[0]].bytes(), 2));
        EXPECT_EQ(MergeFolder(merge), reference.Events());
        // Nor does adding events merged already, in another order.
        std::vector<JournalEvent> again = study.AllEvents();
        std::reverse(again.begin(), again.end());
        merge.Add(again);
        EXPECT_EQ(merge.Events(), reference.Events());
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST(JournalMergeTest, ClockAnHourBehind_EventsAfterASyncFollowWhatItRead) {
    int64_t wall = 1765000000000;
    Device ahead("aaaaaaaaaaaa", wall, 0);
    Device behind("bbbbbbbbbbbb", wall, -kHourMs);
    const JournalEvent before = behind.Judge("1", 0);
    const JournalEvent read = ahead.Judge("1", 2);
    behind.Read(ahead);
    wall += 1000;
    const JournalEvent after = behind.Judge("1", 3);
    JournalMerge merge;
    merge.Add(behind.events());
    merge.Add(ahead.events());
    ASSERT_EQ(merge.Events(), (std::vector<JournalEvent>{before, read, after}));
}

TEST(JournalMergeTest, SameWordSameMillisecond_BothJudgementsKept_DeviceBreaksTheTie) {
    int64_t wall = 1765000000000;
    Device first("aaaaaaaaaaaa", wall, 0);
    Device second("cccccccccccc", wall, 0);
    const JournalEvent b = second.Judge("7", 1);
    const JournalEvent a = first.Judge("7", 0);
    ASSERT_EQ(a.time, b.time);
    JournalMerge merge;
    merge.Add({b, a, b});
    EXPECT_EQ(merge.Events(), (std::vector<JournalEvent>{a, b}));
}

TEST(JournalMergeTest, TwoEventsUnderOneKey_TheSameOneKeptWhateverCameFirst) {
    int64_t wall = 1765000000000;
    Device device("aaaaaaaaaaaa", wall, 0);
    JournalEvent one = device.Judge("7", 1);
    JournalEvent other = one;
    other.code = 2;
    for (bool oneFirst : {true, false}) {
        JournalMerge merge;
        merge.Add({oneFirst ? one : other});
        merge.Add({oneFirst ? other : one});
        EXPECT_EQ(merge.Events(), std::vector<JournalEvent>{one});
    }
}

TEST(JournalMergeTest, Checkpoint_LateJoinerContinues_OlderArrivalRestartsReplay) {
    int64_t wall = 1765000000000;
    Device a("aaaaaaaaaaaa", wall, 0);
    Device b("bbbbbbbbbbbb", wall, -kHourMs);
    Device late("cccccccccccc", wall, 0);
    a.Judge("1", 0);
    a.Judge("2", 0);
    JournalMerge merge;
    merge.Add(a.events());
    const JournalMerge::Checkpoint checkpoint = merge.CheckpointAt(merge.Events().size());
    EXPECT_TRUE(merge.Since(checkpoint).continuesCheckpoint);
    EXPECT_EQ(merge.Since(checkpoint).resumeAt, 2u);

    late.Read(a);
    wall += 1000;
    late.Judge("1", 3);
    merge.Add(late.events());
    const JournalMerge::Delta joined = merge.Since(checkpoint);
    EXPECT_TRUE(joined.continuesCheckpoint);
    EXPECT_EQ(joined.resumeAt, 2u);

    // Studied offline with a slow clock: its judgement comes before the checkpoint's.
    b.Judge("2", 1);
    merge.Add(b.events());
    EXPECT_EQ(merge.Events().front().device, "bbbbbbbbbbbb");
    const JournalMerge::Delta restarted = merge.Since(merge.CheckpointAt(3));
    EXPECT_FALSE(merge.Since(checkpoint).continuesCheckpoint);
    EXPECT_EQ(merge.Since(checkpoint).resumeAt, 0u);
    EXPECT_TRUE(restarted.continuesCheckpoint);
    EXPECT_EQ(restarted.resumeAt, 3u);
}

class SyncEngineFileTest : public testing::TestWithParam<std::pair<const char*, bool>> {};

TEST_P(SyncEngineFileTest, Recognised) {
    EXPECT_EQ(JournalMerge::IsSyncEngineFile(GetParam().first), GetParam().second);
    std::string device;
    EXPECT_EQ(JournalMerge::IsJournalName(GetParam().first, device),
              !GetParam().second && std::string(GetParam().first).size() == 24);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SyncEngineFileTest,
    testing::Values(std::make_pair("journal-aaaaaaaaaaaa.txt", false),
                    std::make_pair(".stfolder", true),
                    std::make_pair(".syncthing.journal-aaaaaaaaaaaa.txt.tmp", true),
                    std::make_pair("~syncthing~journal-aaaaaaaaaaaa.txt.tmp", true),
                    std::make_pair("journal-aaaaaaaaaaaa.sync-conflict-20261209-101010-ABCDEFG.txt",
                                   true),
                    std::make_pair("journal-aaaaaaaaaaaa (conflicted copy 2026-12-09).txt", true),
                    std::make_pair("journal-aaaaaaaaaaaa (Case Conflict).txt", true),
                    std::make_pair(".dropbox.cache", true), std::make_pair("._sync_1a2b.db", true),
                    std::make_pair(".nextcloudsync.log", true),
                    std::make_pair("journal-aaaaaaaaaaaa.txt.partial", true),
                    std::make_pair("notes.txt", false)));

TEST(JournalMergeTest, Folder_SyncEngineFilesIgnored_NewerFormatRefusedOthersRead) {
    TempDir dir(false);
    std::filesystem::create_directories("folder/.stfolder");
    int64_t wall = 1765000000000;
    Device a("aaaaaaaaaaaa", wall, 0);
    a.Judge("1", 0);
    Deliver(a, a.bytes());
    Device forged("aaaaaaaaaaaa", wall, 0);
    forged.Judge("9", 3);
    forged.Judge("9", 3);
    WriteFile("folder/journal-aaaaaaaaaaaa.sync-conflict-20261209-101010-ABCDEFG.txt",
              forged.bytes());
    WriteFile("folder/.syncthing.journal-aaaaaaaaaaaa.txt.tmp", forged.bytes());
    WriteFile("folder/journal-dddddddddddd.txt", "quibbix-journal 2 dddddddddddd\nZ 1\n");
    JournalMerge merge;
    std::vector<std::string> problems;
    std::string error;
    ASSERT_TRUE(merge.AddFolder(DefaultFileSystem(), "folder", problems, error));
    EXPECT_EQ(merge.Events(), a.events());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0],
              "folder/journal-dddddddddddd.txt: written in journal format 2 by a newer Quibbix; "
              "this one reads format 1 and leaves the journal unread until it is updated");
}

}  // namespace
