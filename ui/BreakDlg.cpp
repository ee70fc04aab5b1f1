// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/BreakDlg.h"

#include "platform/DrawText.h"
#include "platform/Sound.h"
#include "platform/WindowOps.h"

#include <cstdio>

CBreakDlg::CBreakDlg(Sound& sound, QWidget* parent)
    : TemplateDialog(kTemplateId, parent), m_sound(sound) {}

CBreakDlg::~CBreakDlg() = default;

void CBreakDlg::CreateBoxOver(CWinText& box, int placeholderId, const std::string& text,
                              uint32_t format) {
    box.CreateBox(text, PlaceholderRect(placeholderId, kBoxInset), this, format);
}

bool CBreakDlg::OnInitDialog() {
    CreateBoxOver(m_titleBox, kTitleId, "On Break", DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    char message[256];
    std::snprintf(message, sizeof message,
                  "This is a %d minutes break.\nIt is good time to stretch a little and relax your "
                  "eyes\n\nPress OK to end break",
                  kBreakMinutes);
    CreateBoxOver(m_messageBox, kMessageId, message, DT_WORDBREAK);
    m_titleBox.SetFontAndColors(m_configData.m_lfVocabulary, m_configData.m_crVocabularyText,
                                m_configData.m_crVocabularyBack);
    m_messageBox.SetFontAndColors(m_configData.m_lfDefinition, m_configData.m_crDefinitionText,
                                  m_configData.m_crDefinitionBack);
    m_nElapsed = 0;
    m_nTimerId = SetTimer(kTimerId, kTimerPeriodMs);
    return true;
}

void CBreakDlg::OnTimer(uint32_t id) {
    if (id != kTimerId) return;
    // The count stops at the length of the break, so every later tick sounds the alarm.
    if (m_nElapsed >= kBreakMs) {
        BreakOver();
    } else {
        m_nElapsed += kStepMs;
    }
}

void CBreakDlg::BreakOver() {
    m_titleBox.SetText("Break Over");
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
