#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The study window's speech: P says what the word box shows, Shift+P what the press revealed
// below it, Ctrl+P turns "Speak each word as it appears" on or off for the list. The voice
// starts as the first word appears, on a thread of its own, so that P speaks at once later
// and nothing waits for it; notes about missing speech go to the study line.

#include "ui/speech/Pronouncer.h"
#include "ui/speech/SpeechSettings.h"

#include <QCoreApplication>
#include <QObject>

#include <functional>
#include <string>
#include <thread>

class QWidget;

class StudySpeech : public QObject {
    Q_DECLARE_TR_FUNCTIONS(StudySpeech)

public:
    // The raw fields on screen (see FieldText): the word box's text, and what was revealed
    // below it; "" when there is nothing to say (before the start press, during a break,
    // before the reveal).
    struct Texts {
        std::function<std::string()> shown;
        std::function<std::string()> revealed;
        // Play the card's own recording of what the word box shows, or of what was revealed,
        // and tell whether one began; the voice speaks only where none did.
        std::function<bool()> playShown;
        std::function<bool()> playRevealed;
    };

    // `window` must outlive this object, and `showNote` shows a note in the study line; the
    // settings are those of the list in the working directory. Backwards, the word box shows
    // definitions and speaks their language. `canBeHeard` tells whether a sound would reach anyone;
    // it may block, and runs once, on a thread of its own, as the first text is said.
    using NoteShower = std::function<void(const QString& note)>;
    StudySpeech(QWidget& window, NoteShower showNote, Texts texts, bool isBackwards,
                Pronouncer::VoiceFactory factory = {}, std::function<bool()> canBeHeard = {});
    ~StudySpeech() override;

    // A new word is on screen: the voice starts with the first, and each is said when the
    // list asks for it.
    void OnWordShown();
    void SayShown();
    void SayRevealed();
    void ToggleSpeakingEach();
    bool IsSpeakingEach() const { return m_settings.isSpeakingEach; }

private:
    // Says `field` in the language of the definitions or of the words.
    void Say(const std::string& field, bool isDefinition);
    void ShowNote(const QString& note);
    // A voice speaking into no sound output says nothing at all: the learner is told once.
    void CheckSoundOnce();

    NoteShower m_showNote;
    Texts m_texts;
    bool m_isBackwards;
    QString m_settingsFile;
    SpeechSettings m_settings;
    Pronouncer m_pronouncer;
    std::function<bool()> m_canBeHeard;
    std::thread m_soundCheck;
};
