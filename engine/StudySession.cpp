// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/StudySession.h"

#include "engine/HistoryFile.h"
#include "engine/ListRec.h"
#include "engine/TimeWordRecord.h"
#include "engine/WordSelect.h"
#include "engine/WordState.h"

#include <algorithm>
#include <chrono>

namespace {

int64_t WallMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace

StudySession::StudySession(CWordSelect& wordSelect, CTimeWordRecord* timeRecord)
    : m_wordSelect(wordSelect), m_timeRecord(timeRecord) {}

void StudySession::Init() {
    DropUndo();
    int32_t listId = 0;
    CListRec entry;
    m_wordSelect.Init(listId, entry);
    if (m_history && m_wordSelect.IsStudyPossible()) m_history->Load();
}

void StudySession::WaitForStart() {
    DropUndo();
    m_bPaused = 1;
    m_bBeforeReveal = 0;
}

StudySession::PressResult StudySession::Press(int32_t answer) {
    PressResult result;
    // The next press after a verdict, whatever it is, makes that verdict final.
    DropUndo();
    if (m_bBeforeReveal) {
        m_firstAnswer = answer;
        m_bBeforeReveal = 0;
        result.kind = PressResult::Kind::kRevealed;
        return result;
    }
    // The start press comes while paused and records nothing.
    m_secondAnswer = answer;
    if (m_bPaused) {
        m_bPaused = 0;
        result.kind = PressResult::Kind::kStarted;
        return result;
    }
    result.kind = PressResult::Kind::kRecorded;
    result.judgement = JudgementOfPresses();
    RecordJudgement(result.judgement);
    result.isBreakDue = IsBreakDue();
    return result;
}

int32_t StudySession::JudgementOfPresses() const {
    // The verdict counts only after a claim to know: it tells a word the user knew from one
    // the user only thought to know.
    if (m_firstAnswer == ANSWER_YES)
        return m_secondAnswer == ANSWER_YES ? JUDGE_KNEW : JUDGE_MISTAKEN;
    if (m_firstAnswer == ANSWER_UNSURE) return JUDGE_NOTSURE;
    return JUDGE_DONTKNOW;
}

bool StudySession::NextWord() {
    // When nothing can be drawn the selector keeps the record it is handed as its current
    // word; handing it its own leaves it as it was.
    int32_t listId = m_wordSelect.GetCurrentList();
    CListRec entry = m_wordSelect.GetCurrent();
    const bool found = m_wordSelect.GetNextWord(listId, entry);
    m_bBeforeReveal = 1;
    return found;
}

bool StudySession::RecordJudgement(int32_t judgement) {
    const uint32_t word = m_wordSelect.GetCurrent().m_wordIndex;
    const bool wasShown = word != NO_WORD;
    // The journal knows the four verdicts only; any other code is a driver probing the
    // engine, which the other computers could not replay alike.
    const bool isLogged =
        m_log && wasShown && judgement >= JUDGE_KNEW && judgement <= JUDGE_NOTSURE;
    m_snapshot = {m_wordsSinceBreak, m_knewCount, m_otherCount, wasShown, isLogged};
    m_wordSelect.TakeSnapshot();
    m_canUndo = true;
    if (m_knewCount < INT32_MAX && judgement == JUDGE_KNEW) ++m_knewCount;
    if (m_otherCount < INT32_MAX && judgement != JUDGE_KNEW) ++m_otherCount;
    const bool placed = m_wordSelect.RecordJudgement(judgement);
    ++m_wordsSinceBreak;
    ++m_judgementsSinceSave;
    // The day's seconds come before the verdict in the log: a run past midnight puts the
    // verdict after the first seconds of its own day.
    if (wasShown) NoteHistory(1);
    if (isLogged) Log(AnswerLog::Entry::Kind::kJudged, static_cast<int32_t>(word), judgement);
    return placed;
}

void StudySession::NoteHistory(int64_t judgements) {
    if (!m_history) return;
    const int32_t runSeconds = m_timeRecord ? m_timeRecord->GetRunTime() : 0;
    const int64_t seconds = runSeconds - m_historyRunSeconds;
    const std::string date =
        m_history->Note(seconds, judgements, HistoryCounts::Of(m_wordSelect.GetWordState()));
    m_historyRunSeconds = runSeconds;
    // The other computers add these seconds to the same day of their history.
    if (m_log && seconds > 0 && !date.empty()) m_log->AddSeconds(date, seconds, WallMs());
}

void StudySession::Log(AnswerLog::Entry::Kind kind, int32_t wordIndex, int32_t judgement) {
    AnswerLog::Entry entry;
    entry.kind = kind;
    entry.wordIndex = wordIndex;
    entry.judgement = judgement;
    entry.wallMs = WallMs();
    m_log->Add(entry);
}

bool StudySession::IsBreakDue() const {
    return m_msSinceBreak >= BREAK_AFTER_MS || m_wordsSinceBreak >= BREAK_AFTER_WORDS;
}

bool StudySession::Undo() {
    if (!m_canUndo) return false;
    m_canUndo = false;
    if (!m_wordSelect.RestoreSnapshot()) return false;
    m_wordsSinceBreak = m_snapshot.wordsSinceBreak;
    m_knewCount = m_snapshot.knewCount;
    m_otherCount = m_snapshot.otherCount;
    if (m_history && m_snapshot.notedHistory)
        m_history->TakeBackJudgement(HistoryCounts::Of(m_wordSelect.GetWordState()));
    // Only a judgement the log holds can be taken back on the other computers.
    if (m_log && m_snapshot.logged) Log(AnswerLog::Entry::Kind::kUndone, 0, 0);
    m_bBeforeReveal = 1;
    // The files may hold the verdict by now (a save in between); the next save must replace
    // them.
    ++m_judgementsSinceSave;
    return true;
}

void StudySession::DropUndo() {
    if (!m_canUndo) return;
    m_canUndo = false;
    m_wordSelect.DropSnapshot();
}

void StudySession::BeginBreak(int32_t leftMs) {
    // What was judged before a break stays judged: the break has already been counted.
    DropUndo();
    if (m_timeRecord) m_timeRecord->Stop();
    m_bPaused = 1;
    // Its start is on the wall clock, kept at once: a window closed now opens on the break.
    m_breakStartedS = WallMs() / 1000 - (BreakRecord::kBreakMs - leftMs) / 1000;
    m_breakLeftMs = leftMs;
    SaveBreakRecord();
}

void StudySession::EndBreak() {
    // The study time is not cleared here but by the ticks of the break: a break ended before
    // the first tick leaves a due time due.
    m_wordsSinceBreak = 0;
    m_bPaused = 0;
    m_breakStartedS = -1;
    SaveBreakRecord();
    if (m_timeRecord) m_timeRecord->Start();
}

void StudySession::SetBreakRecord(FileSystem* files, std::string path) {
    m_breakFiles = files;
    m_breakPath = std::move(path);
}

int32_t StudySession::RestoreBreak() {
    if (!m_breakFiles) return 0;
    const BreakRecord record = BreakRecord::Load(*m_breakFiles, m_breakPath);
    m_msSinceBreak = record.msSinceBreak;
    m_wordsSinceBreak = record.wordsSinceBreak;
    const int32_t left = record.LeftAt(WallMs() / 1000);
    // A break whose time ran out while the program was closed is over.
    if (record.breakStartedS >= 0 && left == 0) {
        m_msSinceBreak = 0;
        m_wordsSinceBreak = 0;
        SaveBreakRecord();
    }
    return left;
}

void StudySession::SaveBreakRecord() {
    if (!m_breakFiles) return;
    BreakRecord record;
    record.msSinceBreak = m_msSinceBreak;
    record.wordsSinceBreak = m_wordsSinceBreak;
    if (m_breakStartedS >= 0) {
        record.breakStartedS = m_breakStartedS;
        record.breakLeftMs = m_breakLeftMs;
    }
    record.Save(*m_breakFiles, m_breakPath);
}

void StudySession::Tick() {
    if (m_ticksSinceSave < kBackgroundSaveTicks) ++m_ticksSinceSave;
    if (m_bPaused) {
        m_msSinceBreak = 0;
    } else if (!m_isAway && m_msSinceBreak < MS_COUNT_CAP) {
        m_msSinceBreak += TICK_MS;
        m_msSinceInput += TICK_MS;
    }
}

void StudySession::HoldBackSinceInput(bool isOn) {
    if (m_timeRecord) m_timeRecord->HoldBackSinceInput(isOn);
}

void StudySession::NoteInput() {
    m_msSinceInput = 0;
    if (m_timeRecord) m_timeRecord->NoteInput();
}

bool StudySession::IsStudying() const {
    return !m_bPaused && !m_isAway && (!m_timeRecord || m_timeRecord->IsRunning());
}

void StudySession::GoAway() {
    if (m_isAway) return;
    m_isAway = true;
    m_msSinceBreak -= std::min(m_msSinceInput, m_msSinceBreak);
    m_msSinceInput = 0;
    if (m_timeRecord) m_timeRecord->GoAway();
}

void StudySession::ComeBack() {
    if (!m_isAway) return;
    m_isAway = false;
    NoteInput();
    ResumeClock();
}

void StudySession::SuspendClock() {
    if (m_timeRecord) m_timeRecord->Stop();
}

void StudySession::ResumeClock() {
    if (m_timeRecord && !m_bPaused && !m_isAway) m_timeRecord->Start();
}

bool StudySession::Save() {
    // A background save still writing would otherwise rename its older files over these.
    m_backgroundSave.Wait();
    bool saved = false;
    FileError error;
    if (m_backgroundSave.Finished(saved, error)) m_wordSelect.SaveDone(saved, error);
    m_judgementsSinceSave = 0;
    m_ticksSinceSave = 0;
    SaveBreakRecord();
    const bool listsSaved = m_wordSelect.Save();
    // The history is replaced on its own, after the lists: one that cannot be written must
    // not hold them back, and is tried again at the next save.
    if (m_history && m_wordSelect.IsStudyPossible()) {
        NoteHistory(0);
        m_history->Save();
    }
    return listsSaved;
}

bool StudySession::SaveInBackgroundIfDue(FileSystem& files) {
    bool saved = false;
    FileError error;
    const bool ended = m_backgroundSave.Finished(saved, error);
    if (ended) m_wordSelect.SaveDone(saved, error);
    if (m_backgroundSave.IsRunning() || m_judgementsSinceSave == 0 ||
        m_ticksSinceSave < kBackgroundSaveTicks)
        return ended;
    m_judgementsSinceSave = 0;
    m_ticksSinceSave = 0;
    // The seconds since the last verdict go to the log as well, for the sync that follows
    // this save to hand over; the history file takes them at the next save in the foreground.
    if (m_history && m_wordSelect.IsStudyPossible()) NoteHistory(0);
    m_backgroundSave.Start(files, m_wordSelect.PrepareSave());
    SaveBreakRecord();
    return ended;
}
