// SPDX-License-Identifier: GPL-2.0-or-later
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
