// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/QuibbixDlg.h"

#include "engine/EngineEnv.h"
#include "platform/DialogIds.h"
#include "platform/DrawText.h"
#include "platform/KeyState.h"
#include "platform/MessageBoxes.h"
#include "platform/PushButton.h"
#include "platform/ScreenMetrics.h"
#include "platform/StaticControl.h"
#include "platform/WindowOps.h"
#include "ui/APPUTIL.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTimer>

namespace {

const char kStartText[] = "Press \"I Know\" to Start";
const char kHelpText[] =
    "Use \"Fonts and Colors\" button to select fonts and colors for vocabulary display box "
    "(above) and definition display box (here).\n\n(V1.0)";

}  // namespace

CQuibbixDlg::CQuibbixDlg(PlatformServices& services, EngineEnv& env, QWidget* parent)
    : TemplateDialog(kTemplateId, parent),
      m_services(services),
      m_env(env),
      m_timeRecord(env),
      m_statDlg(nullptr),
      m_configDlg(services.dialogs, nullptr),
      m_breakDlg(services.sound, nullptr),
      m_wordSelect(env),
      m_session(m_wordSelect, &m_timeRecord) {}

CQuibbixDlg::~CQuibbixDlg() = default;

bool CQuibbixDlg::Initialize() {
    if (!m_settings.Load(m_env.Files())) {
        const LogFont dialogFont = GetDialogLogFont();
        m_settings.m_lfVocabulary = dialogFont;
        m_settings.m_lfDefinition = dialogFont;
    }
    m_session.Init();
    m_timeRecord.Load();
    OfferToQuitOverUnreadableFiles();
    const ScreenMetrics& screen = m_services.screen;
    MoveWindow(this, {0, 0, screen.ScreenWidth(), screen.ScreenHeight()}, true);
    CreateBoxOver(m_wordBox, kWordPlaceholderId, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    CreateBoxOver(m_defBox, kDefinitionPlaceholderId, DT_WORDBREAK);
    m_wordBox.setAccessibleName(QStringLiteral("Word"));
    m_defBox.setAccessibleName(QStringLiteral("Definition"));
    ApplyDisplaySettings();
    AttachPictures();
    m_wordBox.SetText(kStartText);
    m_defBox.SetText(kHelpText);
    HideWindow(m_btnNo);
    HideWindow(m_btnUnsure);
    m_session.WaitForStart();
    m_pBreakButton = GetDlgItem(kBreakId);
    EnableWindow(m_pBreakButton, false);
    m_pExitButton = GetDlgItem(kExitId);
    LayoutForScreen();
    m_timerId = SetTimer(TICK_TIMER_ID, TICK_MS);
    AddAnswerKeys();
    SetKeyboardFocus(m_btnYes);
    m_initialized = true;
    return true;
}

void CQuibbixDlg::OfferToQuitOverUnreadableFiles() {
    // The engine has said which files and why; studying on is safe, since they are not
    // overwritten, but the user may rather mend them first.
    if (!m_wordSelect.GetWordState().HasUnreadableFiles()) return;
    const int answer = m_services.messageBoxes.Show(
        this,
        "Some of your progress could not be read. Quit now to look into it? (No studies on; "
        "the files that could not be read are left as they are.)",
        "Quibbix", MessageBoxes::Buttons::YesNo, MessageBoxes::Icon::Question);
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
        m_frameStrips[i] = GetStatic(strip.id);
        SetStaticMetaFile(m_frameStrips[i], strip.file);
        ++i;
    }
}

void CQuibbixDlg::AddAnswerKeys() {
    // One key per answer button, besides Tab and the default button. A shortcut of a hidden
    // or disabled button does nothing, so "I Know" stays the only answer before the start.
    const struct {
        PushButton* button;
        Qt::Key key;
        const char* tip;
    } keys[] = {{m_btnYes, Qt::Key_K, "I Know (K)"},
                {m_btnUnsure, Qt::Key_S, "Not Sure (S)"},
                {m_btnNo, Qt::Key_D, "Don't Know (D)"}};
    // The buttons are built anew by every modal run; so are their keys.
    for (QShortcut* old : findChildren<QShortcut*>(QString(), Qt::FindDirectChildrenOnly))
        delete old;
    for (const auto& k : keys) {
        if (!k.button) continue;
        k.button->setToolTip(QString::fromUtf8(k.tip));
        auto* shortcut = new QShortcut(QKeySequence(k.key), this);
        PushButton* button = k.button;
        connect(shortcut, &QShortcut::activated, this, [button] {
            if (button->isVisible() && button->isEnabled()) button->click();
        });
    }
}

void CQuibbixDlg::ApplyDisplaySettings() {
    m_wordBox.SetFontAndColors(m_settings.m_lfVocabulary, m_settings.m_crVocabularyText,
                               m_settings.m_crVocabularyBack);
    m_defBox.SetFontAndColors(m_settings.m_lfDefinition, m_settings.m_crDefinitionText,
                              m_settings.m_crDefinitionBack);
}

void CQuibbixDlg::MoveEdges(QWidget* control, int dLeft, int dTop, int dRight, int dBottom) {
    if (!control) return;
    Rect rect = GetWindowRect(control);
    rect.left += dLeft;
    rect.top += dTop;
    rect.right += dRight;
    rect.bottom += dBottom;
    MoveWindow(control, ScreenToClient(this, rect), true);
}

void CQuibbixDlg::LayoutForScreen() {
    // The template is laid out for a small screen: push the button column to the right edge
    // and the bottom row to the bottom edge, and stretch the boxes and strips into the gap.
    const ScreenMetrics& screen = m_services.screen;
    if (screen.ScreenWidth() > WIDE_SCREEN) {
        const int dx = screen.ScreenWidth() - GetWindowRect(GetDlgItem(kStatisticsId)).right -
                       screen.FrameWidth() - LAYOUT_MARGIN;
        for (int id : {kStatisticsId, kFontsId, kBreakId, kExitId})
            MoveEdges(GetDlgItem(id), dx, 0, dx, 0);
        for (int id : {kNoId, kUnsureId, kYesId, kRightStripId})
            MoveEdges(GetDlgItem(id), dx - 10, 0, dx - 10, 0);
        for (int id : {kTopStripId, kBottomStripId, kMiddleStripId})
            MoveEdges(GetDlgItem(id), 0, 0, dx - 20, 0);
        MoveEdges(&m_wordBox, 0, 0, dx - 20, 0);
        MoveEdges(&m_defBox, 0, 0, dx - 20, 0);
    }
    if (screen.ScreenHeight() > TALL_SCREEN) {
        const int dy = screen.ScreenHeight() - GetWindowRect(GetDlgItem(kExitId)).bottom -
                       screen.FrameHeight() - LAYOUT_MARGIN;
        for (int id :
             {kExitId, kFontsId, kBreakId, kStatisticsId, kNoId, kUnsureId, kYesId, kBottomStripId})
            MoveEdges(GetDlgItem(id), 0, dy, 0, dy);
        MoveEdges(&m_defBox, 0, 0, 0, dy);
        MoveEdges(GetDlgItem(kLeftStripId), 0, 0, 0, dy);
        MoveEdges(GetDlgItem(kRightStripId), 0, 0, 0, dy);
    }
}

void CQuibbixDlg::PaintBackground(QPainter& painter) {
    FillSolidRect(painter, GetClientRect(this), m_settings.m_crProgramBack);
}

void CQuibbixDlg::OnCommand(int id) {
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

void CQuibbixDlg::OnTick(uint32_t timerId) {
    if (timerId != TICK_TIMER_ID) return;
    m_session.Tick();
    m_session.SaveInBackgroundIfDue(m_env.Files());
}

bool CQuibbixDlg::SaveUntilSavedOrGivenUp() {
    while (!m_session.Save()) {
        const int answer = m_services.messageBoxes.Show(
            this, "Your progress could not be saved. Try again?", "Quibbix",
            MessageBoxes::Buttons::YesNo, MessageBoxes::Icon::Question);
        if (answer != IDYES) return false;
    }
    return true;
}

void CQuibbixDlg::SaveNow() {
    // Until the session has been read whole there is nothing of this run to keep, and a save
    // would write a half-read session over the files.
    if (!m_initialized) return;
    m_session.SuspendClock();
    m_timeRecord.Save();
    m_session.Save();
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
    const int answer =
        m_services.messageBoxes.Show(this, "Do you want to leave?", "Confirmation",
                                     MessageBoxes::Buttons::YesNo, MessageBoxes::Icon::Question);
    if (answer == IDYES) {
        if (m_timerId != 0) KillTimer(TICK_TIMER_ID);
        EndDialog(IDCANCEL);
        return;
    }
    m_session.ResumeClock();
}

void CQuibbixDlg::OnAnswer(int32_t answer) {
    const StudySession::PressResult press = m_session.Press(answer);
    if (press.kind == StudySession::PressResult::Kind::kRevealed) {
        ShowDefinition();
    } else {
        StartOrRecord(press);
    }
}

void CQuibbixDlg::ShowDefinition() {
    ShowWindow(&m_defBox);
    EnableWindow(&m_defBox, true);
    RedrawWindowNow(this);
    EnableWindow(m_pExitButton, false);
    EnableWindow(m_pBreakButton, false);
    m_defBox.SetText(m_wordSelect.GetDefinition());
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
    EnableWindow(m_pExitButton, true);
    EnableWindow(m_pBreakButton, true);
    m_session.NextWord();
    m_wordBox.SetText(m_wordSelect.GetWord());
    m_defBox.SetText("");
    HideWindowNow(&m_defBox);
    RedrawWindowNow(this);
    m_session.ResumeClock();
}

void CQuibbixDlg::TakeABreak() {
    m_session.BeginBreak();
    HideWindowNow(&m_wordBox);
    RedrawWindowNow(this);
    m_breakDlg.SetConfigData(m_settings);
    m_breakDlg.DoModal();
    ShowWindow(&m_wordBox);
    RedrawWindowNow(this);
    m_session.EndBreak();
}

void CQuibbixDlg::OnFontsAndColors() {
    m_session.SuspendClock();
    m_configDlg.SetConfigData(m_settings);
    if (m_configDlg.DoModal() == IDOK) {
        m_settings = m_configDlg.GetConfigData();
        ApplyDisplaySettings();
        RedrawWindowNow(this);
        // The new look stays in use for this session even when it cannot be kept: the file
        // still holds what was saved before, and OK here again retries.
        FileError error;
        if (!m_settings.Save(m_env.Files(), error)) {
            m_services.messageBoxes.Show(
                this,
                "Your fonts and colors could not be saved.\n\n" + error.Describe() +
                    "\n\nThey are used until Quibbix closes; the ones saved before are kept as "
                    "they were. Free some space or fix the file, then press OK in \"Fonts and "
                    "Colors\" again.",
                "Quibbix", MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Error);
        }
    }
    m_session.ResumeClock();
}

void CQuibbixDlg::OnShowStatistics() {
    m_session.Save();
    m_statDlg.SetWordSelect(&m_wordSelect);
    m_session.SuspendClock();
    const int32_t runTime = m_timeRecord.GetRunTime();
    const int32_t totalTime = m_timeRecord.GetTotalTime();
    m_statDlg.SetTimes(runTime, totalTime);
    m_statDlg.DoModal();
    m_session.ResumeClock();
}
