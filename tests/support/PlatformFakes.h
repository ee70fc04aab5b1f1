#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Stand-ins for the platform services, for tests: message boxes answered from a script,
// a keyboard state set by hand, a screen of fixed size and an audio output that records
// instead of playing.

#include "platform/AudioOutput.h"
#include "platform/DialogIds.h"
#include "platform/KeyState.h"
#include "platform/MessageBoxes.h"
#include "platform/ScreenMetrics.h"

#include <QWidget>

#include <deque>
#include <string>
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

class RecordingAudioOutput : public AudioOutput {
public:
    struct Played {
        std::vector<int16_t> samples;
        int sampleRate;
        int channels;
    };

    bool Play(const int16_t* samples, size_t frames, int sampleRate, int channels) override {
        played.push_back(
            {std::vector<int16_t>(samples, samples + frames * static_cast<size_t>(channels)),
             sampleRate, channels});
        return hasDevice;
    }

    bool hasDevice = true;
    std::vector<Played> played;
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
