// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/speech/SpeechdEngine.h"

#include <QTextToSpeech>

namespace {

constexpr const char* kEngineName = "speechd";

}  // namespace

SpeechdEngine::SpeechdEngine(SpeechVoice::Events events, QObject& home,
                             const std::atomic<int>& latest)
    : m_events(std::move(events)), m_home(home), m_latest(latest) {}

void SpeechdEngine::Start() {
    m_sinceStart.start();
    // Without the plugin Qt would pick another engine, or none, that speaks nowhere the
    // learner expects; the note then names the package.
    if (!QTextToSpeech::availableEngines().contains(QLatin1String(kEngineName))) {
        m_startProblem = SpeechVoice::Problem::kNoEngine;
        return;
    }
    m_speech = new QTextToSpeech(QLatin1String(kEngineName), this);
    if (m_speech->state() == QTextToSpeech::Error) {
        m_startProblem = SpeechVoice::Problem::kNoService;
        return;
    }
    QObject::connect(
        m_speech, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
            if (state == QTextToSpeech::Speaking && m_events.onSpeaking) {
                QMetaObject::invokeMethod(&m_home, m_events.onSpeaking, Qt::QueuedConnection);
            }
        });
    const int ms = int(m_sinceStart.elapsed());
    if (m_events.onReady) {
        QMetaObject::invokeMethod(
            &m_home, [onReady = m_events.onReady, ms] { onReady(ms); }, Qt::QueuedConnection);
    }
}

void SpeechdEngine::Say(int number, const QString& text, const QString& language) {
    if (number != m_latest.load()) return;
    if (m_startProblem) {
        Report(*m_startProblem, language);
        return;
    }
    const std::optional<QLocale> locale = LocaleFor(language, m_speech->availableLocales());
    if (!locale) {
        Report(SpeechVoice::Problem::kNoVoice, language);
        return;
    }
    // An empty text only asks whether the language can be spoken.
    if (text.isEmpty()) return;
    if (m_speech->locale() != *locale) m_speech->setLocale(*locale);
    m_speech->stop();
    m_speech->say(text);
}

std::optional<QLocale> SpeechdEngine::LocaleFor(const QString& language,
                                                const QList<QLocale>& available) {
    const QLocale wanted(language);
    // QLocale takes a name it does not know for C; only "en" and the like mean English.
    if (wanted.language() == QLocale::C) return std::nullopt;
    const bool isTerritoryAsked = language.contains('-') || language.contains('_');
    std::optional<QLocale> sameLanguage;
    for (const QLocale& locale : available) {
        if (locale.language() != wanted.language()) continue;
        if (!isTerritoryAsked || locale.territory() == wanted.territory()) return locale;
        if (!sameLanguage) sameLanguage = locale;
    }
    return sameLanguage;
}

void SpeechdEngine::Report(SpeechVoice::Problem problem, const QString& language) {
    if (!m_events.onProblem) return;
    QMetaObject::invokeMethod(
        &m_home,
        [onProblem = m_events.onProblem, problem, language = language.toStdString()] {
            onProblem(problem, language);
        },
        Qt::QueuedConnection);
}
