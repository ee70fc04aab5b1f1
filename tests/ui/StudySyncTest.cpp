// SPDX-License-Identifier: GPL-2.0-or-later
// The study window of a list synced with a second computer: answers given there with
// quibbix-drive arrive while the window is open, and the window takes them in without a
// press: a note in the study line, the counts moved. With QUIBBIX_UI_SCREENSHOTS naming a
// folder, the window with its note is saved there.

#include "lists/ListSync.h"
#include "sync/Journal.h"
#include "tests/support/SyncedPair.h"
#include "tests/ui/WindowFixture.h"
#include "ui/StudySync.h"

#include <QDir>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

class StudySyncWindowTest : public SyncedPair {
protected:
    void SetUp() override {
        SyncedPair::SetUp();
        fs::current_path(b);
    }

    // Runs quibbix-drive on the other computer's list; its standard output.
    std::string DriveOnA(const std::string& commands) {
        WriteFile((dir.path() / "in.txt").string(), commands);
        const std::string run = "cd '" + a.string() + "' && '" + QUIBBIX_BUILT_BIN_DIR +
                                "/quibbix-drive' < ../in.txt > ../out.txt 2> ../err.txt";
        const int status = std::system(run.c_str());
        EXPECT_EQ(0, WEXITSTATUS(status)) << ReadFile((dir.path() / "err.txt").string());
        return ReadFile((dir.path() / "out.txt").string());
    }

    // The start press on A, then "Don't Know" twice and "Not Sure" once, and a save.
    void ThreeAnswersOnA() {
        const std::string out = DriveOnA(
            "init\npress yes\npress no\npress no\npress no\npress no\npress unsure\npress no\n"
            "save\n");
        EXPECT_EQ(std::string::npos, out.find("sync\t")) << out;  // nothing came to A
    }
    static bool WaitForNote(const CQuibbixDlg& dialog) {
        const QString note = QString::fromStdString(
            CStudyLine::NoticeText("3 answers arrived from another computer"));
        return QTest::qWaitFor([&] { return dialog.GetStudyLine().text() == note; }, 20000);
    }

    FakeEnv env;
    FakePlatform platform{800, 600};
};

TEST_F(StudySyncWindowTest, AnswersFromTheOtherComputer_ArriveWhileTheWindowIsOpen) {
    CQuibbixDlg dialog(platform.services, env);
    RunModal(dialog, [&] {
        dialog.KillTimer(CQuibbixDlg::TICK_TIMER_ID);
        const CWordState& state = dialog.GetWordSelect().GetWordState();
        ASSERT_EQ(0, state.GetNew().GetCount() + state.GetUnsure().GetCount());
        ThreeAnswersOnA();
        EXPECT_TRUE(WaitForNote(dialog)) << dialog.GetStudyLine().text().toStdString();
        EXPECT_EQ(2, state.GetNew().GetCount());
        EXPECT_EQ(1, state.GetUnsure().GetCount());

        const QString shots = qEnvironmentVariable("QUIBBIX_UI_SCREENSHOTS");
        if (!shots.isEmpty())
            dialog.grab().save(QDir(shots).filePath(QStringLiteral("sync-notice.png")));
        // The note gives way to the progress again.
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return dialog.GetStudyLine().text().startsWith("This session"); },
                            CStudyLine::kNoticeMs + 2000));
        EXPECT_TRUE(dialog.IsPaused());
    });
}

TEST_F(StudySyncWindowTest, WordOnScreen_StaysWhileTheCountsMove) {
    CQuibbixDlg dialog(platform.services, env);
    RunModal(dialog, [&] {
        dialog.KillTimer(CQuibbixDlg::TICK_TIMER_ID);
        Click(dialog, CQuibbixDlg::kYesId);  // the start press: a word is on screen
        const CWordSelect& select = dialog.GetWordSelect();
        const uint32_t word = select.GetCurrent().m_wordIndex;
        const std::string shown = dialog.GetWordBox().GetText();
        ASSERT_NE(NO_WORD, word);
        ThreeAnswersOnA();
        EXPECT_TRUE(WaitForNote(dialog)) << dialog.GetStudyLine().text().toStdString();
        EXPECT_EQ(word, select.GetCurrent().m_wordIndex);
        EXPECT_EQ(shown, dialog.GetWordBox().GetText());
        // A may have judged the same word; here it is on screen, out of every list.
        const CWordState& state = select.GetWordState();
        int32_t placed = 0;
        for (const CWordList* list :
             {&state.GetToBeViewed(), &state.GetUnsure(), &state.GetMistaken(), &state.GetNew(),
              &state.GetLearning(), &state.GetKnown()}) {
            placed += list->GetCount();
            for (const CListRec& entry : list->Entries()) EXPECT_NE(word, entry.m_wordIndex);
        }
        EXPECT_EQ(39, placed);
        EXPECT_GE(state.GetNew().GetCount() + state.GetUnsure().GetCount(), 2);
        // The learner goes on where they were: the claim reveals this word's definition.
        Click(dialog, CQuibbixDlg::kNoId);
        EXPECT_FALSE(dialog.IsBeforeReveal());
        EXPECT_EQ(word, select.GetCurrent().m_wordIndex);
    });
}

// The time of use shown is every computer's own added up.
TEST_F(StudySyncWindowTest, Statistics_ShowTheTimeOfUseOfBothComputers) {
    AnswerLog::Entry hour;
    hour.kind = AnswerLog::Entry::Kind::kUsed;
    hour.date = "2026-03-14";
    hour.seconds = 3600;
    ListSync::Report report;
    std::string error;
    ASSERT_TRUE(ListSync::Sync(a, a, ListFolder::Direction::kForwards, {hour}, -1, report, error))
        << error;
    CQuibbixDlg dialog(platform.services, env);
    RunModal(dialog, [&] {
        dialog.KillTimer(CQuibbixDlg::TICK_TIMER_ID);
        std::string shown;
        WithModal([&] { Click(dialog, CQuibbixDlg::kStatisticsId); },
                  [&](QWidget* opened) {
                      auto* stats = dynamic_cast<CQuibStatisticDlg*>(opened);
                      ASSERT_NE(nullptr, stats);
                      shown = stats->FieldText(CQuibStatisticDlg::kTotalTimeId);
                  });
        EXPECT_EQ(CQuibStatisticDlg::FormatDuration(3600 + dialog.GetTimeRecord().GetTotalTime()),
                  shown);
    });
}

// The save in the background, a minute after a verdict, hands the verdict over too.
TEST_F(StudySyncWindowTest, SaveInTheBackground_SyncsOnceItHasWritten) {
    CQuibbixDlg dialog(platform.services, env);
    RunModal(dialog, [&] {
        dialog.KillTimer(CQuibbixDlg::TICK_TIMER_ID);
        Click(dialog, CQuibbixDlg::kYesId);
        Click(dialog, CQuibbixDlg::kNoId);
        Click(dialog, CQuibbixDlg::kNoId);
        for (int tick = 0; tick < StudySession::kBackgroundSaveTicks + 20; ++tick) {
            dialog.OnTick(CQuibbixDlg::TICK_TIMER_ID);
            QTest::qWait(5);
        }
    });
    EXPECT_NE(std::string::npos,
              DriveOnA("init\n").find("sync\t1 answer arrived from another computer"));
}

// A verdict is in the journal at the tick after it, before any save counts it: a kill between
// the save and the sync loses nothing.
TEST_F(StudySyncWindowTest, Verdict_InTheJournalBeforeTheSaveCountsIt) {
    CQuibbixDlg dialog(platform.services, env);
    size_t judged = 0;
    RunModal(dialog, [&] {
        dialog.KillTimer(CQuibbixDlg::TICK_TIMER_ID);
        Click(dialog, CQuibbixDlg::kYesId);
        Click(dialog, CQuibbixDlg::kNoId);
        Click(dialog, CQuibbixDlg::kNoId);
        dialog.OnTick(CQuibbixDlg::TICK_TIMER_ID);
        Journal::Contents journal;
        std::string error;
        ASSERT_TRUE(
            Journal::Parse(ReadFile((b / "sync/journal.txt").string()), "journal", journal, error))
            << error;
        judged = std::count_if(journal.events.begin(), journal.events.end(), [](const auto& e) {
            return e.kind == JournalEvent::Kind::kJudgement;
        });
    });
    EXPECT_EQ(judged, 1u);
}

// A save while an answer is under way (the session manager asks at any time) must not move the
// words under it: the verdict would name the wrong word. They move once it is given.
TEST_F(StudySyncWindowTest, SavedWithAnAnswerUnderWay_WordsMoveOnceItIsGiven) {
    CQuibbixDlg dialog(platform.services, env);
    RunModal(dialog, [&] {
        dialog.KillTimer(CQuibbixDlg::TICK_TIMER_ID);
        WriteFile((a / "list/kelvo.lst").string(), MakeWordList(41));
        ListSync::Report report;
        std::string error;
        ASSERT_TRUE(ListSync::Sync(a, a, ListFolder::Direction::kForwards, {}, -1, report, error))
            << error;
        const std::string words = ReadFile((b / "list/kelvo.lst").string());
        Click(dialog, CQuibbixDlg::kYesId);
        Click(dialog, CQuibbixDlg::kNoId);
        ASSERT_FALSE(dialog.IsPaused() || dialog.IsBeforeReveal());
        dialog.SaveNow();
        EXPECT_TRUE(words == ReadFile((b / "list/kelvo.lst").string()));
        Click(dialog, CQuibbixDlg::kNoId);
        dialog.OnTick(CQuibbixDlg::TICK_TIMER_ID);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return words != ReadFile((b / "list/kelvo.lst").string()); }, 20000));
    });
}

// The sync runs beside the window: a verdict given meanwhile is not in what it wrote, and
// reading that in would take the verdict back. The window reads the next sync instead.
TEST_F(StudySyncWindowTest, VerdictWhileTheSyncRuns_StaysAndArrivalsFollow) {
    CQuibbixDlg dialog(platform.services, env);
    RunModal(dialog, [&] {
        dialog.KillTimer(CQuibbixDlg::TICK_TIMER_ID);
        Click(dialog, CQuibbixDlg::kYesId);
        const CWordState& state = dialog.GetWordSelect().GetWordState();
        const uint32_t judged = dialog.GetWordSelect().GetCurrent().m_wordIndex;
        ThreeAnswersOnA();
        dialog.SaveNow();  // the word is not revealed yet: the sync starts
        Click(dialog, CQuibbixDlg::kNoId);
        Click(dialog, CQuibbixDlg::kNoId);  // "Don't Know", before the sync is taken in
        ASSERT_TRUE(WaitForNote(dialog)) << dialog.GetStudyLine().text().toStdString();
        const auto waits = [&](const CWordList& list) {
            return std::any_of(list.Entries().begin(), list.Entries().end(),
                               [&](const CListRec& e) { return e.m_wordIndex == judged; });
        };
        EXPECT_TRUE(waits(state.GetNew()));
        EXPECT_FALSE(waits(state.GetToBeViewed()));
        // The next sync carries the verdict, and what arrived is read in with it.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                dialog.OnTick(CQuibbixDlg::TICK_TIMER_ID);
                return state.GetUnsure().GetCount() == 1;
            },
            20000));
        EXPECT_TRUE(waits(state.GetNew()));
    });
}

// The seconds of use since the last verdict go with the save in the background too.
TEST_F(StudySyncWindowTest, SaveInTheBackground_CarriesTheSecondsSinceTheVerdict) {
    CQuibbixDlg dialog(platform.services, env);
    RunModal(dialog, [&] {
        dialog.KillTimer(CQuibbixDlg::TICK_TIMER_ID);
        Click(dialog, CQuibbixDlg::kYesId);
        Click(dialog, CQuibbixDlg::kNoId);
        Click(dialog, CQuibbixDlg::kNoId);
        env.now += 100;
        // The learner is there: an input confirms the time since the last one.
        dialog.GetAwayWatch().NoteInput();
        for (int tick = 0; tick < StudySession::kBackgroundSaveTicks + 20; ++tick) {
            dialog.OnTick(CQuibbixDlg::TICK_TIMER_ID);
            QTest::qWait(5);
        }
        ListSync::Report report;
        std::string error;
        ASSERT_TRUE(ListSync::Sync(a, a, ListFolder::Direction::kForwards, {}, -1, report, error))
            << error;
        EXPECT_EQ(ListSync::OthersSeconds(a), 100);
    });
}

// A journal that grew without the answers (it took back events its copy held, a data folder
// restored from a backup) before the sync failed has not taken them: they wait for the next.
TEST_F(StudySyncWindowTest, SyncFailsAfterTheJournalGrewWithoutTheAnswers_AnswersWait) {
    AnswerLog::Entry judged;
    judged.wordIndex = 3;
    StudySync sync(b, ListFolder::Direction::kForwards);
    sync.Log().Add(judged);
    ListSync::Report report;
    std::string error;
    ASSERT_TRUE(sync.Run(-1, report, error)) << error;
    const std::string journal = ReadFile((b / "sync/journal.txt").string());
    WriteFile((b / "sync/journal.txt").string(), journal.substr(0, journal.find('\n') + 1));
    const std::string ids = ReadFile((b / "sync/ids.txt").string());
    WriteFile((b / "sync/ids.txt").string(), ids + "damaged\n");
    sync.Log().Add(judged);
    EXPECT_FALSE(sync.Run(-1, report, error));
    EXPECT_FALSE(sync.Log().IsEmpty());
    WriteFile((b / "sync/ids.txt").string(), ids);
    EXPECT_TRUE(sync.Run(-1, report, error)) << error;
    EXPECT_TRUE(sync.Log().IsEmpty());
}

}  // namespace

TEST_F(StudySyncWindowTest, FolderAway_TheAnswersReachTheOtherComputerOnceItIsBack) {
    const fs::path away = dir.path() / "unplugged";
    fs::rename(s, away);  // the stick is not in
    CQuibbixDlg dialog(platform.services, env);
    RunModal(dialog, [&] {
        dialog.KillTimer(CQuibbixDlg::TICK_TIMER_ID);
        Click(dialog, CQuibbixDlg::kYesId);
        Click(dialog, CQuibbixDlg::kNoId);
        Click(dialog, CQuibbixDlg::kNoId);
        dialog.SaveNow();
        fs::rename(away, s);
        dialog.SaveNow();
    });
    EXPECT_NE(std::string::npos,
              DriveOnA("init\n").find("sync\t1 answer arrived from another computer"));
}
