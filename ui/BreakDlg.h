#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The enforced rest: shows "On Break" and a message in the user's fonts and colours, counts
// two minutes on its own timer with the time left beside them, then shows "Break Over" and
// sounds the alarm (a beep and list/BreakOver.WAV) on every tick, unless the last one still
// sounds, until OK or Escape, which end the break and the alarm. A click on OK ends it at any
// time; Enter, Space and Escape only once the first two ticks have passed.

#include "platform/TemplateDialog.h"
#include "ui/QuibConfigData.h"
#include "ui/WinText.h"

#include <QCoreApplication>
#include <QLabel>

#include <cstdint>
#include <string>

class Sound;

class CBreakDlg : public TemplateDialog {
    Q_DECLARE_TR_FUNCTIONS(CBreakDlg)

public:
    static constexpr int kTemplateId = 113;
    static constexpr uint32_t kTimerId = 113;
    static constexpr uint32_t kTimerPeriodMs = 1000;
    static constexpr int32_t kStepMs = 1000;
    static constexpr int32_t kBreakMs = 120000;
    static constexpr int kBreakMinutes = 2;
    static constexpr uint32_t kBeepHz = 50;
    static constexpr uint32_t kBeepMs = 500;
    static constexpr const char* kSoundFile = "list/BreakOver.WAV";
    static constexpr int kTitleId = 1030;
    static constexpr int kMessageId = 1031;
    static constexpr int kBoxInset = 6;
    // Keys typed while the break opens were meant for the study: an answer given with Enter
    // would otherwise end the break the moment it began. Counted in ticks, so two of them.
    static constexpr int32_t kKeyGuardMs = 2 * kStepMs;
    static constexpr const char* kCaption = QT_TR_NOOP("Quibbix — On Break");

    // `sound` must outlive the dialog.
    explicit CBreakDlg(Sound& sound, QWidget* parent = nullptr);
    ~CBreakDlg() override;

    void SetConfigData(const CQuibConfigData& settings) { m_configData = settings; }
    // The next break opens with `elapsedMs` of it gone (one under way before a restart).
    void StartAt(int32_t elapsedMs) { m_startElapsed = elapsedMs; }
    // The end-of-break alarm: the title turns to "Break Over", and the beep and the sound
    // start playing in the background.
    void BreakOver();

    // "Time left: mm:ss" after `elapsedMs` of the break, never below 00:00.
    static std::string TimeLeftText(int32_t elapsedMs);
    // True while Enter, Space and Escape are still ignored.
    bool IsKeyGuardOn() const { return m_nElapsed < kKeyGuardMs; }

    int32_t GetElapsed() const { return m_nElapsed; }
    const CWinText& GetTitleBox() const { return m_titleBox; }
    const CWinText& GetMessageBox() const { return m_messageBox; }
    const QLabel& GetTimeLeftLabel() const { return m_timeLeftLabel; }
    // The tick handler, public so that tests can drive the count without waiting.
    void OnTimer(uint32_t id) override;

protected:
    bool OnInitDialog() override;
    void OnPaint(QPainter& painter) override;
    void OnDestroy() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateBoxOver(CWinText& box, int placeholderId, const std::string& text, uint32_t format);
    // Between the title and the message, as wide as the title.
    void PlaceTimeLeft();
    void ShowTimeLeft();
    void NameControls();

    Sound& m_sound;
    int32_t m_startElapsed = 0;
    int32_t m_nElapsed = 0;
    uint32_t m_nTimerId = 0;
    CQuibConfigData m_configData;
    CWinText m_titleBox;
    CWinText m_messageBox;
    QLabel m_timeLeftLabel;
};
