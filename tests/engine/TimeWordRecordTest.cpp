// SPDX-License-Identifier: GPL-2.0-or-later
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
