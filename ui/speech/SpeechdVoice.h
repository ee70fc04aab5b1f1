#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The speech module's voice: Qt's text-to-speech through speech-dispatcher. Starting the
// engine takes seconds, so it runs on a thread of its own from the start, and every text to
// say is handed to that thread; the window's thread never waits for the service.

#include "ui/speech/SpeechModule.h"

#include <QObject>
#include <QThread>

#include <atomic>

class SpeechdEngine;

class SpeechdVoice : public SpeechVoice {
public:
    explicit SpeechdVoice(Events events);
    // Waits for the engine's thread, which may still be starting the engine.
    ~SpeechdVoice() override;
    SpeechdVoice(const SpeechdVoice&) = delete;
    SpeechdVoice& operator=(const SpeechdVoice&) = delete;

    void Say(const std::string& text, const std::string& language) override;

private:
    // On the window's thread: what the engine reports is delivered in its context.
    QObject m_home;
    QThread m_thread;
    SpeechdEngine* m_engine = nullptr;  // lives on m_thread, deleted as it finishes
    // The number of the latest text to say: texts asked for while the engine started are
    // skipped but the last.
    std::atomic<int> m_latest{0};
};
