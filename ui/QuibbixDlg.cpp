// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/QuibbixDlg.h"

#include "engine/EngineEnv.h"
#include "engine/Escaped.h"
#include "engine/WordListFile.h"
#include "imports/FieldText.h"
#include "lists/ListStore.h"
#include "platform/DialogIds.h"
#include "platform/DrawText.h"
#include "platform/KeyState.h"
#include "platform/LayoutReport.h"
#include "platform/MessageBoxes.h"
#include "platform/PushButton.h"
#include "platform/RaiseChannel.h"
#include "platform/ScreenMetrics.h"
#include "platform/Sound.h"
#include "platform/StaticControl.h"
#include "platform/WindowOps.h"
#include "ui/APPUTIL.h"
#include "ui/AnswerLine.h"
#include "ui/help/HelpWindow.h"
#include "ui/speech/StudySpeech.h"
#include "ui/words/WordsModule.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QProcess>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <utility>

#include "posix/PosixProcess.h"

namespace {

const char kStartText[] = QT_TRANSLATE_NOOP("CQuibbixDlg", "Press \"I Know\" to Start");
const char kNotSyncedText[] =
    QT_TRANSLATE_NOOP("CQuibbixDlg", "Not synced this time: your answers wait for the next sync");
const char kHelpText[] = QT_TRANSLATE_NOOP(
    "CQuibbixDlg",
    "Use \"Fonts and Colors\" button to select fonts and colors for vocabulary display box "
    "(above) and definition display box (here).\n\n(V1.0)");

}  // namespace

CQuibbixDlg::CQuibbixDlg(PlatformServices& services, EngineEnv& env, QWidget* parent)
    : TemplateDialog(kTemplateId, parent),
      m_services(services),
      m_env(env),
      m_timeRecord(env),
      m_wordsModule(ModuleLoader::PathOf(WordsModule::kFileName)),
      m_wordSelect(env),
      m_history(env),
      m_session(m_wordSelect, &m_timeRecord) {
    m_session.SetHistory(&m_history);
    m_awayWatch = std::make_unique<AwayWatch>([this] { OnInput(); });
    // Time with no input is held back from what is saved until an input confirms it.
    m_session.HoldBackSinceInput(m_awayWatch->IsOn());
    // Window managers that follow the Motif hints refuse to maximize a window without it.
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    HelpWindow::InstallShortcut(this);
}

CQuibbixDlg::~CQuibbixDlg() = default;

CBreakDlg& CQuibbixDlg::GetBreakDlg() {
    if (!m_breakDlg) m_breakDlg = std::make_unique<CBreakDlg>(m_services.sound, nullptr);
    return *m_breakDlg;
}

CQuibStatisticDlg& CQuibbixDlg::GetStatisticDlg() {
    if (!m_statDlg) {
        m_statDlg = std::make_unique<CQuibStatisticDlg>(nullptr);
        m_statDlg->SetProgressLoader(&m_progressLoader, &m_services.messageBoxes);
    }
    return *m_statDlg;
}

CQuibConfigDlg& CQuibbixDlg::GetConfigDlg() {
    if (!m_configDlg) m_configDlg = std::make_unique<CQuibConfigDlg>(m_services.dialogs, nullptr);
    return *m_configDlg;
}

void CQuibbixDlg::SetListName(const std::string& name) {
    m_listName = name;
    UpdateTitle();
}

void CQuibbixDlg::SetBackwards(bool backwards) {
    m_isBackwards = backwards;
    UpdateTitle();
}

void CQuibbixDlg::UpdateTitle() {
    // The name comes from a file the user may have edited by hand.
    QString title = QStringLiteral("Quibbix");
    if (!m_listName.empty() || m_isBackwards) title += QStringLiteral(" — ");
    title += QString::fromStdString(Escaped(m_listName));
    if (m_isBackwards) title += m_listName.empty() ? tr("backwards") : tr(", backwards");
    setWindowTitle(title);
}

std::string CQuibbixDlg::ShownFirst() const {
    return std::string(WordListFile::StoredText(m_isBackwards ? m_wordSelect.DefinitionField()
                                                              : m_wordSelect.WordField()));
}

std::string CQuibbixDlg::Revealed() const {
    return std::string(WordListFile::StoredText(m_isBackwards ? m_wordSelect.WordField()
                                                              : m_wordSelect.DefinitionField()));
}

bool CQuibbixDlg::Initialize() {
    if (!m_settings.Load(m_env.Files())) {
        const LogFont dialogFont = GetDialogLogFont();
        m_settings.m_lfVocabulary = dialogFont;
        m_settings.m_lfDefinition = dialogFont;
    }
    // A synced list is brought up to date before it is read, so that a restart shows what
    // arrived meanwhile. The folder goes by its whole path: backwards, the engine's file
    // layer turns "session/..." into session-reverse/, and the sync names both directions'.
    std::error_code ignored;
    const std::filesystem::path folder = std::filesystem::current_path(ignored);
    m_sync = std::make_unique<StudySync>(folder, Direction());
    m_session.SetAnswerLog(m_sync->IsJoined() ? &m_sync->Log() : nullptr);
    std::string arrived;
    if (m_sync->IsJoined()) {
        ListSync::Report report;
        arrived = RunSync(ListSync::WordOnScreen(folder, Direction()), report);
    }
    m_session.Init();
    // The break clock is the learner's, not the list's: kept in the data folder, it goes on
    // where the last run of any list left it, on a break still under way if there was one.
    m_session.SetBreakRecord(&m_env.Files(),
                             (ListFolder::DataHomeOf(folder) / BreakRecord::kFileName).string());
    const int32_t breakLeftMs = m_session.RestoreBreak();
    StartRound();
    m_timeRecord.Load();
    OfferToQuitOverUnreadableFiles();
    // A definition does not fit one line: backwards, the word box wraps it, centred.
    CreateBoxOver(m_wordBox, kWordPlaceholderId,
                  DT_CENTER | DT_VCENTER | (m_isBackwards ? DT_WORDBREAK : DT_SINGLELINE));
    CreateBoxOver(m_defBox, kDefinitionPlaceholderId, DT_WORDBREAK);
    m_wordBox.SetCaption(m_isBackwards ? tr("Definition") : tr("Word"));
    m_defBox.SetCaption(m_isBackwards ? tr("Word") : tr("Definition"));
    // Named for layout reports and tests by their place, in no language; readers get the text.
    m_wordBox.setObjectName(QStringLiteral("Word"));
    m_defBox.setObjectName(QStringLiteral("Definition"));
    // The words behind the box are a right click away too.
    m_wordBox.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&m_wordBox, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        QAction* edit = menu.addAction(tr("&Edit Words…"), this, [this] { OnEditWords(); });
        edit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
        edit->setEnabled(!IsBreakShown());
        QAction* choose = menu.addAction(tr("Choose a &List…"), this, [this] { OnChooseList(); });
        choose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
        choose->setEnabled(!IsBreakShown());
        menu.exec(m_wordBox.mapToGlobal(at));
    });
    m_studyLine.setParent(this);
    if (m_isTyping) {
        delete m_answerLine;
        m_answerLine = new AnswerLine(this, [this] { OnTypedAnswer(); });
        m_answerLine->Reset(false);
    }
    ApplyDisplaySettings();
    AttachPictures();
    m_wordBox.SetText(tr(kStartText).toStdString());
    m_defBox.SetText(tr(kHelpText).toStdString());
    HideWindow(m_btnNo);
    HideWindow(m_btnUnsure);
    m_session.WaitForStart();
    m_pBreakButton = GetDlgItem(kBreakId);
    EnableWindow(m_pBreakButton, false);
    m_pExitButton = GetDlgItem(kExitId);
    AddSideButtonTips();
    // Enter means "I Know" here, never the focused button: a button pressed with the mouse
    // must not catch the next Enter (see keyPressEvent).
    for (PushButton* button : findChildren<PushButton*>()) button->setAutoDefault(false);
    RememberTemplateLayout();
    m_services.screen.FillWorkArea(*this);
    LayoutForClientSize();
    m_timerId = SetTimer(TICK_TIMER_ID, TICK_MS);
    AddAnswerKeys();
    m_speech = std::make_unique<StudySpeech>(
        *this, [this](const QString& note) { m_studyLine.ShowNotice(note.toStdString()); },
        StudySpeech::Texts{[this] { return IsPaused() ? std::string() : ShownFirst(); },
                           [this] { return IsRevealed() ? Revealed() : std::string(); },
                           [this] { return !IsPaused() && PlayCardSound(false); },
                           [this] { return IsRevealed() && PlayCardSound(true); }},
        m_isBackwards, m_voiceFactory, [this] { return m_services.sound.CanBeHeard(); });
    UpdateStudyLine();
    m_studyLine.ShowNotice(arrived);
    m_sync->Watch([this] { OnSyncFolderChanged(); });
    FocusFirstAnswer();
    m_initialized = true;
    // At the first tick, once the window shows.
    m_pendingBreakMs = breakLeftMs;
    return true;
}

ListFolder::Direction CQuibbixDlg::Direction() const {
    return m_isBackwards ? ListFolder::Direction::kBackwards : ListFolder::Direction::kForwards;
}

std::string CQuibbixDlg::RunSync(int32_t wordOnScreen, ListSync::Report& report) {
    std::string error;
    const bool synced = m_sync->Run(wordOnScreen, report, error);
    return NoticeOf(synced, report, error);
}

std::string CQuibbixDlg::NoticeOf(bool synced, const ListSync::Report& report,
                                  const std::string& error) const {
    // The learner hears only what arrived; the files that are late or damaged are for
    // whoever looks into the folder.
    for (const std::string& note : report.notes)
        std::fprintf(stderr, "quibbix: %s\n", Escaped(note).c_str());
    if (synced) return report.Line();
    std::fprintf(stderr, "quibbix: the list was not synced: %s\n", Escaped(error).c_str());
    return tr(kNotSyncedText).toStdString();
}

void CQuibbixDlg::SyncList() {
    // The Words window changes the list itself; the next sync carries its changes.
    if (!m_sync || !m_sync->IsJoined() || m_isEditingWords || m_sync->IsRunning()) return;
    m_isSyncDue = false;
    const uint32_t word = m_wordSelect.GetCurrent().m_wordIndex;
    const uint64_t answered = m_sync->Log().Added();
    m_sync->Start(
        word == NO_WORD ? -1 : static_cast<int32_t>(word),
        [this, answered](const StudySync::Outcome& outcome) { OnSynced(outcome, answered); });
}

void CQuibbixDlg::OnSynced(const StudySync::Outcome& outcome, uint64_t answered) {
    m_studyLine.ShowNotice(NoticeOf(outcome.synced, outcome.report, outcome.error));
    const bool changed = outcome.report.sessionChanged || outcome.report.listChanged;
    // What it wrote holds every verdict given before it began, and whatever an earlier sync
    // wrote that is still to be read.
    if (outcome.synced && (changed || m_isReloadDue)) {
        m_isReloadDue = true;
        m_reloadAnswered = answered;
    }
    m_isListReloadDue = m_isListReloadDue || outcome.report.listChanged;
    if (!IsBusyForSync()) ReloadIfDue();
}

bool CQuibbixDlg::IsBusyForSync() const {
    // A save still writing would put its older lists over what the sync writes; a dialog or
    // a definition in view has the learner's attention.
    const QWidget* modal = QApplication::activeModalWidget();
    return m_isEditingWords || (modal && modal != this) || IsBreakShown() ||
           m_session.IsSavingInBackground() || IsRevealed();
}

void CQuibbixDlg::SyncWhenDueAndFree() {
    if (!m_isSyncDue || IsBusyForSync()) return;
    SyncList();
    ReloadIfDue();
}

void CQuibbixDlg::OnSyncFolderChanged() {
    m_isSyncDue = true;
    SyncWhenDueAndFree();
}

void CQuibbixDlg::ReloadIfDue() {
    if (!m_isReloadDue || m_isEditingWords || (m_sync && m_sync->IsRunning())) return;
    // A verdict given while the sync ran is not in what it wrote, and reading that would
    // lose it: the next sync writes both, and is read instead.
    if (m_sync && m_sync->Log().Added() != m_reloadAnswered) {
        m_isSyncDue = true;
        return;
    }
    m_isReloadDue = false;
    const bool isListChanged = m_isListReloadDue;
    m_isListReloadDue = false;
    // The session files leave the word on screen out of its list, and currWord.cfg still
    // names it: it stays on screen, and the counts become the synced ones.
    const bool currentSeenBefore = m_currentSeenBefore;
    m_session.Init();
    StartRound();
    const uint32_t current = m_wordSelect.GetCurrent().m_wordIndex;
    if (current != 0 && current < m_seen.size() && !m_seen[current]) {
        m_seen[current] = true;
        ++m_seenCount;
    }
    m_currentSeenBefore = currentSeenBefore;
    // Another computer may have edited the word on screen.
    const bool isWordShown = m_btnNo && m_btnNo->isVisibleTo(this) && current != NO_WORD;
    if (isListChanged && isWordShown) {
        m_wordBox.SetText(ShownFirst());
        if (IsRevealed()) m_defBox.SetText(Revealed());
        ShowCardPictures();
        // Mended on another computer, the text on screen is news to a screen reader too.
        TellAnswerButtons(nullptr);
    }
    UpdateStudyLine();
}

void CQuibbixDlg::RememberTemplateLayout() {
    m_templateRects.clear();
    for (int id : {kStatisticsId, kFontsId, kBreakId, kExitId, kNoId, kUnsureId, kYesId,
                   kTopStripId, kBottomStripId, kLeftStripId, kRightStripId, kMiddleStripId}) {
        if (QWidget* control = GetDlgItem(id))
            m_templateRects[id] = Rect::FromQRect(control->geometry());
    }
    m_templateRects[kWordPlaceholderId] = Rect::FromQRect(m_wordBox.geometry());
    m_templateRects[kDefinitionPlaceholderId] = Rect::FromQRect(m_defBox.geometry());
    if (!m_templateRects.count(kStatisticsId) || !m_templateRects.count(kExitId)) return;
    // Smaller, the word box would lose more than half its width or the definition box more
    // than half its height; the buttons would still fit, but not the text. (At the size
    // where the buttons sit where the template has them, the boxes are 20 px narrower.)
    const int naturalWidth = m_templateRects[kStatisticsId].right + LAYOUT_MARGIN;
    const int naturalHeight = m_templateRects[kExitId].bottom + LAYOUT_MARGIN;
    setMinimumSize(naturalWidth + 20 - m_templateRects[kWordPlaceholderId].Width() / 2,
                   naturalHeight - m_templateRects[kDefinitionPlaceholderId].Height() / 2);
}

void CQuibbixDlg::OfferToQuitOverUnreadableFiles() {
    // The engine has said which files and why; studying on is safe, since they are not
    // overwritten, but the user may rather mend them first.
    if (!m_wordSelect.GetWordState().HasUnreadableFiles()) return;
    const int answer = m_services.messageBoxes.ShowUnicode(
        this,
        tr("Some of your progress could not be read. Quit now to look into it? (No studies on; "
           "the files that could not be read are left as they are.)"),
        QStringLiteral("Quibbix"), MessageBoxes::Buttons::YesNo, MessageBoxes::Icon::Question);
    // The dialog is not running yet: end it as soon as it is.
    if (answer == IDYES) QTimer::singleShot(0, this, [this] { EndDialog(IDCANCEL); });
}

void CQuibbixDlg::CreateBoxOver(CWinText& box, int placeholderId, uint32_t format) {
    // The boxes show the user's words and definitions, where an '&' is a letter ("R&D"), not
    // an access key.
    box.CreateBox(" ", PlaceholderRect(placeholderId, BOX_INSET), this, format | DT_NOPREFIX);
}

void CQuibbixDlg::AttachPictures() {
    m_btnNo = GetButton(kNoId);
    SetButtonBitmap(m_btnNo, "BMP_DONOT_KNOW", 5, 5, "list/DonotKnow.bmp");
    m_btnUnsure = GetButton(kUnsureId);
    SetButtonBitmap(m_btnUnsure, "BMP_UNSURE", 5, 5, "list/Unsure.bmp");
    m_btnYes = GetButton(kYesId);
    SetButtonBitmap(m_btnYes, "BMP_YES", 5, 5, "list/Yes.bmp");

    const struct {
        int id;
        const char* file;
    } strips[] = {{kTopStripId, "list/2Collar_V.emf"},
                  {kBottomStripId, "list/2Collar_V.emf"},
                  {kLeftStripId, "list/2Collar_H.emf"},
                  {kRightStripId, "list/2Collar_H.emf"},
                  {kMiddleStripId, "list/2Collar_V.emf"}};
    int i = 0;
    for (const auto& strip : strips) {
        StaticControl* frame = m_frameStrips[i++] = GetStatic(strip.id);
        if (!frame) continue;
        // The frame only decorates, its picture loaded or not: a screen reader passes it by.
        frame->SetDecorative(true);
        SetStaticMetaFile(frame, strip.file);
    }
}

void CQuibbixDlg::AddAnswerKeys() {
    // One key per answer button, besides Tab and the default button. A shortcut of a hidden
    // or disabled button does nothing, so "I Know" stays the only answer before the start.
    const struct {
        PushButton* button;
        Qt::Key key;
        const char* tip;
    } keys[] = {{m_btnYes, Qt::Key_K, QT_TR_NOOP("I Know (K)")},
                {m_btnUnsure, Qt::Key_S, QT_TR_NOOP("Not Sure (S)")},
                {m_btnNo, Qt::Key_D, QT_TR_NOOP("Don't Know (D)")}};
    QString undoTip =
        tr("\nCtrl+Z or Backspace takes the last verdict back\nCtrl+E edits the list's words");
    if (m_isBackwards) undoTip += tr("\nBackwards: answer with the word for the definition shown");
    // The buttons are built anew by every modal run; so are their keys.
    for (QShortcut* old : findChildren<QShortcut*>(QString(), Qt::FindDirectChildrenOnly))
        delete old;
    for (const auto& k : keys) {
        if (!k.button) continue;
        k.button->setToolTip(tr(k.tip) + undoTip);
        auto* shortcut = new QShortcut(QKeySequence(k.key), this);
        PushButton* button = k.button;
        connect(shortcut, &QShortcut::activated, this, [button] {
            if (button->isVisible() && button->isEnabled()) button->click();
        });
    }
    for (const QKeySequence& key :
         {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::Key_Backspace)}) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this] { OnUndo(); });
    }
    if (m_isTyping) {
        // P types in the answer line; with Alt it speaks there as it does elsewhere.
        auto* sayShown = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_P), this);
        connect(sayShown, &QShortcut::activated, this, [this] {
            if (m_speech) m_speech->SayShown();
        });
        auto* sayRevealed = new QShortcut(QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_P), this);
        connect(sayRevealed, &QShortcut::activated, this, [this] {
            if (m_speech) m_speech->SayRevealed();
        });
    }
    auto* editWords = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
    connect(editWords, &QShortcut::activated, this, [this] { OnEditWords(); });
    auto* chooseList = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    connect(chooseList, &QShortcut::activated, this, [this] { OnChooseList(); });
}

void CQuibbixDlg::OnChooseList() {
    if (!m_initialized || IsBreakShown() || m_isEditingWords) return;
    // Whatever is chosen, this run's answers are on disk first; studying another list then
    // closes this window through its channel, named in the chooser's environment.
    SaveNow();
    QProcess chooser;
    chooser.setProgram(
        QString::fromStdString((PosixProcess::BinDir() / "quibbix-chooser").string()));
    QStringList arguments{QStringLiteral("--choose")};
    if (m_isBackwards) arguments << QStringLiteral("--reverse");
    chooser.setArguments(arguments);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    std::error_code ignored;
    environment.insert(
        QString::fromLatin1(RaiseChannel::kChosenFrom),
        QString::fromStdString(RaiseChannel::PathFor(std::filesystem::current_path(ignored),
                                                     ListFolder::SessionName(Direction()))));
    chooser.setProcessEnvironment(environment);
    if (!chooser.startDetached())
        m_studyLine.ShowNotice(
            tr("The lists cannot be shown: %1").arg(chooser.errorString()).toStdString());
}

int CQuibbixDlg::CurrentRecord() const {
    const int32_t index = m_wordSelect.GetCurrent().m_wordIndex;
    const int32_t count = m_wordSelect.GetRecordReader().GetCount();
    if (index < 1 || index > count) return -1;
    return index == count ? 0 : index;
}

void CQuibbixDlg::OnEditWords() {
    // A break is a break: the words wait until it is over.
    if (!m_initialized || IsBreakShown()) return;
    QString error;
    const auto edit = reinterpret_cast<WordsModule::EditFunction>(m_wordsModule.Entry(
        WordsModule::kVersionSymbol, WordsModule::kVersion, WordsModule::kEditSymbol, error));
    if (!edit) {
        m_services.messageBoxes.ShowUnicode(this, error, tr("Cannot Edit the Words"),
                                            MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Error);
        return;
    }
    m_session.SuspendClock();
    m_timeRecord.Save();
    // The update moves the progress on disk: this run's answers must be there first.
    if (SaveUntilSavedOrGivenUp()) {
        ReloadIfDue();
        WordsEditRequest request;
        request.isBackwards = m_isBackwards;
        request.focusRecord = CurrentRecord();
        WordsEditResult result;
        m_isEditingWords = true;
        ForgetAnswerTexts();
        edit(this, request, result);
        m_isEditingWords = false;
        if (!result.error.empty())
            m_services.messageBoxes.ShowUnicode(
                this,
                tr("Quibbix cannot show the words: %1")
                    .arg(QString::fromStdString(Escaped(result.error))),
                tr("Cannot Edit the Words"), MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Error);
        else if (result.isChanged)
            StudyOnAfterEdit(result.focusRecord);
        if (!result.isChanged) TellAnswerButtons(nullptr);
        // The change reaches the other computers at the next tick.
        if (result.isChanged && m_sync && m_sync->IsJoined()) m_isSyncDue = true;
    }
    m_session.ResumeClock();
}

void CQuibbixDlg::StudyOnAfterEdit(int focusRecord) {
    const bool wasPaused = m_session.IsPaused();
    // The update left the current word where its record went, or none when it was deleted:
    // then the word after it in the list comes, unless it is known already.
    m_session.Init();
    StartRound();
    const int32_t count = m_wordSelect.GetRecordReader().GetCount();
    if (focusRecord >= 0 && focusRecord < count)
        m_wordSelect.MakeCurrent(focusRecord == 0 ? count : focusRecord);
    if (wasPaused) {
        m_session.WaitForStart();
    } else {
        m_session.NextWord();
        NoteWordShown();
        ShowWordUnrevealed();
    }
    UpdateStudyLine();
    FocusFirstAnswer();
}

void CQuibbixDlg::ApplyDisplaySettings() {
    m_wordBox.SetFontAndColors(m_settings.m_lfVocabulary, m_settings.m_crVocabularyText,
                               m_settings.m_crVocabularyBack);
    m_defBox.SetFontAndColors(m_settings.m_lfDefinition, m_settings.m_crDefinitionText,
                              m_settings.m_crDefinitionBack);
    m_studyLine.SetBackColor(m_settings.m_crProgramBack);
}

void CQuibbixDlg::PlaceFromTemplate(QWidget* control, int id, int dLeft, int dTop, int dRight,
                                    int dBottom) {
    auto it = m_templateRects.find(id);
    if (!control || it == m_templateRects.end()) return;
    Rect rect = it->second;
    rect.left += dLeft;
    rect.top += dTop;
    rect.right += dRight;
    rect.bottom += dBottom;
    MoveWindow(control, rect, false);
}

void CQuibbixDlg::LayoutForClientSize() {
    // The button column keeps its margin to the right edge and the bottom row to the bottom
    // edge; the boxes and strips take up the difference. Always from the template, so that
    // any number of passes at one size give one layout.
    if (!m_templateRects.count(kStatisticsId) || !m_templateRects.count(kExitId)) return;
    const QSize client = ClientSize();
    const int dx = client.width() - LAYOUT_MARGIN - m_templateRects[kStatisticsId].right;
    const int dy = client.height() - LAYOUT_MARGIN - m_templateRects[kExitId].bottom;
    for (int id : {kStatisticsId, kFontsId, kBreakId, kExitId})
        PlaceFromTemplate(GetDlgItem(id), id, dx, dy, dx, dy);
    for (int id : {kNoId, kUnsureId, kYesId})
        PlaceFromTemplate(GetDlgItem(id), id, dx - 10, dy, dx - 10, dy);
    PlaceFromTemplate(GetDlgItem(kRightStripId), kRightStripId, dx - 10, 0, dx - 10, dy);
    for (int id : {kTopStripId, kMiddleStripId})
        PlaceFromTemplate(GetDlgItem(id), id, 0, 0, dx - 20, 0);
    PlaceFromTemplate(GetDlgItem(kBottomStripId), kBottomStripId, 0, dy, dx - 20, dy);
    PlaceFromTemplate(GetDlgItem(kLeftStripId), kLeftStripId, 0, 0, 0, dy);
    PlaceFromTemplate(&m_wordBox, kWordPlaceholderId, 0, 0, dx - 20, 0);
    // Typing, the answer line takes the top of the definition's place.
    const int lineHeight = m_answerLine ? m_answerLine->PreferredHeight() + BOX_INSET : 0;
    PlaceFromTemplate(&m_defBox, kDefinitionPlaceholderId, 0, lineHeight, dx - 20, dy);
    if (m_answerLine) {
        const QRect box = m_defBox.geometry();
        m_answerLine->setGeometry(box.left(), box.top() - lineHeight, box.width(),
                                  lineHeight - BOX_INSET);
    }
    PlaceStudyLine();
    ReportControlRects(this);
}

void CQuibbixDlg::PlaceStudyLine() {
    // Right of the frame, over the answer buttons and the side buttons, down from the top
    // of the word box: beside the word it reads as part of the study, not as a caption of
    // the window. Where that space is too small the line is left out.
    QWidget* strip = GetDlgItem(kRightStripId);
    QWidget* stats = GetDlgItem(kStatisticsId);
    QWidget* no = GetDlgItem(kNoId);
    if (!strip || !stats || !no) return;
    const Rect area{strip->geometry().right() + 1 + LAYOUT_MARGIN, m_wordBox.geometry().top(),
                    stats->geometry().right() + 1,
                    std::min(stats->geometry().top(), no->geometry().top()) - LAYOUT_MARGIN};
    m_studyLine.PlaceIn(area);
}

void CQuibbixDlg::UpdateStudyLine() {
    // Text only: the place was set by the layout, for any text the line can show.
    if (!m_session.IsAway() && !m_session.IsPaused() && !m_session.IsBeforeReveal()) {
        m_studyLine.ShowHint(m_session.GetFirstAnswer());
        return;
    }
    CStudyLine::Progress progress;
    progress.knew = m_session.GetKnewCount();
    progress.others = m_session.GetOtherCount();
    progress.round = RoundReached();
    progress.words = static_cast<int32_t>(m_seen.size()) - 1;
    progress.toBeViewed = m_wordSelect.GetWordState().GetToBeViewed().GetCount();
    progress.msSinceBreak = m_session.GetMsSinceBreak();
    progress.wordsSinceBreak = m_session.GetWordsSinceBreak();
    progress.isAway = m_session.IsAway();
    m_studyLine.ShowProgress(progress);
}

void CQuibbixDlg::StartRound() {
    const int32_t words = m_wordSelect.GetRecordReader().GetCount();
    m_seen.assign(static_cast<size_t>(std::max(0, words)) + 1, false);
    m_seenCount = 0;
    m_currentSeenBefore = m_previousSeenBefore = false;
    const CWordState& state = m_wordSelect.GetWordState();
    for (const CWordList* list : {&state.GetUnsure(), &state.GetMistaken(), &state.GetNew(),
                                  &state.GetLearning(), &state.GetKnown()}) {
        for (const CListRec& entry : list->Entries()) {
            if (entry.m_wordIndex < m_seen.size() && !m_seen[entry.m_wordIndex]) {
                m_seen[entry.m_wordIndex] = true;
                ++m_seenCount;
            }
        }
    }
}

void CQuibbixDlg::NoteWordShown() {
    const uint32_t index = m_wordSelect.GetCurrent().m_wordIndex;
    m_previousSeenBefore = m_currentSeenBefore;
    // Index 0 is no word; NO_WORD lies beyond any list.
    m_currentSeenBefore = index == 0 || index >= m_seen.size() || m_seen[index];
    if (m_currentSeenBefore) return;
    m_seen[index] = true;
    ++m_seenCount;
}

CStudyLine::Progress::Round CQuibbixDlg::RoundReached() const {
    using Round = CStudyLine::Progress::Round;
    const int32_t words = static_cast<int32_t>(m_seen.size()) - 1;
    if (words <= 0 || m_seenCount < words) return Round::kUnderway;
    // Every word seen, and none waiting in a list of words not yet known: the last verdict on
    // each was "I Know". The word on screen counts as known only when it came back for review.
    const CWordState& state = m_wordSelect.GetWordState();
    const bool isLearning = state.GetUnsure().GetCount() + state.GetMistaken().GetCount() +
                                state.GetNew().GetCount() + state.GetLearning().GetCount() >
                            0;
    const bool isCurrentOpen = m_wordSelect.GetCurrent().m_wordIndex != NO_WORD &&
                               (m_wordSelect.GetCurrentList() != 0 || !m_currentSeenBefore);
    return isLearning || isCurrentOpen ? Round::kEverySeen : Round::kEveryKnown;
}

void CQuibbixDlg::resizeEvent(QResizeEvent* event) {
    TemplateDialog::resizeEvent(event);
    // A resize by the window manager (or a move to a screen of another size) lays out anew.
    LayoutForClientSize();
}

void CQuibbixDlg::moveEvent(QMoveEvent* event) {
    TemplateDialog::moveEvent(event);
    ReportControlRects(this);
}

void CQuibbixDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // After an answer typed, Enter takes the verdict it suggests.
        PushButton* button = m_isTypedRevealed ? SuggestedButton() : m_btnYes;
        if (button && button->isVisible() && button->isEnabled()) button->click();
        return;
    }
    TemplateDialog::keyPressEvent(event);
}

PushButton* CQuibbixDlg::SuggestedButton() const {
    return m_suggested == ANSWER_NO       ? m_btnNo
           : m_suggested == ANSWER_UNSURE ? m_btnUnsure
                                          : m_btnYes;
}

void CQuibbixDlg::FocusFirstAnswer() {
    if (m_answerLine && !m_session.IsPaused() && !IsRevealed() && !IsBreakShown()) {
        m_answerLine->TakeFocus(m_wordBox.ShownText());
        return;
    }
    if (m_isTypedRevealed) {
        PushButton* suggested = SuggestedButton();
        TellAnswerButtons(suggested);
        SetKeyboardFocus(suggested);
        return;
    }
    // The first in the template's tab order, which runs down the column: "Don't Know", then
    // "Not Sure", then "I Know", the only one before the start press. A stray Space then
    // reveals, or judges a word not known, rather than claiming it known.
    for (PushButton* button : {m_btnNo, m_btnUnsure, m_btnYes}) {
        if (button && button->isVisibleTo(this) && button->isEnabled()) {
            TellAnswerButtons(button);
            SetKeyboardFocus(button);
            return;
        }
    }
}

QString CQuibbixDlg::TextOnScreen() const {
    if (m_isTypedRevealed)
        return m_defBox.ShownText() + QStringLiteral(". ") + m_answerLine->SpokenOutcome();
    return IsRevealed() ? m_defBox.ShownText() : m_wordBox.ShownText();
}

bool CQuibbixDlg::IsRevealed() const {
    return m_isTypedRevealed || (!m_session.IsPaused() && !m_session.IsBeforeReveal());
}

void CQuibbixDlg::TellAnswerButtons(PushButton* focused) {
    // Screen readers speak what changes on the focused object only, and the learner stays on
    // an answer button: its description carries what the press brought up, while its name
    // stays the answer. Set before the focus moves, it is read with the button.
    const QString text = TextOnScreen();
    for (PushButton* button : {m_btnNo, m_btnUnsure, m_btnYes}) {
        if (!button) continue;
        if (button->accessibleDescription() != text) {
            button->setAccessibleDescription(text);
        } else if (button == focused && m_isPressUntold) {
            // The same text again (a word drawn twice in a row) is news all the same.
            QAccessibleEvent again(button, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&again);
        }
    }
    m_isPressUntold = false;
}

void CQuibbixDlg::ForgetAnswerTexts() {
    // A window that closes gives the focus back to an answer button before the next word is
    // shown: without this, a reader would read the old word or definition with it first.
    for (PushButton* button : {m_btnNo, m_btnUnsure, m_btnYes})
        if (button) button->setAccessibleDescription(QString());
}

void CQuibbixDlg::AddSideButtonTips() {
    const struct {
        int id;
        const char* tip;
    } tips[] = {{kStatisticsId, QT_TR_NOOP("The words in each list and the time studied")},
                {kFontsId, QT_TR_NOOP("The fonts and colors of the word and the definition")},
                {kBreakId, QT_TR_NOOP("A two-minute rest, now")},
                {kExitId, QT_TR_NOOP("Save and leave")}};
    for (const auto& t : tips) {
        PushButton* button = GetButton(t.id);
        if (!button) continue;
        QString tip = tr(t.tip);
        // An access key in the caption ("&Exit") is worth knowing, as the answer keys are.
        const QKeySequence key = QKeySequence::mnemonic(button->text());
        if (!key.isEmpty()) tip += " (" + key.toString(QKeySequence::NativeText) + ")";
        button->setToolTip(tip);
    }
}

void CQuibbixDlg::PaintBackground(QPainter& painter) {
    FillSolidRect(painter, GetClientRect(this), m_settings.m_crProgramBack);
}

void CQuibbixDlg::OnCommand(int id) {
    CommandButton(id);
    // Whatever the button did, answered or opened a dialog that has closed again, the
    // keyboard goes back to the answers.
    FocusFirstAnswer();
}

void CQuibbixDlg::OnCancel() {
    OnExitRequest();
    FocusFirstAnswer();
}

void CQuibbixDlg::CommandButton(int id) {
    switch (id) {
        case kYesId:
            OnButtonYes();
            break;
        case kUnsureId:
            OnButtonUnsure();
            break;
        case kNoId:
            OnButtonNo();
            break;
        case kFontsId:
            OnFontsAndColors();
            break;
        case kStatisticsId:
            OnShowStatistics();
            break;
        case kBreakId:
            TakeABreak();
            break;
        default:
            TemplateDialog::OnCommand(id);
    }
}

void CQuibbixDlg::WaitForSyncAndRecord() {
    if (!m_sync) return;
    // A save must not meet a sync writing the same files; one runs for a moment at most.
    m_sync->Wait();
    m_sync->Record();
}

void CQuibbixDlg::OnTick(uint32_t timerId) {
    if (timerId != TICK_TIMER_ID) return;
    if (m_pendingBreakMs > 0) {
        // The break under way when the window last closed goes on.
        TakeABreak(std::exchange(m_pendingBreakMs, 0));
        return;
    }
    m_awayWatch->Tick();
    if (m_session.IsStudying() && m_awayWatch->IsAway()) m_session.GoAway();
    m_session.Tick();
    // While a sync runs the session files are its own; the verdicts wait in the log and the
    // save for a tick after it.
    const bool isSyncing = m_sync && m_sync->IsRunning();
    // The answers reach this computer's journal before any save counts them: a kill after
    // the save would otherwise lose them for good.
    if (m_sync) m_sync->Record();
    // What a save in the background has just written goes to the other computers.
    if (!isSyncing && m_session.SaveInBackgroundIfDue(m_env.Files()) && m_sync &&
        m_sync->IsJoined())
        m_isSyncDue = true;
    SyncWhenDueAndFree();
    ReloadIfDue();
    UpdateStudyLine();
}

bool CQuibbixDlg::SaveUntilSavedOrGivenUp() {
    WaitForSyncAndRecord();
    while (!m_session.Save()) {
        const int answer = m_services.messageBoxes.ShowUnicode(
            this, tr("Your progress could not be saved. Try again?"), QStringLiteral("Quibbix"),
            MessageBoxes::Buttons::YesNo, MessageBoxes::Icon::Question);
        if (answer != IDYES) return false;
    }
    return true;
}

void CQuibbixDlg::SaveNow() {
    // Until the session has been read whole there is nothing of this run to keep, and a save
    // would write a half-read session over the files.
    if (!m_initialized) return;
    // Nothing is lost: the session was saved as the Words window opened, and no answer can
    // be given while it is open.
    if (m_isEditingWords) return;
    m_session.SuspendClock();
    m_timeRecord.Save();
    WaitForSyncAndRecord();
    m_session.Save();
    // The answers are in the journal already. A sync now could move the words under an
    // answer under way, which would then name the wrong word: it waits until none is, and
    // what arrived is read in at once, as at a tick.
    if (m_sync && m_sync->IsJoined()) m_isSyncDue = true;
    SyncWhenDueAndFree();
    m_session.ResumeClock();
}

void CQuibbixDlg::OnExitRequest() {
    // Escape itself arrives as a cancel command; while it is held the request is not one.
    if (m_services.keys.IsEscapeDown()) return;
    m_session.SuspendClock();
    m_timeRecord.Save();
    // A failed save must not end the program unnoticed: the user may free some space and
    // try again, or go on to leave knowing that this session's answers are lost.
    SaveUntilSavedOrGivenUp();
    // Even when the save failed: the answers may still reach the other computers.
    SyncList();
    const int answer = m_services.messageBoxes.ShowUnicode(
        this, tr("Do you want to leave?"), tr("Confirmation"), MessageBoxes::Buttons::YesNo,
        MessageBoxes::Icon::Question);
    if (answer == IDYES) {
        if (m_timerId != 0) KillTimer(TICK_TIMER_ID);
        if (m_sync) m_sync->Wait();
        EndDialog(IDCANCEL);
        return;
    }
    ReloadIfDue();
    m_session.ResumeClock();
}

void CQuibbixDlg::OnAnswer(int32_t answer) {
    m_isPressUntold = true;
    ReloadIfDue();
    if (m_isTypedRevealed) {
        // The one press after an answer typed is the claim and the verdict both.
        m_isTypedRevealed = false;
        m_session.Press(answer);
    }
    const StudySession::PressResult press = m_session.Press(answer);
    if (press.kind == StudySession::PressResult::Kind::kRevealed) {
        ShowDefinition();
    } else {
        StartOrRecord(press);
    }
    UpdateStudyLine();
}

void CQuibbixDlg::OnUndo() {
    ReloadIfDue();
    if (!m_session.Undo()) return;
    m_isPressUntold = true;
    m_currentSeenBefore = m_previousSeenBefore;
    ShowWordUnrevealed();
    UpdateStudyLine();
    FocusFirstAnswer();
}

void CQuibbixDlg::OnTypedAnswer() {
    if (!m_answerLine || m_session.IsPaused() || IsRevealed() || IsBreakShown()) return;
    const TypedAnswer::Outcome outcome =
        m_answerLine->Judge(QString::fromStdString(FieldText::ToUtf8(Revealed())));
    m_suggested = outcome.suggestion == TypedAnswer::Verdict::kKnow      ? ANSWER_YES
                  : outcome.suggestion == TypedAnswer::Verdict::kNotSure ? ANSWER_UNSURE
                                                                         : ANSWER_NO;
    m_isTypedRevealed = true;
    m_isPressUntold = true;
    ShowDefinition();
    UpdateStudyLine();
    FocusFirstAnswer();
}

void CQuibbixDlg::ShowDefinition() {
    if (m_answerLine && !m_isTypedRevealed) m_answerLine->Lock();
    ShowWindow(&m_defBox);
    EnableWindow(&m_defBox, true);
    RedrawWindowNow(this);
    EnableWindow(m_pExitButton, false);
    EnableWindow(m_pBreakButton, false);
    m_defBox.SetText(Revealed());
    ShowCardPictures();
}

CardMedia CQuibbixDlg::MediaOnScreen() {
    if (IsPaused() || m_wordSelect.GetCurrent().m_wordIndex == NO_WORD) return {};
    return m_media.Of({std::string(WordListFile::StoredText(m_wordSelect.WordField())),
                       std::string(WordListFile::StoredText(m_wordSelect.DefinitionField()))});
}

void CQuibbixDlg::ShowCardPictures() {
    const CardMedia media = MediaOnScreen();
    const std::string& first = m_isBackwards ? media.definitionPicture : media.wordPicture;
    const std::string& second = m_isBackwards ? media.wordPicture : media.definitionPicture;
    m_wordBox.SetPicture(m_media.Picture(first));
    m_defBox.SetPicture(IsRevealed() ? m_media.Picture(second) : QImage());
}

bool CQuibbixDlg::PlayCardSound(bool isRevealedSide) {
    const CardMedia media = MediaOnScreen();
    const bool isWordSide = isRevealedSide == m_isBackwards;
    const std::string path = m_media.Path(isWordSide ? media.wordSound : media.definitionSound);
    return !path.empty() && m_services.sound.StartFile(path);
}

void CQuibbixDlg::StartOrRecord(const StudySession::PressResult& press) {
    if (press.kind == StudySession::PressResult::Kind::kStarted) {
        // The start press: the only moment the other two answers appear.
        ShowWindow(m_btnNo);
        EnableWindow(m_btnNo, true);
        ShowWindow(m_btnUnsure);
        EnableWindow(m_btnUnsure, true);
        RedrawWindowNow(this);
    } else {
        RecordAnswer(press);
    }
    AdvanceWord();
}

void CQuibbixDlg::RecordAnswer(const StudySession::PressResult& press) {
    // The session has recorded the judgement; the next word waits for the end of a due break.
    if (press.isBreakDue) TakeABreak();
}

void CQuibbixDlg::AdvanceWord() {
    m_session.NextWord();
    NoteWordShown();
    ShowWordUnrevealed();
}

void CQuibbixDlg::ShowWordUnrevealed() {
    m_isTypedRevealed = false;
    if (m_answerLine) m_answerLine->Reset(!m_session.IsPaused());
    EnableWindow(m_pExitButton, true);
    EnableWindow(m_pBreakButton, true);
    m_wordBox.SetText(ShownFirst());
    m_defBox.SetText("");
    ShowCardPictures();
    HideWindowNow(&m_defBox);
    RedrawWindowNow(this);
    m_session.ResumeClock();
    if (m_speech) m_speech->OnWordShown();
}

void CQuibbixDlg::TakeABreak(int32_t leftMs) {
    // A break taken up before the start press leaves the window waiting for it again.
    const bool wasWaiting = m_session.IsPaused();
    m_session.BeginBreak(leftMs);
    GetBreakDlg().StartAt(BreakRecord::kBreakMs - leftMs);
    HideWindowNow(&m_wordBox);
    RedrawWindowNow(this);
    GetBreakDlg().SetConfigData(m_settings);
    PlaceBreakDialog();
    ForgetAnswerTexts();
    m_breakDlg->DoModal();
    ShowWindow(&m_wordBox);
    RedrawWindowNow(this);
    m_session.EndBreak();
    if (wasWaiting) {
        m_session.SuspendClock();
        m_session.WaitForStart();
    }
    UpdateStudyLine();
}

void CQuibbixDlg::SetAwaySeconds(int seconds) {
    m_awayWatch->SetAwaySeconds(seconds);
    m_session.HoldBackSinceInput(m_awayWatch->IsOn());
}

void CQuibbixDlg::OnInput() {
    m_session.NoteInput();
    if (!m_session.IsAway()) return;
    m_session.ComeBack();
    UpdateStudyLine();
}

void CQuibbixDlg::PlaceBreakDialog() {
    // Centred inside the frame of strips, over the boxes it stands in for. Centred on the
    // window, as dialogs are by default, it would cover the right strip and the answer
    // buttons, since the frame leaves the button column out.
    QWidget* strips[] = {GetDlgItem(kLeftStripId), GetDlgItem(kTopStripId),
                         GetDlgItem(kRightStripId), GetDlgItem(kBottomStripId)};
    for (QWidget* strip : strips) {
        if (!strip) return;
    }
    const Rect inside{GetWindowRect(strips[0]).right, GetWindowRect(strips[1]).bottom,
                      GetWindowRect(strips[2]).left, GetWindowRect(strips[3]).top};
    const QSize size = GetBreakDlg().frameGeometry().size();
    const Rect area = m_services.screen.WorkArea();
    // Too big for the frame, it stays on the screen rather than centred.
    const int x = std::clamp(inside.left + (inside.Width() - size.width()) / 2, area.left,
                             std::max(area.left, area.right - size.width()));
    const int y = std::clamp(inside.top + (inside.Height() - size.height()) / 2, area.top,
                             std::max(area.top, area.bottom - size.height()));
    m_breakDlg->move(x, y);
}

void CQuibbixDlg::OnFontsAndColors() {
    m_session.SuspendClock();
    CQuibConfigDlg& dialog = GetConfigDlg();
    dialog.SetConfigData(m_settings);
    const int ended = dialog.DoModal();
    if (ended == CQuibConfigDlg::kEveryListId) UseSettingsForEveryList(dialog.GetConfigData());
    if (ended == IDOK || ended == CQuibConfigDlg::kEveryListId) {
        m_settings = dialog.GetConfigData();
        ApplyDisplaySettings();
        RedrawWindowNow(this);
        // The new look stays in use for this session even when it cannot be kept: the file
        // still holds what was saved before, and OK here again retries.
        FileError error;
        if (!m_settings.Save(m_env.Files(), error)) {
            m_services.messageBoxes.ShowUnicode(
                this,
                tr("Your fonts and colors could not be saved.\n\n%1\n\nThey are used until "
                   "Quibbix closes; the ones saved before are kept as they were. Free some space "
                   "or fix the file, then press OK in \"Fonts and Colors\" again.")
                    .arg(QString::fromStdString(error.Describe())),
                QStringLiteral("Quibbix"), MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Error);
        }
    }
    m_session.ResumeClock();
}

void CQuibbixDlg::UseSettingsForEveryList(const CQuibConfigData& settings) {
    const int answer = m_services.messageBoxes.ShowUnicode(
        this,
        tr("Use these fonts and colors for every list, and for every list added from now on?"),
        tr("Fonts and Colors"), MessageBoxes::Buttons::YesNo, MessageBoxes::Icon::Question);
    if (answer != IDYES) return;
    std::error_code ignored;
    const ListStore store(ListFolder::DataHomeOf(std::filesystem::current_path(ignored)), {});
    std::string error;
    if (!store.UseForEveryList(std::filesystem::path(CQuibConfigData::kFileName).filename(),
                               settings.Encode(), error))
        m_services.messageBoxes.ShowUnicode(
            this,
            tr("The fonts and colors are kept for this list only: %1")
                .arg(QString::fromStdString(Escaped(error))),
            tr("Fonts and Colors"), MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Error);
}

void CQuibbixDlg::OnShowStatistics() {
    WaitForSyncAndRecord();
    m_session.Save();
    SyncList();
    ReloadIfDue();
    CQuibStatisticDlg& dialog = GetStatisticDlg();
    dialog.SetWordSelect(&m_wordSelect);
    m_session.SuspendClock();
    const int32_t runTime = m_timeRecord.GetRunTime();
    // The time of use is every computer's own added up.
    const int64_t totalTime = std::min<int64_t>(
        INT32_MAX, int64_t{m_timeRecord.GetTotalTime()} + (m_sync ? m_sync->OthersSeconds() : 0));
    dialog.SetTimes(runTime, static_cast<int32_t>(totalTime));
    dialog.SetHistory(&m_history.Days(), m_env.LocalDate());
    dialog.DoModal();
    m_session.ResumeClock();
}
