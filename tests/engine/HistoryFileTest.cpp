// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/HistoryFile.h"
#include "engine/StudySession.h"
#include "engine/TimeWordRecord.h"
#include "engine/WordSelect.h"
#include "engine/WordState.h"
#include "tests/engine/FakeEnv.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace {

constexpr const char kHeader[] =
    "date\tseconds\tjudgements\ttobeviewed\tunsure\tmistaken\tnew\tlearning\tknown\tlearned\n";

// One run of the program: a session with its usage clock and history, started.
struct ProgramRun {
    explicit ProgramRun(FakeEnv& env)
        : select(env), clock(env), history(env), session(select, &clock) {
        session.SetHistory(&history);
        session.Init();
        clock.Load();
        session.WaitForStart();
        session.Press(StudySession::ANSWER_YES);
        session.NextWord();
        session.ResumeClock();
    }
    // "Don't Know" twice, `seconds` after the last answer.
    void Answer(FakeEnv& env, int seconds) {
        env.now += seconds;
        session.Press(StudySession::ANSWER_NO);
        session.Press(StudySession::ANSWER_NO);
        session.NextWord();
    }

    CWordSelect select;
    CTimeWordRecord clock;
    HistoryFile history;
    StudySession session;
};

class HistoryFileTest : public ::testing::Test {
protected:
    HistoryFileTest() { WriteFile("list/kelvo.lst", MakeWordList(20)); }

    TempDir dir;
    FakeEnv env;
};

TEST_F(HistoryFileTest, RunAcrossMidnightAndRestart_KeepsOneLinePerDay) {
    env.date = "2026-03-14";
    auto run = std::make_unique<ProgramRun>(env);
    run->Answer(env, 30);
    run->Answer(env, 20);
    run->session.Save();
    EXPECT_EQ(std::string(kHeader) + "2026-03-14\t50\t2\t17\t0\t0\t2\t0\t0\t0\n",
              ReadFile(SessionFiles::kHistory));

    // Past midnight the same run goes on in a new line; the old day keeps what it had.
    run->Answer(env, 10);
    env.date = "2026-03-15";
    run->Answer(env, 40);
    run->session.Save();
    EXPECT_EQ(std::string(kHeader) + "2026-03-14\t60\t3\t17\t0\t0\t3\t0\t0\t0\n" +
                  "2026-03-15\t40\t1\t15\t0\t0\t4\t0\t0\t0\n",
              ReadFile(SessionFiles::kHistory));

    // A restart the same day adds to that day's line.
    run.reset();
    run = std::make_unique<ProgramRun>(env);
    run->Answer(env, 5);
    run->session.Save();
    const std::vector<HistoryDay>& days = run->history.Days();
    ASSERT_EQ(2u, days.size());
    EXPECT_EQ(45, days[1].seconds);
    EXPECT_EQ(2, days[1].judgements);
    EXPECT_EQ(5, days[1].counts.lists[3]);  // the new list
    EXPECT_TRUE(env.messages.empty());
}

TEST_F(HistoryFileTest, DayWithoutStudy_GetsNoLine_AndSaveWritesNoEmptyHistory) {
    ProgramRun run(env);
    run.session.Save();
    EXPECT_FALSE(FileExists(SessionFiles::kHistory));
    env.date = "2026-03-16";
    run.Answer(env, 0);  // a judgement alone is study
    run.session.Save();
    EXPECT_EQ(1u, run.history.Days().size());
}

TEST_F(HistoryFileTest, DamagedFile_IsKeptAsBadOnce_AndStudyGoesOn) {
    const std::string damaged = std::string(kHeader) +
                                "2026-03-10\t100\t4\t16\t0\t0\t4\t0\t0\t0\n"
                                "2026-03-11\tlots\t4\n"
                                "2026-03-12\t70\t3\t15\t0\t0\t5\t0\t0\t1\r\n";
    const struct {
        const char* name;
        std::string bytes;
        size_t daysKept;
    } cases[] = {
        {"a damaged line", damaged, 2},
        {"not a history at all", "\x01\x02 something else", 0},
        {"a date twice",
         std::string(kHeader) + "2026-03-10\t1\t1\t0\t0\t0\t0\t0\t0\t0\n" +
             "2026-03-10\t2\t2\t0\t0\t0\t0\t0\t0\t0\n",
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(SessionFiles::kHistory + std::string(".bad"));
        WriteFile(SessionFiles::kHistory, c.bytes);
        env.messages.clear();
        ProgramRun run(env);
        ASSERT_EQ(1u, env.messages.size());
        EXPECT_NE(std::string::npos, env.messages[0].text.find("History.txt.bad"));
        EXPECT_EQ(c.daysKept, run.history.Days().size());
        run.Answer(env, 10);
        run.session.Save();
        EXPECT_EQ(c.bytes, ReadFile(SessionFiles::kHistory + std::string(".bad")));
        // The copy is made once: what the next save replaces is the history it wrote.
        WriteFile(SessionFiles::kHistory + std::string(".bad"), "kept");
        run.Answer(env, 10);
        run.session.Save();
        EXPECT_EQ("kept", ReadFile(SessionFiles::kHistory + std::string(".bad")));
        std::vector<HistoryDay> reread;
        EXPECT_TRUE(HistoryFile::Parse(ReadFile(SessionFiles::kHistory), reread));
        EXPECT_EQ(c.daysKept + 1, reread.size());
        EXPECT_EQ(2, reread.back().judgements);
    }
}

TEST_F(HistoryFileTest, UnreadableOrUnwritableFile_NeverStopsTheStudy) {
    FaultyFileSystem files;
    env.files = &files;
    WriteFile(SessionFiles::kHistory, kHeader);
    files.unreadable.insert(SessionFiles::kHistory);
    {
        ProgramRun run(env);
        run.Answer(env, 10);
        EXPECT_TRUE(run.session.Save());
        EXPECT_EQ(kHeader, ReadFile(SessionFiles::kHistory));  // not overwritten
    }
    files.unreadable.clear();
    files.readOnly.insert(SessionFiles::kHistory);
    ProgramRun run(env);
    run.Answer(env, 10);
    // The lists are saved all the same; the history waits for the next save.
    EXPECT_TRUE(run.session.Save());
    EXPECT_EQ("2\n", ReadFile(SessionFiles::kNew.path).substr(0, 2));
    files.readOnly.clear();
    run.session.Save();
    EXPECT_EQ(1, run.history.Days().at(0).judgements);
    EXPECT_NE(std::string::npos, ReadFile(SessionFiles::kHistory).find("2026-03-14\t10\t1\t"));
}

TEST_F(HistoryFileTest, TotalsAtTheTop_SaturateAndTheDayIsKept) {
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    const struct {
        const char* name;
        int64_t seconds;
        int64_t judgements;
    } cases[] = {
        {"both just below the top", kMax - 5, kMax - 1},
        {"both at the top", kMax, kMax},
        {"seconds only", kMax - 15, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(SessionFiles::kHistory,
                  std::string(kHeader) + "2026-03-14\t" + std::to_string(c.seconds) + "\t" +
                      std::to_string(c.judgements) + "\t0\t0\t0\t0\t0\t0\t0\n");
        ProgramRun run(env);
        run.Answer(env, 10);
        run.Answer(env, 10);
        run.session.Save();
        std::vector<HistoryDay> reread;
        ASSERT_TRUE(HistoryFile::Parse(ReadFile(SessionFiles::kHistory), reread));
        ASSERT_EQ(1u, reread.size());
        EXPECT_EQ(kMax, reread[0].seconds);
        EXPECT_EQ(c.judgements < kMax - 2 ? c.judgements + 2 : kMax, reread[0].judgements);
    }
}

TEST(HistoryFileFormatTest, Dates_AreValidatedAndCounted) {
    const struct {
        const char* date;
        int64_t day;
    } cases[] = {
        {"1970-01-01", 0},     {"2000-03-01", 11017}, {"2024-02-29", 19782},
        {"2026-03-14", 20526}, {"2023-02-29", -1},    {"2026-13-01", -1},
        {"2026-3-14", -1},     {"2026-03-1x", -1},    {"", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(c.day, HistoryFile::DayNumber(c.date)) << c.date;
}

TEST(HistoryFileFormatTest, Streaks_CountDaysInARow) {
    auto days = [](std::initializer_list<const char*> dates) {
        std::vector<HistoryDay> result;
        for (const char* date : dates) result.push_back({date, 1, 1, {}});
        return result;
    };
    const auto history = days({"2026-02-27", "2026-02-28", "2026-03-01", "2026-03-05", "2026-03-06",
                               "2026-03-07", "2026-03-08"});
    EXPECT_EQ(4, HistoryFile::CurrentStreak(history, "2026-03-08"));
    EXPECT_EQ(4, HistoryFile::CurrentStreak(history, "2026-03-09"));  // today still to come
    EXPECT_EQ(0, HistoryFile::CurrentStreak(history, "2026-03-10"));
    EXPECT_EQ(3, HistoryFile::CurrentStreak(history, "2026-03-01"));
    EXPECT_EQ(0, HistoryFile::CurrentStreak({}, "2026-03-01"));
    EXPECT_EQ(4, HistoryFile::LongestStreak(history));
    EXPECT_EQ(3, HistoryFile::LongestStreak(days({"2024-02-28", "2024-02-29", "2024-03-01"})));
}

TEST(HistoryFileFormatTest, Csv_HoldsTheSameTable) {
    const std::vector<HistoryDay> days = {{"2026-03-14", 75, 9, {{1, 2, 3, 4, 5, 6}, 7}}};
    EXPECT_EQ(
        "date,seconds,judgements,tobeviewed,unsure,mistaken,new,learning,known,learned\n"
        "2026-03-14,75,9,1,2,3,4,5,6,7\n",
        HistoryFile::ToCsv(days));
    std::vector<HistoryDay> parsed;
    EXPECT_TRUE(HistoryFile::Parse(HistoryFile::Serialize(days), parsed));
    EXPECT_EQ(HistoryFile::Serialize(days), HistoryFile::Serialize(parsed));
}

}  // namespace
