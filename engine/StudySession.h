#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The study flow without a window: the two presses that judge a word (the claim while only
// the word shows, then the verdict with the definition in view), the forced break after a
// stretch of study, and the usage clock's pauses around whatever interrupts the study. The
// main window and quibbix-drive both run it, so that they judge and break alike; the caller
// does the showing, in the order the flow's results ask for.
//
// States: waiting for the start press (paused), a word shown (before reveal), its definition
// shown, on a break (paused). Only a recorded judgement tests the break limits.
//
// The last verdict can be taken back until the next answer press, a break or a restart: each
// judgement first takes a snapshot of the session in memory.

#include "engine/AnswerLog.h"
#include "engine/BackgroundSave.h"
#include "engine/BreakRecord.h"

#include <cstdint>
#include <string>

class CTimeWordRecord;
class CWordSelect;
class HistoryFile;

class StudySession {
public:
    // One value per answer button.
    static constexpr int32_t ANSWER_YES = 1;
    static constexpr int32_t ANSWER_UNSURE = 0;
    static constexpr int32_t ANSWER_NO = -1;

    static constexpr int32_t TICK_MS = 1000;
    // Study time since the break grows only while below this, so it stops at 781000.
    static constexpr int32_t MS_COUNT_CAP = 780010;
    static constexpr int32_t BREAK_AFTER_MS = 13 * 60 * 1000;
    static constexpr int32_t BREAK_AFTER_WORDS = 150;

    // What one press of an answer button did.
    struct PressResult {
        enum class Kind {
            kStarted,   // the start press: nothing recorded, the first word is due
            kRevealed,  // the claim: the definition is due
            kRecorded,  // the verdict: `judgement` recorded, then a break if due, then a word
        };
        Kind kind = Kind::kStarted;
        int32_t judgement = -1;
        bool isBreakDue = false;
    };

    // Neither is owned; both must outlive the session. A null `timeRecord` means no usage
    // clock, as in a driver that must not write the time file.
    StudySession(CWordSelect& wordSelect, CTimeWordRecord* timeRecord);
    StudySession(const StudySession&) = delete;
    StudySession& operator=(const StudySession&) = delete;

    // Keeps the study history from now on: loaded by Init, noted at every judgement and
    // written by Save (not by the background save, which, like the usage clock's file, it
    // follows at the next save). Not owned; null (the default) keeps none.
    void SetHistory(HistoryFile* history) { m_history = history; }
    // Logs what a synced list's other computers need from now on: every judgement, undo and
    // note of the seconds used. Not owned; null (the default) logs nothing.
    void SetAnswerLog(AnswerLog* log) { m_log = log; }

    // Keeps the break clock in the file `path` (BreakRecord) from now on, written at every
    // save and as each break begins and ends. Null `files` (the default) keeps none.
    void SetBreakRecord(FileSystem* files, std::string path);
    // Takes up the break clock where the file left it; returns what is left of a break under
    // way then (0 when none, or when its time ran out while the program was closed, which
    // ends it).
    int32_t RestoreBreak();

    // Opens the word list and resumes the saved session in the selector.
    void Init();
    // Paused until the start press, which comes as a second press.
    void WaitForStart();
    // The state change and the engine's part of one press with `answer`.
    PressResult Press(int32_t answer);
    // Makes the selector's current word the one to show (the same again while unjudged) and
    // arms the claim; false when no word could be drawn. The caller shows it and then calls
    // ResumeClock.
    bool NextWord();
    // Places the word on screen by `judgement` and counts it towards the break; false when
    // the selector could not place it.
    bool RecordJudgement(int32_t judgement);
    bool IsBreakDue() const;
    // Takes the last judgement back: the word states, the counts and the current word as they
    // were before it, and the word shown again before its first press. False when there is
    // nothing to take back.
    bool Undo();
    // A break of `leftMs` (the whole two minutes unless one taken up after a restart).
    void BeginBreak(int32_t leftMs = BreakRecord::kBreakMs);
    void EndBreak();
    // The one-second tick: the study time since the break rests at 0 while paused.
    void Tick();
    // Around a side dialog or the exit question: the usage clock stops, and runs again
    // afterwards only if the user was studying.
    void SuspendClock();
    void ResumeClock();

    // Away from the keyboard, time is no study. Once held back (HoldBackSinceInput), each
    // input is noted; GoAway stops both clocks at the last input, dropping what they counted
    // since, and the next input (ComeBack) goes on from there. While away the break clock
    // stands still and the usage clock is stopped.
    void HoldBackSinceInput(bool isOn);
    void NoteInput();
    void GoAway();
    void ComeBack();
    bool IsAway() const { return m_isAway; }
    // Whether the study clocks run: studying, not away, no side dialog open.
    bool IsStudying() const;

    // Saves the session now, after any save still being written; false (with a message)
    // when it failed.
    bool Save();
    // The save in the background of the study, at most once a minute and only after
    // answers: begins one when it is due, and finishes one that has ended.
    static constexpr int32_t kBackgroundSaveTicks = 60;
    // True when a save in the background ended in this call, whatever its outcome: files
    // that others rewrite may be touched again only then.
    bool SaveInBackgroundIfDue(FileSystem& files);
    bool IsSavingInBackground() const { return m_backgroundSave.IsRunning(); }

    bool IsPaused() const { return m_bPaused != 0; }
    bool IsBeforeReveal() const { return m_bBeforeReveal != 0; }
    int32_t GetMsSinceBreak() const { return m_msSinceBreak; }
    void SetMsSinceBreak(int32_t ms) { m_msSinceBreak = ms; }
    int32_t GetWordsSinceBreak() const { return m_wordsSinceBreak; }
    // The judgements recorded in this run: known after both presses, and all others.
    int32_t GetKnewCount() const { return m_knewCount; }
    int32_t GetOtherCount() const { return m_otherCount; }
    // The first press of the word on screen; meaningful only after it, before the verdict.
    int32_t GetFirstAnswer() const { return m_firstAnswer; }

private:
    int32_t JudgementOfPresses() const;
    void DropUndo();
    // Adds the usage time since the last note, and `judgements`, to the history.
    void NoteHistory(int64_t judgements);
    void Log(AnswerLog::Entry::Kind kind, int32_t wordIndex, int32_t judgement);
    void SaveBreakRecord();

    CWordSelect& m_wordSelect;
    CTimeWordRecord* m_timeRecord;
    int32_t m_bPaused = 0;
    int32_t m_bBeforeReveal = 0;
    int32_t m_firstAnswer = 0;
    int32_t m_secondAnswer = 0;
    int32_t m_wordsSinceBreak = 0;
    int32_t m_msSinceBreak = 0;
    // The study time counted since the last input, which GoAway takes back.
    int32_t m_msSinceInput = 0;
    bool m_isAway = false;
    int32_t m_judgementsSinceSave = 0;
    int32_t m_ticksSinceSave = 0;
    int32_t m_knewCount = 0;
    int32_t m_otherCount = 0;
    // What a judgement changes here, as it was before the last one.
    struct Snapshot {
        int32_t wordsSinceBreak = 0;
        int32_t knewCount = 0;
        int32_t otherCount = 0;
        bool notedHistory = false;
        bool logged = false;
    };
    bool m_canUndo = false;
    Snapshot m_snapshot;
    BackgroundSave m_backgroundSave;
    HistoryFile* m_history = nullptr;
    FileSystem* m_breakFiles = nullptr;
    std::string m_breakPath;
    // The wall-clock second the break under way began, and what it had then; -1 for none.
    int64_t m_breakStartedS = -1;
    int32_t m_breakLeftMs = 0;
    AnswerLog* m_log = nullptr;
    // The usage clock's run time at the last note to the history.
    int32_t m_historyRunSeconds = 0;
};
