#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Plays sounds on a thread of its own, so that the event loop goes on while they sound. One
// run of sounds at a time: a run started while another is still playing is refused rather
// than queued, so a caller that starts one on every tick of a timer cannot pile them up.

#include "platform/SoundFile.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class AudioOutput;

class SoundPlayer {
public:
    // `output` must outlive this object. The thread starts with the first run.
    explicit SoundPlayer(AudioOutput& output);
    // Stops what is playing and waits for the thread, which takes no longer than the output
    // needs to notice the stop.
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Starts playing `sounds` one after the other and returns at once. False, playing nothing,
    // while an earlier run is still playing (a run that was stopped no longer counts).
    bool Start(std::vector<PcmSound> sounds);
    // Silences the current run and drops what of it has not played yet. Returns at once.
    void Stop();
    // True from Start until the run has ended or been stopped.
    bool IsPlaying() const;

private:
    void Run();
    void PlayRun(const std::vector<PcmSound>& sounds);

    AudioOutput& m_output;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<std::vector<PcmSound>> m_next;
    bool m_playing = false;
    bool m_quit = false;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
