// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/speech/StudySpeech.h"

#include "imports/FieldText.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

StudySpeech::StudySpeech(QWidget& window, NoteShower showNote, Texts texts, bool isBackwards,
                         Pronouncer::VoiceFactory factory, std::function<bool()> canBeHeard)
    : QObject(&window),
      m_showNote(std::move(showNote)),
      m_texts(std::move(texts)),
      m_isBackwards(isBackwards),
      m_settingsFile(SpeechSettings::FileIn({})),
      m_pronouncer([this](const QString& note) { ShowNote(note); }, std::move(factory)),
      m_canBeHeard(std::move(canBeHeard)) {
    m_settings.Load(m_settingsFile);
    const struct {
        QKeySequence keys;
        void (StudySpeech::*action)();
    } keys[] = {{QKeySequence(Qt::Key_P), &StudySpeech::SayShown},
                {QKeySequence(Qt::SHIFT | Qt::Key_P), &StudySpeech::SayRevealed},
                {QKeySequence(Qt::CTRL | Qt::Key_P), &StudySpeech::ToggleSpeakingEach}};
    for (const auto& key : keys) {
        auto* shortcut = new QShortcut(key.keys, &window);
        connect(shortcut, &QShortcut::activated, this, key.action);
    }
}

StudySpeech::~StudySpeech() {
    if (m_soundCheck.joinable()) m_soundCheck.join();
}

void StudySpeech::OnWordShown() {
    // The languages wait for the first word too: guessing reads the list.
    if (m_settings.wordLanguage.isEmpty() || m_settings.definitionLanguage.isEmpty())
        m_settings.FillLanguages({});
    m_pronouncer.Prepare();
    if (m_settings.isSpeakingEach) SayShown();
}

void StudySpeech::SayShown() {
    if (m_texts.playShown && m_texts.playShown()) return;
    Say(m_texts.shown ? m_texts.shown() : std::string(), m_isBackwards);
}

void StudySpeech::SayRevealed() {
    if (m_texts.playRevealed && m_texts.playRevealed()) return;
    Say(m_texts.revealed ? m_texts.revealed() : std::string(), !m_isBackwards);
}

void StudySpeech::ToggleSpeakingEach() {
    // Stored as it was read: the languages guessed for this run are not the list's word.
    SpeechSettings stored;
    stored.Load(m_settingsFile);
    stored.isSpeakingEach = !m_settings.isSpeakingEach;
    QString error;
    if (!stored.Save(m_settingsFile, error)) {
        ShowNote(tr("Not saved: %1").arg(error));
        return;
    }
    m_settings.isSpeakingEach = stored.isSpeakingEach;
    // The word on screen is the first that appears from now on.
    if (m_settings.isSpeakingEach) SayShown();
    ShowNote(m_settings.isSpeakingEach ? tr("Each word is spoken") : tr("Words are not spoken"));
}

void StudySpeech::Say(const std::string& field, bool isDefinition) {
    const QString text = QString::fromStdString(FieldText::ToUtf8(field)).simplified();
    if (text.isEmpty()) return;
    if (m_settings.wordLanguage.isEmpty() || m_settings.definitionLanguage.isEmpty())
        m_settings.FillLanguages({});
    const QString& language =
        isDefinition ? m_settings.definitionLanguage : m_settings.wordLanguage;
    CheckSoundOnce();
    m_pronouncer.Say(text.toStdString(), language.toStdString());
}

void StudySpeech::CheckSoundOnce() {
    if (!m_canBeHeard || m_soundCheck.joinable()) return;
    m_soundCheck = std::thread([this] {
        if (m_canBeHeard()) return;
        QMetaObject::invokeMethod(
            this, [this] { ShowNote(tr("No sound output: the word cannot be spoken")); },
            Qt::QueuedConnection);
    });
}

void StudySpeech::ShowNote(const QString& note) {
    if (m_showNote) m_showNote(note);
}
