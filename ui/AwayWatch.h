#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Tells when the learner is away from the study window: no key or pointer input reaching the
// program for `away-seconds` (under [General] in ~/.config/quibbix/quibbix.ini; 3 minutes by
// default, 0 turns the pause off), or the desktop saying the session is idle or locked
// (logind's IdleHint and LockedHint, the screen saver's active state, asked over D-Bus where
// they are present). The window counts its ticks since the last input here and asks.

#include <QObject>

#include <functional>

class AwayWatch : public QObject {
public:
    static constexpr int kDefaultAwaySeconds = 180;

    // Watches every input the application receives from now on and calls `onInput` for each.
    // `settingsFile` empty reads the user's quibbix.ini.
    explicit AwayWatch(std::function<void()> onInput, const QString& settingsFile = QString());
    ~AwayWatch() override;

    static QString DefaultSettingsFile();
    int AwaySeconds() const { return m_awaySeconds; }
    bool IsOn() const { return m_awaySeconds > 0; }
    // Another setting than the file's (the window's tests).
    void SetAwaySeconds(int seconds) { m_awaySeconds = seconds; }

    // An input from the learner: the count starts again, and the window hears of it.
    void NoteInput();
    // One second of the window's tick: counts it, and now and then asks the desktop.
    void Tick();
    // Whether the learner counts as away now.
    bool IsAway() const;
    // The desktop's word, from D-Bus; tests set it directly.
    void SetDesktopIdle(bool isIdle) { m_isDesktopIdle = isIdle; }
    bool IsDesktopIdle() const { return m_isDesktopIdle; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AskDesktop();

    std::function<void()> m_onInput;
    int m_awaySeconds = kDefaultAwaySeconds;
    int m_ticksSinceInput = 0;
    unsigned m_ticks = 0;
    unsigned m_inputs = 0;  // how many inputs so far, to know a stale answer
    bool m_isDesktopIdle = false;
    bool m_isAsking = false;
    // Each answer of the last round of questions: the desktop is idle when any says so.
    bool m_screenSaverActive = false, m_sessionIdle = false, m_sessionLocked = false;
};
