#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A list's speech settings, in list/speech.cfg beside its words: the language of its words
// and of its definitions, and whether each word is spoken as it appears. A list without the
// file (every list made before speech) takes its languages from the script of its words, else
// from the system; nothing is written until the learner or the list's own file says more.
//
// File: UTF-8 lines "key value"; keys words, definitions (BCP 47 names such as "ru" or
// "pt-BR") and speak-each (0 or 1). Unknown keys and bad values are passed over.

#include <QString>

class SpeechSettings {
public:
    QString wordLanguage;        // "" when the list never said
    QString definitionLanguage;  // "" when the list never said
    bool isSpeakingEach = false;

    // list/speech.cfg under `listFolder`; "" for the working directory's.
    static QString FileIn(const QString& listFolder);
    // The system's language, English for the C locale.
    static QString SystemLanguage();
    // Whether `name` may be stored as a language: letters, digits, '-' and '_'.
    static bool IsLanguageName(const QString& name);

    // Reads `file`; false, with the defaults kept, when it cannot be read.
    bool Load(const QString& file);
    // Replaces `file` whole; false with `error` naming the file and the reason.
    bool Save(const QString& file, QString& error) const;

    // The languages in force for the list in `listFolder`: the stored ones, else guessed
    // from the script of its words and definitions, else the system's.
    void FillLanguages(const QString& listFolder);
};
