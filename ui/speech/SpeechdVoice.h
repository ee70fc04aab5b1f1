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
    // Waits a moment for the engine's thread; one still starting the engine, or stuck in a
    // service that does not answer, is left to end with the process instead of holding it.
    ~SpeechdVoice() override;
    SpeechdVoice(const SpeechdVoice&) = delete;
    SpeechdVoice& operator=(const SpeechdVoice&) = delete;

    void Say(const std::string& text, const std::string& language) override;

private:
    // What the engine's thread uses, which outlives the voice when the thread does.
    struct Shared {
        // On the window's thread: what the engine reports is delivered in its context.
        QObject home;
        QThread thread;
        // The number of the latest text to say: texts asked for while the engine started
        // are skipped but the last.
        std::atomic<int> latest{0};
    };
    static constexpr unsigned long kEndWaitMs = 1000;

    Shared* m_shared;
    SpeechdEngine* m_engine = nullptr;  // lives on the thread, deleted as it finishes
};
