// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/HistoryFile.h"
#include "engine/StudySession.h"
#include "engine/TimeWordRecord.h"
#include "engine/WordSelect.h"
#include "engine/WordState.h"
#include "tests/engine/FakeEnv.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using Kind = StudySession::PressResult::Kind;
constexpr int32_t kYes = StudySession::ANSWER_YES;
constexpr int32_t kUnsure = StudySession::ANSWER_UNSURE;
constexpr int32_t kNo = StudySession::ANSWER_NO;

class StudySessionTest : public ::testing::Test {
protected:
    // A word list of `words`, the session waiting for the start press.
    void Open(int words) {
        if (words > 0) WriteFile("list/kelvo.lst", MakeWordList(words));
        session.Init();
        session.WaitForStart();
    }
    void Start() {
        ASSERT_EQ(Kind::kStarted, session.Press(kYes).kind);
        session.NextWord();
        session.ResumeClock();
    }
    // Both presses for the word on screen, then the window's next steps.
    StudySession::PressResult Judge(int32_t claim, int32_t verdict) {
        EXPECT_EQ(Kind::kRevealed, session.Press(claim).kind);
        const StudySession::PressResult result = session.Press(verdict);
        EXPECT_EQ(Kind::kRecorded, result.kind);
        if (result.isBreakDue) {
            session.BeginBreak();
            session.EndBreak();
        }
        session.NextWord();
        session.ResumeClock();
        return result;
    }

    TempDir dir;
    FakeEnv env;
    CWordSelect select{env};
    CTimeWordRecord clock{env};
    StudySession session{select, &clock};
};

TEST_F(StudySessionTest, PairOfPresses_GivesItsJudgement) {
    const struct {
        int32_t claim, verdict, judgement;
    } cases[] = {
        {kYes, kYes, JUDGE_KNEW},       {kYes, kUnsure, JUDGE_MISTAKEN},
        {kYes, kNo, JUDGE_MISTAKEN},    {kUnsure, kYes, JUDGE_NOTSURE},
        {kUnsure, kNo, JUDGE_NOTSURE},  {kNo, kYes, JUDGE_DONTKNOW},
        {kNo, kUnsure, JUDGE_DONTKNOW},
    };
    Open(30);
    Start();
    EXPECT_EQ(0, session.GetWordsSinceBreak());  // the start press records nothing
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.claim << ", " << c.verdict);
        const uint32_t word = select.GetCurrent().m_wordIndex;
        EXPECT_EQ(c.judgement, Judge(c.claim, c.verdict).judgement);
        EXPECT_NE(word, select.GetCurrent().m_wordIndex);
    }
    EXPECT_EQ(7, session.GetWordsSinceBreak());
}

TEST_F(StudySessionTest, Break_IsDueAtThe150thJudgement_OrAt780000Ms) {
    Open(60);
    Start();
    for (int i = 1; i < StudySession::BREAK_AFTER_WORDS; ++i)
        ASSERT_FALSE(Judge(kNo, kNo).isBreakDue) << "judgement " << i;
    EXPECT_TRUE(Judge(kNo, kNo).isBreakDue);
    EXPECT_EQ(0, session.GetWordsSinceBreak());

    session.SetMsSinceBreak(779000);
    EXPECT_FALSE(Judge(kYes, kYes).isBreakDue);
    session.SetMsSinceBreak(StudySession::BREAK_AFTER_MS);
    EXPECT_TRUE(Judge(kYes, kYes).isBreakDue);
}

TEST_F(StudySessionTest, Paused_HoldsTheTickAtZero_AndKeepsTheClockStopped) {
    Open(10);
    session.SetMsSinceBreak(5000);
    session.Tick();
    session.SuspendClock();
    session.ResumeClock();
    EXPECT_EQ(0, session.GetMsSinceBreak());
    EXPECT_FALSE(clock.IsRunning());  // before the start press

    Start();
    session.SuspendClock();
    session.ResumeClock();
    EXPECT_TRUE(clock.IsRunning());
    session.SetMsSinceBreak(779000);
    for (int32_t ms : {780000, 781000, 781000}) {
        session.Tick();
        EXPECT_EQ(ms, session.GetMsSinceBreak());
    }

    session.BeginBreak();
    session.Tick();
    EXPECT_EQ(0, session.GetMsSinceBreak());
    EXPECT_FALSE(clock.IsRunning());
}

// What a synced list's journal gets: each verdict on a word shown, in order, an undo as one
// entry of its own, and the seconds of use once per day however many verdicts noted them.
TEST_F(StudySessionTest, AnswerLog_HoldsVerdictsUndosAndSecondsByDay) {
    using LogKind = AnswerLog::Entry::Kind;
    HistoryFile history(env);
    AnswerLog log;
    session.SetHistory(&history);
    session.SetAnswerLog(&log);
    Open(30);
    Start();
    std::vector<uint32_t> judged;
    for (auto [claim, verdict] : {std::pair{kYes, kYes}, {kNo, kNo}, {kUnsure, kYes}}) {
        env.now += 7;
        judged.push_back(select.GetCurrent().m_wordIndex);
        Judge(claim, verdict);
    }
    ASSERT_TRUE(session.Press(kYes).kind == Kind::kRevealed);
    judged.push_back(select.GetCurrent().m_wordIndex);
    session.Press(kNo);
    ASSERT_TRUE(session.Undo());
    env.date = "2026-03-15";  // past midnight
    env.now += 5;
    session.Save();
    // A code no verdict makes and its undo, and a verdict on no word: nothing the others
    // could replay.
    session.RecordJudgement(7);
    ASSERT_TRUE(session.Undo());
    session.RecordJudgement(7);
    session.RecordJudgement(JUDGE_KNEW);

    const std::vector<AnswerLog::Entry> entries = log.TakeAll();
    ASSERT_EQ(7u, entries.size());
    EXPECT_EQ(LogKind::kUsed, entries[0].kind);
    EXPECT_EQ("2026-03-14", entries[0].date);
    EXPECT_EQ(21, entries[0].seconds);
    const int32_t codes[] = {JUDGE_KNEW, JUDGE_DONTKNOW, JUDGE_NOTSURE, JUDGE_MISTAKEN};
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(LogKind::kJudged, entries[i + 1].kind);
        EXPECT_EQ(static_cast<int32_t>(judged[i]), entries[i + 1].wordIndex);
        EXPECT_EQ(codes[i], entries[i + 1].judgement);
        EXPECT_GT(entries[i + 1].wallMs, 1600000000000);
    }
    EXPECT_EQ(LogKind::kUndone, entries[5].kind);
    EXPECT_EQ(LogKind::kUsed, entries[6].kind);
    EXPECT_EQ("2026-03-15", entries[6].date);
    EXPECT_EQ(5, entries[6].seconds);
}

TEST(StudySessionNoClockTest, WithoutWordsOrClock_DrawsNoWordAndWritesNothing) {
    TempDir dir;
    FakeEnv env;
    CWordSelect select(env);
    StudySession session(select, nullptr);
    session.Init();
    session.WaitForStart();
    EXPECT_EQ(Kind::kStarted, session.Press(kYes).kind);
    EXPECT_FALSE(session.NextWord());
    // The failed draw must not leave a word of index 0 on screen to be judged.
    EXPECT_EQ(CListRec(NO_WORD), select.GetCurrent());
    session.Press(kNo);
    EXPECT_EQ(Kind::kRecorded, session.Press(kNo).kind);
    session.BeginBreak();
    session.EndBreak();
    session.SuspendClock();
    session.ResumeClock();
    EXPECT_TRUE(std::filesystem::is_empty("session"));
}

}  // namespace
