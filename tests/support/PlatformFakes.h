#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Stand-ins for the platform services, for tests: message boxes answered from a script,
// a keyboard state set by hand, a screen of fixed size and an audio output that records
// instead of playing, for as long as a test asks.

#include "platform/AudioOutput.h"
#include "platform/DialogIds.h"
#include "platform/KeyState.h"
#include "platform/MessageBoxes.h"
#include "platform/ScreenMetrics.h"

#include <QWidget>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class ScriptedMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        std::string text;
        std::string caption;
        Buttons buttons;
        Icon icon;
        bool hasOwner;
    };

    // Answers the next Yes/No box with `answer` (IDYES or IDNO); unscripted ones get IDNO.
    void Answer(int answer) { m_answers.push_back(answer); }
    const std::vector<Shown>& ShownBoxes() const { return m_shown; }

    int Show(QWidget* owner, const std::string& text, const std::string& caption, Buttons buttons,
             Icon icon) override {
        m_shown.push_back({text, caption, buttons, icon, owner != nullptr});
        if (buttons == Buttons::Ok) return IDOK;
        if (m_answers.empty()) return IDNO;
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }

private:
    std::deque<int> m_answers;
    std::vector<Shown> m_shown;
};

class FakeKeyState : public KeyState {
public:
    bool IsEscapeDown() const override { return isEscapeDown; }
    bool isEscapeDown = false;
};

// Records each sound, then takes `playMs` to "play" it unless told to stop. The player calls
// it from its own thread: read `played` only once WaitForPlayed says the sounds have ended.
class RecordingAudioOutput : public AudioOutput {
public:
    struct Played {
        std::vector<int16_t> samples;
        int sampleRate;
        int channels;
        bool stopped = false;
    };

    bool Play(const int16_t* samples, size_t frames, int sampleRate, int channels,
              const std::atomic<bool>& stop) override {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(playMs);
        size_t index;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            index = played.size();
            played.push_back(
                {std::vector<int16_t>(samples, samples + frames * static_cast<size_t>(channels)),
                 sampleRate, channels});
            m_changed.notify_all();
        }
        while (hasDevice && !stop && std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        std::lock_guard<std::mutex> lock(m_mutex);
        played[index].stopped = stop;
        ++m_ended;
        m_changed.notify_all();
        return hasDevice && !stop;
    }

    // True once `count` sounds have started; false after 5 s.
    bool WaitForStarted(size_t count) {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::seconds(5),
                                  [&] { return played.size() >= count; });
    }
    // True once `count` sounds have ended, played through or stopped; false after `timeout`.
    bool WaitForPlayed(size_t count, std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, timeout, [&] { return m_ended >= count; });
    }

    int playMs = 0;
    bool hasDevice = true;
    std::vector<Played> played;

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    size_t m_ended = 0;
};

// A pretended screen whose work area is all of it unless a test sets one, without a window
// manager: a window placed there has no frame.
class FixedScreenMetrics : public ScreenMetrics {
public:
    FixedScreenMetrics(int width, int height) : workArea{0, 0, width, height} {}

    Rect WorkArea() const override { return workArea; }
    void FillWorkArea(QWidget& window) const override { window.setGeometry(workArea.ToQRect()); }

    Rect workArea;
};
