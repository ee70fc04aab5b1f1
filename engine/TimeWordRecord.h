#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The usage clock: a stopwatch on a monotonic clock that accumulates the seconds of study in
// this run and over all runs, the total kept in session/Time.txt as "%.1f". Destruction
// saves the total once more. A Time.txt that cannot be read is never overwritten.

#include "engine/ReadGuard.h"

#include <cstdint>

class EngineEnv;

class CTimeWordRecord {
public:
    // `env` supplies the calendar clock and must outlive the record.
    explicit CTimeWordRecord(EngineEnv& env);
    virtual ~CTimeWordRecord();
    CTimeWordRecord(const CTimeWordRecord&) = delete;
    CTimeWordRecord& operator=(const CTimeWordRecord&) = delete;

    // Replaces the total with the file's number when the file starts with one.
    void Load();
    // Brings the totals up to date and writes the total; a running stopwatch keeps running.
    void Save();
    void Start();
    void Stop();
    // While running, adds the time since the last update to both accumulators.
    void Update();
    // Whole seconds, the fraction dropped.
    int32_t GetRunTime();
    int32_t GetTotalTime();

    bool IsRunning() const { return m_running != 0; }

    // Time away from the keyboard is no study. Once held back, the time since the last input
    // (NoteInput, or the start of the running stretch) is left out of what is saved and
    // reported until the next input confirms it, so that nothing saved is ever taken back;
    // GoAway drops it, and stops the stopwatch at the last input.
    void HoldBackSinceInput(bool isOn) { m_isHolding = isOn; }
    void NoteInput();
    void GoAway();

private:
    // The seconds not yet confirmed by an input; 0 when nothing is held back.
    double Held() const;

    EngineEnv& m_env;
    int32_t m_running = 0;
    double m_runTime = 0.0;
    double m_totalTime = 0.0;
    int64_t m_startTime = 0;
    // Since when the stopwatch runs without a pause, and the last input.
    int64_t m_stretchStart = 0;
    int64_t m_lastInput = 0;
    bool m_isHolding = false;
    ReadGuard m_guard;
};
