#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The program's one window: a dialog filling the work area that owns every long-lived object (the
// word selector, the usage clock, the display settings, the two text boxes and the side dialogs),
// shows the word and its definition, passes the presses of the answer buttons and the
// one-second tick to the study session, and ends through the exit question.
//
// Answer flow: WAIT_START (paused, "I Know" only) -> start press -> WORD_SHOWN -> first press
// reveals -> DEFINITION_SHOWN -> second press records the judgement, maybe a break, then the
// next word (WORD_SHOWN). Ctrl+Z or Backspace after a verdict, before the next press, takes
// it back and shows its word again (WORD_SHOWN).
//
// A list joined to a sync folder is synced as the window opens, before the session is read,
// after every save, and when the folder changes while nothing waits for the learner; what
// arrived is read in with the word on screen kept, and the study line says so.

#include "engine/BreakRecord.h"
#include "engine/HistoryFile.h"
#include "engine/StudySession.h"
#include "engine/TimeWordRecord.h"
#include "engine/WordSelect.h"
#include "lists/ListMedia.h"
#include "platform/ModuleLoader.h"
#include "platform/PlatformServices.h"
#include "platform/TemplateDialog.h"
#include "ui/AwayWatch.h"
#include "ui/BreakDlg.h"
#include "ui/ProgressLoader.h"
#include "ui/QuibConfigData.h"
#include "ui/QuibConfigDlg.h"
#include "ui/QuibStatisticDlg.h"
#include "ui/StudyLine.h"
#include "ui/StudySync.h"
#include "ui/WinText.h"
#include "ui/speech/Pronouncer.h"

#include <QCoreApplication>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class AnswerLine;
class EngineEnv;
class StudySpeech;
class PushButton;
class StaticControl;

class CQuibbixDlg : public TemplateDialog {
    Q_DECLARE_TR_FUNCTIONS(CQuibbixDlg)

public:
    static constexpr int kTemplateId = 101;
    static constexpr uint32_t TICK_TIMER_ID = 1;
    static constexpr int32_t TICK_MS = StudySession::TICK_MS;
    static constexpr int32_t MS_COUNT_CAP = StudySession::MS_COUNT_CAP;
    static constexpr int BOX_INSET = 6;
    static constexpr int LAYOUT_MARGIN = 10;

    static constexpr int32_t ANSWER_YES = StudySession::ANSWER_YES;
    static constexpr int32_t ANSWER_UNSURE = StudySession::ANSWER_UNSURE;
    static constexpr int32_t ANSWER_NO = StudySession::ANSWER_NO;
    static constexpr int32_t BREAK_AFTER_MS = StudySession::BREAK_AFTER_MS;
    static constexpr int32_t BREAK_AFTER_WORDS = StudySession::BREAK_AFTER_WORDS;

    // Control ids of template 101.
    enum ControlId {
        kExitId = 2,
        kWordPlaceholderId = 1000,
        kDefinitionPlaceholderId = 1002,
        kNoId = 1006,
        kUnsureId = 1007,
        kYesId = 1008,
        kFontsId = 1021,
        kTopStripId = 1022,
        kBottomStripId = 1023,
        kRightStripId = 1024,
        kLeftStripId = 1025,
        kStatisticsId = 1028,
        kBreakId = 1029,
        kMiddleStripId = 1030,
    };

    // `services` and `env` must outlive the dialog.
    CQuibbixDlg(PlatformServices& services, EngineEnv& env, QWidget* parent = nullptr);
    ~CQuibbixDlg() override;

    // Titles the window "Quibbix — NAME" after the list studied; "" leaves "Quibbix".
    void SetListName(const std::string& name);
    // Studies backwards: the definition in the word box, which then wraps its lines and
    // shrinks them to fit, and the word revealed below; the title says so. Everything else
    // runs as it does the usual way. requires: before the dialog runs.
    void SetBackwards(bool backwards);
    bool IsBackwards() const { return m_isBackwards; }
    // "Type the Answer": a line under the word box takes the answer typed, and Enter reveals
    // the card's with what was off marked and a verdict suggested, which one press then
    // gives (Enter, or K, S, D or a click for another): the engine gets the claim and the
    // verdict of that one press. requires: before the dialog runs.
    void SetTypingAnswers(bool typing) { m_isTyping = typing; }
    bool IsTypingAnswers() const { return m_isTyping; }
    // Where P's voice comes from instead of the speech module, for tests.
    // requires: before the dialog runs.
    void SetVoiceFactory(Pronouncer::VoiceFactory factory) { m_voiceFactory = std::move(factory); }

    void OnButtonYes() { OnAnswer(ANSWER_YES); }
    void OnButtonUnsure() { OnAnswer(ANSWER_UNSURE); }
    void OnButtonNo() { OnAnswer(ANSWER_NO); }
    void OnFontsAndColors();
    void OnShowStatistics();
    // A break of `leftMs`: the whole two minutes, or the rest of one under way when the
    // window closed.
    void TakeABreak(int32_t leftMs = BreakRecord::kBreakMs);
    // An input from the learner: after time away the clocks go on from here.
    void OnInput();
    AwayWatch& GetAwayWatch() { return *m_awayWatch; }
    // Another away time than the user's setting (tests); 0 turns the pause off.
    void SetAwaySeconds(int seconds);
    void OnTick(uint32_t timerId);
    void OnExitRequest();
    // Takes the last verdict back, when there is one, and shows its word again.
    void OnUndo();
    // Opens the Words window on the list (Ctrl+E), in any state but a break; the session is
    // saved first, and after a change the study goes on at the same word, or the next one
    // when that word was deleted.
    void OnEditWords();
    // "Choose a List…" (Ctrl+L): saves the session and opens the list chooser beside this
    // window, which closes once another list is studied from there.
    void OnChooseList();
    // What leaving does to the files, without the question: for a logout, a signal or the
    // window system going away. The study may go on afterwards. Does nothing before the
    // window has read the session.
    void SaveNow();
    // Waits for a sync SaveNow started, without taking it in: before the program ends, which
    // it must not outlive.
    void EndSyncForExit() {
        if (m_sync) m_sync->Join();
    }
    // A synced list's folder changed: syncs now, or as soon as nothing on screen waits for
    // the learner (a side dialog, a break, a definition in view).
    void OnSyncFolderChanged();

    // What tests look at.
    int32_t GetMsSinceBreak() const { return m_session.GetMsSinceBreak(); }
    void SetMsSinceBreak(int32_t ms) { m_session.SetMsSinceBreak(ms); }
    int32_t GetWordsSinceBreak() const { return m_session.GetWordsSinceBreak(); }
    bool IsPaused() const { return m_session.IsPaused(); }
    bool IsAway() const { return m_session.IsAway(); }
    bool IsBeforeReveal() const { return m_session.IsBeforeReveal(); }
    const CWinText& GetWordBox() const { return m_wordBox; }
    const CWinText& GetDefinitionBox() const { return m_defBox; }
    const CStudyLine& GetStudyLine() const { return m_studyLine; }
    const CQuibConfigData& GetSettings() const { return m_settings; }
    CTimeWordRecord& GetTimeRecord() { return m_timeRecord; }
    CWordSelect& GetWordSelect() { return m_wordSelect; }
    // The side dialogs, each made the first time it opens.
    CBreakDlg& GetBreakDlg();
    CQuibStatisticDlg& GetStatisticDlg();
    CQuibConfigDlg& GetConfigDlg();

protected:
    bool OnInitDialog() override { return Initialize(); }
    bool Initialize();
    void OnOK() override {}
    void OnCancel() override;
    void OnCommand(int id) override;
    void OnTimer(uint32_t id) override { OnTick(id); }
    void OnPaint(QPainter& painter) override { PaintBackground(painter); }
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void OfferToQuitOverUnreadableFiles();
    // Saves, asking to try again while it fails; false when the user gave up.
    bool SaveUntilSavedOrGivenUp();
    // What button `id` does.
    void CommandButton(int id);
    void OnAnswer(int32_t answer);
    // Enter in the answer line: reveals, and puts the keyboard on the verdict suggested.
    void OnTypedAnswer();
    // The answer is in view: after a claim, or after an answer typed.
    bool IsRevealed() const;
    void ShowDefinition();
    void StartOrRecord(const StudySession::PressResult& press);
    void RecordAnswer(const StudySession::PressResult& press);
    void AdvanceWord();
    // The current word with its definition hidden, as every new word appears.
    void ShowWordUnrevealed();
    void UpdateStudyLine();
    // Which words the learner has seen: all but those waiting in the to-be-viewed list when
    // the run began, where fresh words and known ones back for review look alike; those count
    // once drawn. A whole round may thus be told a few words late in a resumed run, never
    // early.
    void StartRound();
    void NoteWordShown();
    CStudyLine::Progress::Round RoundReached() const;
    void PlaceStudyLine();
    void ApplyDisplaySettings();
    void RememberTemplateLayout();
    void LayoutForClientSize();
    // Where control `id` goes for the current client size: its template rectangle with its
    // edges moved.
    void PlaceFromTemplate(QWidget* control, int id, int dLeft, int dTop, int dRight, int dBottom);
    // The button of the verdict an answer typed suggests.
    PushButton* SuggestedButton() const;
    // Focuses the first answer shown, whose description then tells what is on screen.
    void FocusFirstAnswer();
    // What a screen reader hears after a press: the definition once revealed, else the word
    // box's text.
    QString TextOnScreen() const;
    void TellAnswerButtons(PushButton* focused);
    void ForgetAnswerTexts();
    void PlaceBreakDialog();
    void PaintBackground(QPainter& painter);
    void CreateBoxOver(CWinText& box, int placeholderId, uint32_t format);
    void AttachPictures();
    void AddAnswerKeys();
    // The word on screen as a record of list/kelvo.lst (word index n is record 0); -1 for none.
    int CurrentRecord() const;
    // The pictures and recordings of the card on screen; none before the start press.
    CardMedia MediaOnScreen();
    // The card's picture of the side the word box shows with it, and of the side revealed
    // below once it is.
    void ShowCardPictures();
    // Plays the card's recording of the side shown first, or of the side revealed.
    bool PlayCardSound(bool isRevealedSide);
    // Reads the words and the session anew after the Words window changed them, and goes on
    // at `focusRecord` (a record of the saved list, -1 for none) when the word shown was
    // deleted.
    void StudyOnAfterEdit(int focusRecord);
    void AddSideButtonTips();
    void UpdateTitle();
    // Starts a sync of a joined list with this run's answers on a thread of its own; what
    // arrived is read in by ReloadIfDue once it has ended.
    void SyncList();
    // What a sync started when `answered` verdicts had been given tells on its end.
    void OnSynced(const StudySync::Outcome& outcome, uint64_t answered);
    // Runs the sync here and now: the notice for the study line, "" when nothing arrived.
    std::string RunSync(int32_t wordOnScreen, ListSync::Report& report);
    std::string NoticeOf(bool synced, const ListSync::Report& report,
                         const std::string& error) const;
    // "Use for Every List" in Fonts and Colors: after asking, `settings` go to every list
    // and to those added from now on.
    void UseSettingsForEveryList(const CQuibConfigData& settings);
    // Before a save: a running sync has ended, and the answers are in the journal.
    void WaitForSyncAndRecord();
    bool IsBusyForSync() const;
    void SyncWhenDueAndFree();
    // Reads the session the sync rewrote, keeping the word on screen where it is.
    void ReloadIfDue();
    ListFolder::Direction Direction() const;
    // What the word box shows, and what the press reveals below it.
    // The raw text of a field (see WordListFile::StoredText): a compact one holds NUL bytes.
    std::string ShownFirst() const;
    std::string Revealed() const;

    PlatformServices& m_services;
    EngineEnv& m_env;
    uint32_t m_timerId = 0;
    // Outlives the session, which uses it; its destruction writes the time file once more.
    CTimeWordRecord m_timeRecord;
    CQuibConfigData m_settings;
    // Opens the progress module on the first request for its window.
    ProgressLoader m_progressLoader;
    // Made on first use: most starts open none of them, and their widgets would delay the
    // first word.
    std::unique_ptr<CQuibStatisticDlg> m_statDlg;
    std::unique_ptr<CQuibConfigDlg> m_configDlg;
    std::unique_ptr<CBreakDlg> m_breakDlg;
    bool IsBreakShown() const { return m_breakDlg && m_breakDlg->isVisible(); }
    // Opens the Words module on the first Ctrl+E.
    ModuleLoader m_wordsModule;
    QWidget* m_pExitButton = nullptr;
    QWidget* m_pBreakButton = nullptr;
    PushButton* m_btnNo = nullptr;
    PushButton* m_btnUnsure = nullptr;
    PushButton* m_btnYes = nullptr;
    StaticControl* m_frameStrips[5] = {};
    // Every laid-out control's rectangle as the template built it, by control id (the two
    // boxes under their placeholders' ids): the layout starts from these each time.
    std::map<int, Rect> m_templateRects;
    CWordSelect m_wordSelect;
    HistoryFile m_history;
    StudySession m_session;
    bool m_initialized = false;
    // While the Words window is open its save may have moved the progress on disk, which this
    // window then holds stale until it reads it anew: a save from a signal must not write it.
    bool m_isEditingWords = false;
    bool m_isBackwards = false;
    bool m_isTyping = false;
    // Made as the window opens when typing; the answer typed for the word on screen has
    // revealed it, and the verdict it suggests waits for the press that decides.
    AnswerLine* m_answerLine = nullptr;
    std::unique_ptr<AwayWatch> m_awayWatch;
    // What is left of a break under way when the window last closed, taken at the first tick.
    int32_t m_pendingBreakMs = 0;
    bool m_isTypedRevealed = false;
    int32_t m_suggested = ANSWER_NO;
    // A press or an undo whose outcome the focused button has not told yet.
    bool m_isPressUntold = false;
    std::string m_listName;
    // Made as the window opens, when the direction is known.
    std::unique_ptr<StudySync> m_sync;
    bool m_isSyncDue = false;
    bool m_isReloadDue = false;
    // The verdicts given (the log's Added) when the sync whose files are to be read began.
    uint64_t m_reloadAnswered = 0;
    bool m_isListReloadDue = false;
    CWinText m_wordBox;
    CWinText m_defBox;
    CStudyLine m_studyLine;
    // P and its keys; made with the answer keys, which every modal run builds anew.
    std::unique_ptr<StudySpeech> m_speech;
    ListMedia m_media{"."};
    Pronouncer::VoiceFactory m_voiceFactory;
    std::vector<bool> m_seen;  // by word index, 1..n
    int32_t m_seenCount = 0;
    // Whether the word on screen had been seen before this showing, and the one before it,
    // which an undo brings back.
    bool m_currentSeenBefore = false;
    bool m_previousSeenBefore = false;
};
