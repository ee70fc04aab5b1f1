#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The text-to-speech engine on the voice's own thread: starts speech-dispatcher's engine,
// picks the voice for each text's language and reports back to the window's thread.

#include "ui/speech/SpeechModule.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QObject>

#include <atomic>
#include <optional>

class QTextToSpeech;

class SpeechdEngine : public QObject {
public:
    // `home` lives on the window's thread and receives the events; `latest` is the number of
    // the newest text asked for. Both must outlive the engine.
    SpeechdEngine(SpeechVoice::Events events, QObject& home, const std::atomic<int>& latest);

    // On the engine's thread, once: makes the engine, which takes its seconds here.
    void Start();
    // On the engine's thread: says text number `number`, unless a newer one was asked for.
    void Say(int number, const QString& text, const QString& language);

    // The voice of `available` for `language`: the same language and territory, else the
    // same language; none when the service cannot speak it.
    static std::optional<QLocale> LocaleFor(const QString& language,
                                            const QList<QLocale>& available);

private:
    void Report(SpeechVoice::Problem problem, const QString& language);

    SpeechVoice::Events m_events;
    QObject& m_home;
    const std::atomic<int>& m_latest;
    QTextToSpeech* m_speech = nullptr;
    std::optional<SpeechVoice::Problem> m_startProblem;
    QElapsedTimer m_sinceStart;
};
