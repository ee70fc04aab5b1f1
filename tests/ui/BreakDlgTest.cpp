// SPDX-License-Identifier: GPL-2.0-or-later
// The break dialog: its texts and colours, the two-minute count on its own timer with the time
// left, the alarm on the ticks after it, and the ways the break ends, which silence the alarm
// and which keys cannot do in its first two seconds.

#include "platform/SoundFile.h"
#include "tests/ui/WindowFixture.h"
#include "ui/BreakDlg.h"

#include <QAccessible>
#include <QElapsedTimer>

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF kProgramBack = RGB(10, 20, 30);
constexpr COLORREF kTitleBack = RGB(200, 0, 0);
constexpr COLORREF kMessageBack = RGB(0, 0, 200);

class BreakDlgTest : public ::testing::Test {
protected:
    void CopySoundFile() {
        std::filesystem::copy_file(QUIBBIX_BUILT_LIST_DIR "/BreakOver.WAV", CBreakDlg::kSoundFile);
    }

    // One break with `body` inside it. The real timer is stopped at once (after checking that
    // it was started): the body gives the ticks.
    int RunBreak(const std::function<void()>& body) {
        return RunModal(m_dialog, [&] {
            EXPECT_TRUE(m_dialog.KillTimer(CBreakDlg::kTimerId));
            body();
        });
    }

    void Ticks(int n) {
        for (int i = 0; i < n; ++i) m_dialog.OnTimer(CBreakDlg::kTimerId);
    }

    // Ticks until `count` sounds have been played: a tick while the alarm still sounds starts
    // none, and the player may take a moment to be free after the last sound.
    bool TickUntilPlayed(size_t count) {
        for (int i = 0; i < 500; ++i) {
            Ticks(1);
            if (m_audio.WaitForPlayed(count, std::chrono::milliseconds(10))) return true;
        }
        return false;
    }

    TempDir m_dir;
    RecordingAudioOutput m_audio;
    Sound m_sound{m_audio};
    CBreakDlg m_dialog{m_sound};
};

TEST_F(BreakDlgTest, Opening_ShowsOnBreakAndTheMessage_InTheSettingsGiven) {
    CQuibConfigData settings;
    settings.m_crProgramBack = kProgramBack;
    settings.m_crVocabularyBack = kTitleBack;
    settings.m_crDefinitionBack = kMessageBack;
    m_dialog.SetConfigData(settings);
    RunBreak([&] {
        EXPECT_EQ(m_dialog.GetTitleBox().GetText(), "On Break");
        EXPECT_EQ(m_dialog.GetMessageBox().GetText(),
                  "This is a 2 minutes break.\nIt is good time to stretch a little and relax your "
                  "eyes\n\nPress OK to end break");
        EXPECT_EQ(PixelOf(m_dialog, QPoint(1, 1)), ColorFromColorref(kProgramBack));
        EXPECT_EQ(PixelOf(m_dialog.GetTitleBox()), ColorFromColorref(kTitleBack));
        EXPECT_EQ(PixelOf(m_dialog.GetMessageBox()), ColorFromColorref(kMessageBack));
        EXPECT_TRUE(m_dialog.GetDlgItem(IDOK)->isVisible());
        EXPECT_FALSE(m_dialog.GetDlgItem(IDCANCEL)->isVisible());
        EXPECT_EQ(m_dialog.windowTitle(), QString::fromUtf8("Quibbix — On Break"));
        // Read by its caption, as the message asks the learner to press "OK".
        EXPECT_EQ(m_dialog.GetDlgItem(IDOK)->accessibleName(), "");
        // The time left stands between the title and the message, readable on the background.
        const QLabel& timeLeft = m_dialog.GetTimeLeftLabel();
        EXPECT_EQ(timeLeft.text(), "Time left: 02:00");
        EXPECT_TRUE(timeLeft.isVisible());
        EXPECT_GE(timeLeft.geometry().top(), m_dialog.GetTitleBox().geometry().bottom());
        EXPECT_LE(timeLeft.geometry().bottom(), m_dialog.GetMessageBox().geometry().top());
        EXPECT_EQ(timeLeft.palette().color(QPalette::WindowText), QColor(Qt::white));
        // A screen reader reads the time itself, and the focused OK button tells what the
        // break is, then that it is over.
        QWidget* ok = m_dialog.GetDlgItem(IDOK);
        EXPECT_EQ(ok->accessibleDescription(), m_dialog.GetMessageBox().ShownText());
        const auto read = [&timeLeft] {
            QAccessibleInterface* iface =
                QAccessible::queryAccessibleInterface(const_cast<QLabel*>(&timeLeft));
            return iface->text(QAccessible::Name);
        };
        Ticks(1);
        EXPECT_EQ(timeLeft.text(), "Time left: 01:59");
        EXPECT_EQ(read(), "Time left: 01:59");
        Ticks(119);
        EXPECT_EQ(timeLeft.text(), "Time left: 00:00");
        Ticks(1);
        EXPECT_EQ(ok->accessibleDescription(), "Break Over");
    });
}

TEST_F(BreakDlgTest, TimeLeftText) {
    const struct {
        int32_t elapsedMs;
        const char* text;
    } cases[] = {{0, "Time left: 02:00"},      {1000, "Time left: 01:59"},
                 {60000, "Time left: 01:00"},  {119500, "Time left: 00:01"},
                 {120000, "Time left: 00:00"}, {500000, "Time left: 00:00"}};
    for (const auto& c : cases) EXPECT_EQ(CBreakDlg::TimeLeftText(c.elapsedMs), c.text);
}

// Enter given as an answer must not end the break that the answer opened: the keys that end
// a dialog do nothing until two ticks have passed, wherever the keyboard is; OK clicked does.
TEST_F(BreakDlgTest, EnterSpaceOrEscape_InTheFirstTwoSeconds_KeepTheBreak_AClickEndsIt) {
    const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape};
    for (int guardedTicks : {0, 1}) {
        SCOPED_TRACE(guardedTicks);
        bool stillOpen = false;
        const int result = RunBreak([&] {
            Ticks(guardedTicks);
            for (Qt::Key key : keys) {
                QTest::keyClick(&m_dialog, key);
                QTest::keyClick(m_dialog.GetDlgItem(IDOK), key);
            }
            stillOpen = m_dialog.isVisible();
            Click(m_dialog, IDOK);
        });
        EXPECT_TRUE(stillOpen);
        EXPECT_EQ(result, IDOK);
    }
    const struct {
        Qt::Key key;
        int result;
    } afterGuard[] = {{Qt::Key_Return, IDOK}, {Qt::Key_Space, IDOK}, {Qt::Key_Escape, IDCANCEL}};
    for (const auto& c : afterGuard) {
        SCOPED_TRACE(c.key);
        bool stillOpen = true;
        const int result = RunBreak([&] {
            Ticks(2);
            QTest::keyClick(m_dialog.GetDlgItem(IDOK), c.key);
            stillOpen = m_dialog.isVisible();
        });
        EXPECT_FALSE(stillOpen);
        EXPECT_EQ(result, c.result);
    }
}

TEST_F(BreakDlgTest, TwoMinutes_ThenTheAlarmOnEveryTick) {
    CopySoundFile();
    const std::optional<PcmSound> file = ReadSoundFile(CBreakDlg::kSoundFile);
    ASSERT_TRUE(file.has_value());
    RunBreak([&] {
        Ticks(120);
        EXPECT_EQ(m_dialog.GetElapsed(), CBreakDlg::kBreakMs);
        EXPECT_EQ(m_dialog.GetTitleBox().GetText(), "On Break");
        EXPECT_TRUE(m_audio.played.empty());
        m_dialog.OnTimer(CBreakDlg::kTimerId + 1);  // not the break's timer
        EXPECT_TRUE(m_audio.played.empty());

        Ticks(1);
        EXPECT_EQ(m_dialog.GetTitleBox().GetText(), "Break Over");
        ASSERT_TRUE(m_audio.WaitForPlayed(2));
        ASSERT_EQ(m_audio.played.size(), 2u);
        // The beep: half a second of a 50 Hz tone, so 25 periods, 50 sign changes.
        const auto& beep = m_audio.played[0];
        EXPECT_EQ(beep.channels, 1);
        EXPECT_EQ(beep.samples.size(), static_cast<size_t>(beep.sampleRate / 2));
        int signChanges = 0;
        for (size_t i = 1; i < beep.samples.size(); ++i)
            if ((beep.samples[i - 1] < 0) != (beep.samples[i] < 0)) ++signChanges;
        EXPECT_NEAR(signChanges, 50, 2);
        EXPECT_EQ(m_audio.played[1].samples, file->samples);
        EXPECT_EQ(m_audio.played[1].sampleRate, file->sampleRate);

        // Once it has ended, the alarm sounds again.
        ASSERT_TRUE(TickUntilPlayed(4));
        EXPECT_EQ(m_audio.played[2].samples, m_audio.played[0].samples);
        EXPECT_EQ(m_audio.played[3].samples, file->samples);
        EXPECT_EQ(m_dialog.GetElapsed(), CBreakDlg::kBreakMs);
    });
}

TEST_F(BreakDlgTest, MissingSoundFile_BeepsAndPlaysTheDefaultAlert) {
    RecordingAudioOutput expected;
    Sound(expected).PlayDefaultSound();
    RunBreak([&] {
        Ticks(121);
        ASSERT_TRUE(m_audio.WaitForPlayed(2));
        EXPECT_EQ(m_audio.played[1].samples, expected.played[0].samples);
    });
}

TEST_F(BreakDlgTest, OkOrEscape_EndTheBreakEarly_WithoutAnAlarm) {
    const struct {
        const char* how;
        std::function<void(CBreakDlg&)> end;
        int result;
    } cases[] = {
        {"OK", [](CBreakDlg& d) { Click(d, IDOK); }, IDOK},
        {"Escape", [](CBreakDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }, IDCANCEL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        bool stillOpen = true;
        const int result = RunBreak([&] {
            Ticks(30);
            c.end(m_dialog);
            stillOpen = m_dialog.isVisible();
        });
        EXPECT_FALSE(stillOpen);
        EXPECT_EQ(result, c.result);
        EXPECT_TRUE(m_audio.played.empty());
    }
}

TEST_F(BreakDlgTest, OkOrEscape_WhileTheAlarmSounds_CloseAtOnce_AndSilenceIt) {
    const struct {
        const char* how;
        std::function<void(CBreakDlg&)> end;
    } cases[] = {
        {"OK", [](CBreakDlg& d) { Click(d, IDOK); }},
        {"Escape", [](CBreakDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
    };
    m_audio.playMs = 2000;
    size_t played = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        QElapsedTimer clock;
        qint64 closedAfterMs = -1;
        RunBreak([&] {
            Ticks(121);
            ASSERT_TRUE(m_audio.WaitForStarted(played + 1));
            clock.start();
            Ticks(4);  // while the beep still sounds
            c.end(m_dialog);
            if (!m_dialog.isVisible()) closedAfterMs = clock.elapsed();
        });
        EXPECT_GE(closedAfterMs, 0);
        EXPECT_LT(closedAfterMs, 100);
        ASSERT_TRUE(m_audio.WaitForPlayed(played + 1));
        EXPECT_LT(clock.elapsed(), 1000);
        // The beep was cut short, and neither the sound after it nor another alarm followed.
        ASSERT_EQ(m_audio.played.size(), played + 1);
        EXPECT_TRUE(m_audio.played[played].stopped);
        played = m_audio.played.size();
    }
}

TEST_F(BreakDlgTest, SecondBreak_CountsTheFullTwoMinutesAgain) {
    RunBreak([&] {
        Ticks(121);
        EXPECT_EQ(m_dialog.GetTitleBox().GetText(), "Break Over");
        ASSERT_TRUE(m_audio.WaitForPlayed(2));
        Click(m_dialog, IDOK);
    });
    RunBreak([&] {
        EXPECT_EQ(m_dialog.GetTitleBox().GetText(), "On Break");
        EXPECT_EQ(m_dialog.GetElapsed(), 0);
        Ticks(120);
        EXPECT_EQ(m_dialog.GetTitleBox().GetText(), "On Break");
        EXPECT_EQ(m_audio.played.size(), 2u);
        Ticks(1);
        EXPECT_EQ(m_dialog.GetTitleBox().GetText(), "Break Over");
    });
}

}  // namespace
