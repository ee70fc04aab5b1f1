#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Says texts through the speech module, which it opens only when asked to prepare, so that
// start-up never loads the text-to-speech library. What keeps a text from being spoken
// becomes a note naming what to install, given once for each reason and language.

#include "platform/ModuleLoader.h"
#include "ui/speech/SpeechModule.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>

class Pronouncer {
    Q_DECLARE_TR_FUNCTIONS(Pronouncer)

public:
    // Makes the voice, or gives null with `error` saying why.
    using VoiceFactory =
        std::function<std::unique_ptr<SpeechVoice>(const SpeechVoice::Events&, QString& error)>;
    using NoteSink = std::function<void(const QString& note)>;

    // An empty `factory` opens the speech module beside the program.
    explicit Pronouncer(NoteSink showNote, VoiceFactory factory = {});
    ~Pronouncer();
    Pronouncer(const Pronouncer&) = delete;
    Pronouncer& operator=(const Pronouncer&) = delete;

    // Called each time the voice begins to speak; set before Prepare.
    void SetOnSpeaking(std::function<void()> onSpeaking) { m_onSpeaking = std::move(onSpeaking); }
    // Starts the engine on its thread; the first call only. Returns at once.
    void Prepare();
    // Speaks `text` (UTF-8) in `language` (BCP 47); prepares first when needed.
    void Say(const std::string& text, const std::string& language);
    // How long the engine took to start, -1 until it has.
    int ReadyMs() const { return m_readyMs; }

    // What the study line says when `problem` kept a text in `language` from being spoken.
    static QString NoteFor(SpeechVoice::Problem problem, const std::string& language);

private:
    std::unique_ptr<SpeechVoice> LoadModuleVoice(const SpeechVoice::Events& events, QString& error);
    void OnProblem(SpeechVoice::Problem problem, const std::string& language);
    void ShowNoteOnce(int reason, const std::string& language, const QString& note);

    NoteSink m_showNote;
    std::function<void()> m_onSpeaking;
    VoiceFactory m_factory;
    std::unique_ptr<ModuleLoader> m_module;
    // Shared with the events' callbacks, which may arrive after this object has gone.
    std::shared_ptr<Pronouncer*> m_self;
    std::unique_ptr<SpeechVoice> m_voice;
    bool m_isPrepared = false;
    QString m_loadError;
    int m_readyMs = -1;
    std::set<std::pair<int, std::string>> m_noted;
};
