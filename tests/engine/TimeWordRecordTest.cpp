// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/BreakRecord.h"
#include "engine/TimeWordRecord.h"
#include "tests/engine/FakeEnv.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class TimeWordRecordTest : public ::testing::Test {
protected:
    void Advance(int seconds) { env.now += seconds; }

    TempDir dir;
    FakeEnv env;
    std::unique_ptr<CTimeWordRecord> record = std::make_unique<CTimeWordRecord>(env);
};

TEST_F(TimeWordRecordTest, NoFile_TotalEqualsRunTime) {
    record->Load();
    record->Start();
    Advance(42);
    EXPECT_EQ(42, record->GetRunTime());
    EXPECT_EQ(42, record->GetTotalTime());
}

TEST_F(TimeWordRecordTest, LoadedTotal_GrowsAndKeepsItsFraction) {
    WriteFile("session/Time.txt", "  12.5 trailing words");
    record->Load();
    record->Start();
    Advance(3);
    record->Stop();
    EXPECT_EQ(15, record->GetTotalTime());
    EXPECT_EQ(3, record->GetRunTime());
    record->Save();
    EXPECT_EQ("15.5", ReadFile("session/Time.txt"));
}

TEST_F(TimeWordRecordTest, Stopwatch_CountsEachSecondOnce) {
    record->Stop();  // without a Start: adds nothing
    record->Start();
    Advance(5);
    record->Start();  // keeps the interval already counted
    Advance(5);
    record->Save();  // brings the total up to date and goes on running
    EXPECT_EQ("10.0", ReadFile("session/Time.txt"));
    Advance(5);
    record->Stop();
    Advance(100);
    EXPECT_EQ(15, record->GetRunTime());
    EXPECT_FALSE(record->IsRunning());
}

TEST_F(TimeWordRecordTest, Destruction_WritesTheSameTotalAgain) {
    WriteFile("session/Time.txt", "3725.0");
    record->Load();
    record->Start();
    Advance(10);
    record->Stop();
    record->Save();
    EXPECT_EQ("3735.0", ReadFile("session/Time.txt"));
    WriteFile("session/Time.txt", "overwritten");
    record.reset();
    EXPECT_EQ("3735.0", ReadFile("session/Time.txt"));
}

TEST_F(TimeWordRecordTest, UnreadableFiles_KeepTotal) {
    WriteFile("session/Time.txt", "abc");
    record->Load();
    EXPECT_EQ(0, record->GetTotalTime());
    WriteFile("session/Time.txt", "1e300");
    record->Load();
    EXPECT_EQ(INT32_MAX, record->GetTotalTime());  // clamped, not undefined
}

TEST_F(TimeWordRecordTest, ClockSetBack_ShrinksTotals) {
    record->Start();
    Advance(10);
    Advance(-4);
    EXPECT_EQ(6, record->GetRunTime());
}

TEST_F(TimeWordRecordTest, MissingSessionDir_SavesNothingQuietly) {
    std::filesystem::remove_all("session");
    record->Start();
    Advance(1);
    record->Save();
    EXPECT_FALSE(FileExists("session/Time.txt"));
}

}  // namespace

namespace {

// Held back, the time since the last input is neither saved nor shown until an input
// confirms it, and going away drops it: nothing saved is ever taken back.
TEST_F(TimeWordRecordTest, HeldBack_TimeSinceTheLastInputWaitsForTheNext) {
    record->HoldBackSinceInput(true);
    record->Start();
    Advance(10);
    record->NoteInput();
    Advance(4);
    record->Save();
    EXPECT_EQ("10.0", ReadFile("session/Time.txt"));
    EXPECT_EQ(10, record->GetRunTime());
    record->NoteInput();
    EXPECT_EQ(14, record->GetRunTime());
    Advance(100);
    record->GoAway();
    EXPECT_FALSE(record->IsRunning());
    Advance(3600);
    record->Save();
    EXPECT_EQ("14.0", ReadFile("session/Time.txt"));
    // Back: from the return on.
    record->NoteInput();
    record->Start();
    Advance(2);
    record->NoteInput();
    EXPECT_EQ(16, record->GetTotalTime());
}

TEST(BreakRecordTest, ABreaksTimeRunsOnTheWallClock_NeverLongerThanItWas) {
    BreakRecord record;
    record.breakStartedS = 1000;
    record.breakLeftMs = 90000;  // saved 30 s in
    EXPECT_EQ(record.LeftAt(1040), 80000);
    EXPECT_EQ(record.LeftAt(1030), 90000);
    EXPECT_EQ(record.LeftAt(1200), 0) << "ran out while closed";
    EXPECT_EQ(record.LeftAt(500), 90000) << "a clock set back never lengthens it";
    EXPECT_EQ(BreakRecord().LeftAt(1040), 0);

    const BreakRecord read = BreakRecord::Parse(record.Serialize());
    EXPECT_EQ(read.breakStartedS, 1000);
    EXPECT_EQ(read.breakLeftMs, 90000);
    // Read as hostile: what does not read is nothing counted.
    const BreakRecord damaged = BreakRecord::Parse(
        "quibbix-break 1\nstudy-ms\t-5\nwords\t99999999999\nbreak-left-ms\t999999\nwords\t12\n");
    EXPECT_EQ(damaged.msSinceBreak, 0);
    EXPECT_EQ(damaged.wordsSinceBreak, 12);
    EXPECT_EQ(damaged.breakLeftMs, 0);
    EXPECT_EQ(BreakRecord::Parse("something else\nwords\t12\n").wordsSinceBreak, 0);
}

}  // namespace
