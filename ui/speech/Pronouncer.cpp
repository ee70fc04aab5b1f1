// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/speech/Pronouncer.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

constexpr int kLoadFailure = -1;  // a reason beside SpeechVoice::Problem's

QString LanguageName(const std::string& language) {
    const QLocale locale(QString::fromStdString(language));
    if (locale.language() == QLocale::C) return QString::fromStdString(language);
    return QLocale::languageToString(locale.language());
}

}  // namespace

Pronouncer::Pronouncer(NoteSink showNote, VoiceFactory factory)
    : m_showNote(std::move(showNote)),
      m_factory(std::move(factory)),
      m_self(std::make_shared<Pronouncer*>(this)) {}

Pronouncer::~Pronouncer() {
    // Events already on their way find nobody to tell.
    *m_self = nullptr;
}

void Pronouncer::Prepare() {
    if (m_isPrepared) return;
    m_isPrepared = true;
    SpeechVoice::Events events;
    std::weak_ptr<Pronouncer*> self = m_self;
    events.onProblem = [self](SpeechVoice::Problem problem, const std::string& language) {
        if (auto alive = self.lock(); alive && *alive) (*alive)->OnProblem(problem, language);
    };
    events.onReady = [self](int ms) {
        if (auto alive = self.lock(); alive && *alive) (*alive)->m_readyMs = ms;
    };
    events.onSpeaking = m_onSpeaking;
    m_voice = m_factory ? m_factory(events, m_loadError) : LoadModuleVoice(events, m_loadError);
}

void Pronouncer::Say(const std::string& text, const std::string& language) {
    Prepare();
    if (!m_voice) {
        ShowNoteOnce(kLoadFailure, {}, tr("No speech: %1").arg(m_loadError));
        return;
    }
    m_voice->Say(text, language);
}

QString Pronouncer::NoteFor(SpeechVoice::Problem problem, const std::string& language) {
    // Short enough for the study line's two lines on an 800-pixel screen; espeak-ng's
    // package brings speech-dispatcher along.
    switch (problem) {
        case SpeechVoice::Problem::kNoEngine:
            return tr(
                "No speech: install qt6-speech-speechd-plugin and speech-dispatcher-espeak-ng");
        case SpeechVoice::Problem::kNoService:
            return tr("No speech: install speech-dispatcher and speech-dispatcher-espeak-ng");
        case SpeechVoice::Problem::kNoVoice:
            break;
    }
    return tr("No voice for %1: install a speech-dispatcher voice for it")
        .arg(LanguageName(language));
}

std::unique_ptr<SpeechVoice> Pronouncer::LoadModuleVoice(const SpeechVoice::Events& events,
                                                         QString& error) {
    m_module = std::make_unique<ModuleLoader>(ModuleLoader::PathOf(SpeechModule::kFileName));
    const auto create = reinterpret_cast<SpeechModule::CreateFunction>(m_module->Entry(
        SpeechModule::kVersionSymbol, SpeechModule::kVersion, SpeechModule::kCreateSymbol, error));
    if (!create) return nullptr;
    return std::unique_ptr<SpeechVoice>(create(events));
}

void Pronouncer::OnProblem(SpeechVoice::Problem problem, const std::string& language) {
    // Without a service every language fails alike: one note says it all.
    const bool isPerLanguage = problem == SpeechVoice::Problem::kNoVoice;
    ShowNoteOnce(int(problem), isPerLanguage ? language : std::string(),
                 NoteFor(problem, language));
}

void Pronouncer::ShowNoteOnce(int reason, const std::string& language, const QString& note) {
    if (!m_noted.insert({reason, language}).second) return;
    if (m_showNote) m_showNote(note);
}
