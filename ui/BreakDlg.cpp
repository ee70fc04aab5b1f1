// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/BreakDlg.h"

#include "platform/DialogIds.h"
#include "platform/DrawText.h"
#include "platform/Sound.h"
#include "platform/WindowOps.h"
#include "ui/StudyLine.h"

#include <QKeyEvent>

#include <algorithm>
#include <cstdio>

namespace {

bool IsEndingKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    switch (static_cast<const QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
        case Qt::Key_Escape:
            return true;
        default:
            return false;
    }
}

}  // namespace

CBreakDlg::CBreakDlg(Sound& sound, QWidget* parent)
    : TemplateDialog(kTemplateId, parent), m_sound(sound) {
    setWindowTitle(tr(kCaption));
    // The caption names the window to the window manager and to screen readers; it shows
    // no close box, as the template has none.
    setWindowFlag(Qt::WindowTitleHint);
    m_timeLeftLabel.setParent(this);
    m_timeLeftLabel.setObjectName(QStringLiteral("timeLeftLabel"));
    // Its name is the text, so a reader reads the time itself.
    m_timeLeftLabel.setAccessibleDescription(tr("Time left"));
    m_timeLeftLabel.setAlignment(Qt::AlignCenter);
    m_timeLeftLabel.setTextFormat(Qt::PlainText);
}

CBreakDlg::~CBreakDlg() = default;

void CBreakDlg::CreateBoxOver(CWinText& box, int placeholderId, const std::string& text,
                              uint32_t format) {
    box.CreateBox(text, PlaceholderRect(placeholderId, kBoxInset), this, format);
}

bool CBreakDlg::OnInitDialog() {
    CreateBoxOver(m_titleBox, kTitleId, tr("On Break").toStdString(),
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const QString message =
        tr("This is a %1 minutes break.\nIt is good time to stretch a little and "
           "relax your eyes\n\nPress OK to end break")
            .arg(kBreakMinutes);
    CreateBoxOver(m_messageBox, kMessageId, message.toStdString(), DT_WORDBREAK);
    m_titleBox.SetFontAndColors(m_configData.m_lfVocabulary, m_configData.m_crVocabularyText,
                                m_configData.m_crVocabularyBack);
    m_messageBox.SetFontAndColors(m_configData.m_lfDefinition, m_configData.m_crDefinitionText,
                                  m_configData.m_crDefinitionBack);
    // A break taken up after a restart goes on where the wall clock has it.
    m_nElapsed = m_startElapsed;
    m_startElapsed = 0;
    PlaceTimeLeft();
    ShowTimeLeft();
    NameControls();
    m_nTimerId = SetTimer(kTimerId, kTimerPeriodMs);
    return true;
}

std::string CBreakDlg::TimeLeftText(int32_t elapsedMs) {
    const int32_t seconds = (std::max(0, kBreakMs - elapsedMs) + 999) / 1000;
    return tr("Time left: %1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .toStdString();
}

void CBreakDlg::PlaceTimeLeft() {
    const Rect title = PlaceholderRect(kTitleId, kBoxInset);
    const Rect message = PlaceholderRect(kMessageId, kBoxInset);
    const int height = std::max(m_timeLeftLabel.sizeHint().height(), message.top - title.bottom);
    m_timeLeftLabel.setGeometry(title.left, title.bottom, title.Width(), height);
    QPalette palette = m_timeLeftLabel.palette();
    palette.setColor(QPalette::WindowText, CStudyLine::TextColorOn(m_configData.m_crProgramBack));
    m_timeLeftLabel.setPalette(palette);
    m_timeLeftLabel.show();
}

void CBreakDlg::ShowTimeLeft() {
    m_timeLeftLabel.setText(QString::fromStdString(TimeLeftText(m_nElapsed)));
}

void CBreakDlg::NameControls() {
    m_titleBox.SetCaption(tr("Break"));
    m_messageBox.SetCaption(tr("About the break"));
    if (QWidget* ok = GetDlgItem(IDOK)) {
        // Read by its caption, "OK", as the break's text asks the learner to press it.
        // The button holds the focus all through the break: what it says is what a screen
        // reader speaks, first what the break is, at its end that it is over.
        ok->setAccessibleDescription(m_messageBox.ShownText());
    }
    // The controls are built anew for every break; each gets the key guard.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

bool CBreakDlg::eventFilter(QObject* watched, QEvent* event) {
    if (IsKeyGuardOn() && IsEndingKey(event)) return true;
    return TemplateDialog::eventFilter(watched, event);
}

void CBreakDlg::OnTimer(uint32_t id) {
    if (id != kTimerId) return;
    // The count stops at the length of the break, so every later tick sounds the alarm.
    if (m_nElapsed >= kBreakMs) {
        BreakOver();
    } else {
        m_nElapsed += kStepMs;
        ShowTimeLeft();
    }
}

void CBreakDlg::BreakOver() {
    m_titleBox.SetText(tr("Break Over").toStdString());
    QWidget* ok = GetDlgItem(IDOK);
    if (ok && ok->accessibleDescription() != m_titleBox.ShownText())
        ok->setAccessibleDescription(m_titleBox.ShownText());
    // Played in the background: the dialog must answer OK at once. A tick while the last
    // alarm still sounds lets it play on.
    m_sound.StartAlarm(kBeepHz, kBeepMs, kSoundFile);
}

void CBreakDlg::OnPaint(QPainter& painter) {
    FillSolidRect(painter, GetClientRect(this), m_configData.m_crProgramBack);
}

void CBreakDlg::OnDestroy() {
    // However the break ends, the alarm ends with it.
    m_sound.StopAlarm();
    if (m_nTimerId != 0) KillTimer(kTimerId);
    m_nTimerId = 0;
}
